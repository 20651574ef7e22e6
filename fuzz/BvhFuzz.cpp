// Any bytes as a BVH motion file: the hierarchy and frame reader and the poses
// at the first, second and last frame.
#include "DrawableModel.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGLAll3dsMesh model;
    TGLSkeleton skeleton(&model);
    skeleton.LOADBVHFROMSTREAM(std::string_view(reinterpret_cast<const char*>(data), size));
    require(skeleton.FNUMFRAMES >= 0);
    for (const auto& bone : skeleton.FBONE)
        require(bone->FNUMROTATEFRAMES == static_cast<std::int32_t>(bone->FROTATEFRAME.size()) &&
                bone->FTRANSLATEFRAME.size() == bone->FROTATEFRAME.size());
    requirePoses(skeleton);
    return 0;
}
