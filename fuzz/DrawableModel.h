#pragma once
// What every model reader must leave, whatever bytes it was given: lists that
// fit their counts, triangles naming vertices of their mesh, a face normal and
// a material (or none) per triangle, a render order naming every mesh once.
#include "KEVA_3DS/Model3ds.h"

#include <algorithm>
#include <cstdlib>

inline void require(bool condition) {
    if (!condition) std::abort();
}

inline void requireDrawable(const TGLAll3dsMesh& model) {
    require(model.FNUMMESHES == static_cast<std::int32_t>(model.FMESH.size()));
    require(model.FNUMMATERIALS == static_cast<std::int32_t>(model.FMATERIAL.size()));
    std::vector<std::int32_t> order = model.FRENDERORDER;
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) require(order[i] == static_cast<std::int32_t>(i));
    for (const auto& mesh : model.FMESH) {
        const auto vertices = static_cast<std::size_t>(mesh->FNUMVERTEX);
        const auto triangles = static_cast<std::size_t>(mesh->TRIANGLES());
        require(mesh->FVERTEX.size() == vertices && mesh->FMAPPING.size() == vertices);
        require(mesh->FINDICES.size() == 3 * triangles && mesh->FACENORMAL.size() == triangles);
        require(mesh->FMATID.size() == triangles || (triangles == 0 && mesh->FMATID.size() <= 1));
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
}

// Every bone's pose at the frames that playback reaches first and last.
inline void requirePoses(const TGLSkeleton& skeleton) {
    require(skeleton.FNUMBONES == static_cast<std::int32_t>(skeleton.FBONE.size()));
    for (const std::int32_t frame : {0, 1, skeleton.FNUMFRAMES}) require(skeleton.POSE(frame).size() == skeleton.FBONE.size());
}
