// The passes that prepare a model after its file is read: pivot, scale,
// normals, bounding boxes and the order in which the meshes are drawn.
#include "KEVA_3DS/Model3ds.h"
#include "KEVA_3DS/ModelVectors.h"

#include <algorithm>
#include <utility>

namespace {

void widen(T3dpoint& minimum, T3dpoint& maximum, const T3dpoint& p) {
    minimum = {std::min(minimum.X, p.X), std::min(minimum.Y, p.Y), std::min(minimum.Z, p.Z)};
    maximum = {std::max(maximum.X, p.X), std::max(maximum.Y, p.Y), std::max(maximum.Z, p.Z)};
}

}  // namespace

void TGLAll3dsMesh::MOVETOPIVOT() {
    for (const auto& mesh : FMESH)
        for (T3dpoint& v : mesh->FVERTEX) v = VECTORSUBTRACT(v, mesh->FPIVOT);
}

void TGLAll3dsMesh::CALCULATESCALE() {
    for (const auto& mesh : FMESH)
        for (T3dpoint& v : mesh->FVERTEX) v = {v.X * FMASTERSCALE, v.Y * FMASTERSCALE, v.Z * FMASTERSCALE};
}

void TGLAll3dsMesh::CALCVNORMALS() {
    for (const auto& mesh : FMESH) {
        if (mesh->FNUMINDICES <= 0) continue;
        mesh->FVNORMAL.assign(static_cast<std::size_t>(mesh->FNUMVERTEX), T3dpoint{});
        mesh->FNORMALINDICES = mesh->FINDICES;
        mesh->FACENORMAL.resize(static_cast<std::size_t>(mesh->TRIANGLES()));
        for (std::int32_t t = 0; t < mesh->TRIANGLES(); ++t) {
            const std::uint16_t a = mesh->GETFACE(3 * t), b = mesh->GETFACE(3 * t + 1), c = mesh->GETFACE(3 * t + 2);
            const T3dpoint n = CALCNORMALVECTOR(mesh->GETVERTEX(a), mesh->GETVERTEX(b), mesh->GETVERTEX(c));
            mesh->FACENORMAL[static_cast<std::size_t>(t)] = n;
            mesh->FVNORMAL[a] = mesh->FVNORMAL[b] = mesh->FVNORMAL[c] = n;
        }
    }
}

void TGLAll3dsMesh::CALCFACENORMALS() {
    for (const auto& mesh : FMESH) {
        mesh->FACENORMAL.resize(static_cast<std::size_t>(mesh->TRIANGLES()));
        for (std::int32_t t = 0; t < mesh->TRIANGLES(); ++t) {
            T3dpoint sum;
            for (std::int32_t k = 0; k < 3; ++k) {
                const auto at = static_cast<std::size_t>(3 * t + k);
                if (at >= mesh->FNORMALINDICES.size() || mesh->FNORMALINDICES[at] >= mesh->FVNORMAL.size()) continue;
                const T3dpoint& n = mesh->FVNORMAL[mesh->FNORMALINDICES[at]];
                sum = {sum.X + n.X, sum.Y + n.Y, sum.Z + n.Z};
            }
            T3dpoint& normal = mesh->FACENORMAL[static_cast<std::size_t>(t)];
            normal = {};
            NORMALIZE(sum, normal);
            // These files put the corners counter-clockwise seen from the front
            // (unlike 3DS files once their axes are exchanged), so the normal
            // of the corners is turned to face that side.
            if (normal.X == 0 && normal.Y == 0 && normal.Z == 0)
                normal = CALCNORMALVECTOR(mesh->GETVERTEX(mesh->GETFACE(3 * t)), mesh->GETVERTEX(mesh->GETFACE(3 * t + 2)),
                                          mesh->GETVERTEX(mesh->GETFACE(3 * t + 1)));
        }
    }
}

void TGL3dsMesh::CALCULATESIZE() {
    if (FINDICES.empty()) return;
    FMINIMUM = FMAXIMUM = GETVERTEX(FINDICES.front());
    for (const std::uint16_t index : FINDICES) widen(FMINIMUM, FMAXIMUM, GETVERTEX(index));
}

void TGLAll3dsMesh::CALCULATESIZE() {
    FMINIMUM = FMAXIMUM = T3dpoint{};
    for (const auto& mesh : FMESH) {
        if (mesh->FNUMINDICES <= 0) continue;
        mesh->CALCULATESIZE();
        widen(FMINIMUM, FMAXIMUM, mesh->FMINIMUM);
        widen(FMINIMUM, FMAXIMUM, mesh->FMAXIMUM);
    }
}

bool TGLAll3dsMesh::seeThrough(std::int32_t meshIndex) const {
    const std::vector<std::uint16_t>& ids = GETMESH(meshIndex)->FMATID;
    return std::any_of(ids.begin(), ids.end(), [this](std::uint16_t id) {
        const TGL3dsMaterial* material = materialOrNull(id);
        return material && material->FTRANSPARENCY < 1.0f;
    });
}

void TGLAll3dsMesh::CALCULATERENDERORDER() {
    // Each see-through mesh found is exchanged with the last place not yet
    // claimed, and the mesh brought forward is looked at in its turn.
    std::int32_t found = 0;
    std::int32_t m = 0;
    while (m < FNUMMESHES - 1) {
        auto& order = FRENDERORDER;
        if (m < FNUMMESHES - found && seeThrough(order[static_cast<std::size_t>(m)])) {
            ++found;
            std::swap(order[static_cast<std::size_t>(m)], order[static_cast<std::size_t>(FNUMMESHES - found)]);
        } else {
            ++m;
        }
    }
}
