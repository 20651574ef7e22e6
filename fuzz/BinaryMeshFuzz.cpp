// Any bytes as a binary mesh file: the reader, the passes after it, and the
// model written out and read back, which must give the same bytes again.
#include "DrawableModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGLAll3dsMesh model;
    model.READBIN({data, size});
    model.PREPAREREAD();
    requireDrawable(model);
    const std::vector<std::uint8_t> written = model.SAVEBINTOSTREAM();
    TGLAll3dsMesh again;
    again.READBIN(written);
    again.PREPAREREAD();
    require(again.FNUMMESHES == model.FNUMMESHES && again.FNUMMATERIALS == model.FNUMMATERIALS);
    require(again.SAVEBINTOSTREAM() == written);
    return 0;
}
