// Binding a model's vertices to the bones of its skeleton and drawing the
// skin in a pose.
#include "KEVA_3DS/Model3ds.h"

namespace {

// The bone a vertex is bound to, or -1 when it names none of the skeleton's.
std::int32_t boundBone(const TGL3dsMesh& mesh, std::size_t vertex, std::size_t bones) {
    if (vertex >= mesh.FBONEID.size()) return -1;
    const std::int32_t bone = mesh.FBONEID[vertex];
    return bone >= 0 && static_cast<std::size_t>(bone) < bones ? bone : -1;
}

}  // namespace

TGLSkeleton* TGLAll3dsMesh::SKINSKELETON() const {
    if (FCURRENTGLSKELETON < 0 || static_cast<std::size_t>(FCURRENTGLSKELETON) >= FSKELETON.size()) return nullptr;
    return FSKELETON[static_cast<std::size_t>(FCURRENTGLSKELETON)].get();
}

void TGLAll3dsMesh::INITSKIN() {
    const TGLSkeleton* skeleton = SKINSKELETON();
    if (!skeleton) return;
    for (const auto& mesh : FMESH) {
        if (mesh->FNUMINDICES <= 0) continue;
        for (std::size_t v = 0; v < mesh->FVERTEX.size(); ++v) {
            const std::int32_t bone = boundBone(*mesh, v, skeleton->FBONE.size());
            if (bone < 0) continue;
            const clsMatrix& m = skeleton->GETBONE(bone)->FMATRIX;
            m.INVERSETRANSLATEVECT(&mesh->FVERTEX[v].X);
            m.INVERSEROTATEVECT(&mesh->FVERTEX[v].X);
        }
    }
}

void TGLAll3dsMesh::RENDERPOSED(const std::vector<clsMatrix>& pose) const {
    std::vector<T3dpoint> vertices, normals;
    for (std::int32_t i = 0; i < FNUMMESHES; ++i) {
        const TGL3dsMesh& mesh = *GETMESH(FRENDERORDER[static_cast<std::size_t>(i)]);
        vertices = mesh.FVERTEX;
        for (std::size_t v = 0; v < vertices.size(); ++v)
            if (const std::int32_t bone = boundBone(mesh, v, pose.size()); bone >= 0)
                vertices[v] = pose[static_cast<std::size_t>(bone)].TRANSFORMPOINT(vertices[v]);
        // A triangle turns with the bone of its first corner.
        normals = mesh.FACENORMAL;
        for (std::size_t t = 0; t < normals.size() && 3 * t < mesh.FINDICES.size(); ++t)
            if (const std::int32_t bone = boundBone(mesh, mesh.FINDICES[3 * t], pose.size()); bone >= 0)
                normals[t] = pose[static_cast<std::size_t>(bone)].ROTATEVECT(normals[t]);
        mesh.RENDERWITH(vertices, normals);
    }
}
