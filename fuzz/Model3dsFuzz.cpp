// Any bytes as a 3DS file: the chunk reader, the passes after reading and the
// walk over every triangle that collision and drawing make.
#include "DrawableModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGLAll3dsMesh model;
    model.READ3DSCHUNKS({data, size});
    model.POSTPROCESS();
    requireDrawable(model);
    for (const auto& mesh : model.FMESH) require(mesh->FMATID.size() == static_cast<std::size_t>(mesh->TRIANGLES()));
    return 0;
}
