// Any bytes as a MilkShape text file: the mesh and bone readers, the skin
// bound to the bones, and the poses drawing would put it in.
#include "DrawableModel.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TGLAll3dsMesh model;
    model.READMSA(text);
    model.PREPAREREAD();
    requireDrawable(model);
    model.FSKELETON.push_back(std::make_unique<TGLSkeleton>(&model));
    model.FNUMSKELETONS = 1;
    TGLSkeleton& skeleton = *model.FSKELETON[0];
    skeleton.LOADMSAFROMSTREAM(text);
    model.INITSKIN();
    requirePoses(skeleton);
    return 0;
}
