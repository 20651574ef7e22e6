// Any bytes as a 3DS file: the chunk reader, the passes after reading and the
// walk over every triangle that collision and drawing make. Every list must fit
// its mesh, every triangle must name vertices of its mesh and the render order
// must name every mesh once.
#include "KEVA_3DS/Model3ds.h"

#include <algorithm>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGLAll3dsMesh model;
    model.READ3DSCHUNKS({data, size});
    model.POSTPROCESS();
    require(model.FNUMMESHES == static_cast<std::int32_t>(model.FMESH.size()));
    require(model.FNUMMATERIALS == static_cast<std::int32_t>(model.FMATERIAL.size()));
    std::vector<std::int32_t> order = model.FRENDERORDER;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) require(order[i] == static_cast<std::int32_t>(i));
    for (const auto& mesh : model.FMESH) {
        const auto vertices = static_cast<std::size_t>(mesh->FNUMVERTEX);
        const auto triangles = static_cast<std::size_t>(mesh->TRIANGLES());
        require(mesh->FVERTEX.size() == vertices && mesh->FMAPPING.size() == vertices);
        require(mesh->FINDICES.size() == 3 * triangles && mesh->FMATID.size() == triangles);
        require(mesh->FACENORMAL.size() == triangles);
    }
    // What drawing reads per triangle: its material (or the default) and its corners.
    float sum = 0;
    for (const auto& mesh : model.FMESH)
        for (const std::uint16_t id : mesh->FMATID)
            if (const TGL3dsMaterial* material = model.materialOrNull(id)) sum += material->FTRANSPARENCY;
    FOREACHTRIANGLE(model, [&](const TGL3dsMesh& mesh, std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        require(a < mesh.FNUMVERTEX && b < mesh.FNUMVERTEX && c < mesh.FNUMVERTEX);
        sum += mesh.GETVERTEX(a).X + mesh.GETVERTEX(b).Y + mesh.GETVERTEX(c).Z;
    });
    volatile float keep = sum;
    (void)keep;
    return 0;
}
