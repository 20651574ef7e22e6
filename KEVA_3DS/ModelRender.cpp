// Drawing of models, meshes and materials with OpenGL 1.x, and the meshes'
// display lists.
#include "KEVA_3DS/Model3ds.h"
#include "KEVA_3DS/ViewVolume.h"

#include <GL/gl.h>

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <utility>

namespace {

// Triangles whose material number names no material are drawn plain grey,
// opaque and one-sided.
void applyDefaultMaterial() {
    if (IGNOREMATERIALS) return;
    glDisable(GL_BLEND);
    glColor4f(0.4f, 0.4f, 0.4f, 1.0f);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
}

}  // namespace

TGL3dsMesh::~TGL3dsMesh() {
    if (FDISPLAYLIST > 0) glDeleteLists(static_cast<GLuint>(FDISPLAYLIST), 1);
}

void TGL3dsMaterial::APPLY() const {
    if (IGNOREMATERIALS) return;
    const float* base = FISAMBIENT ? &FAMBR : &FDIFR;
    glDisable(GL_BLEND);
    glColor4f(base[0] / 2.0f, base[1] / 2.0f, base[2] / 2.0f, FTRANSPARENCY);
    if (FTRANSPARENCY < 1.0f) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    if (FHASTEXTUREMAP && FTEXID != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(FTEXID));
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (FTWOSIDED) glDisable(GL_CULL_FACE);
    else glEnable(GL_CULL_FACE);
}

void TGL3dsMesh::RENDER() const {
    if (FDISPLAYLIST != 0) {
        glCallList(static_cast<GLuint>(FDISPLAYLIST));
        return;
    }
    RENDERWITH(FVERTEX, FACENORMAL);
}

// The triangles gathered by material, each material's in their own order, the
// materials in the order they first appear and the see-through ones after the
// opaque ones: one batch and one change of state per material, and what lies
// behind a see-through triangle is drawn before it. The depth test makes the
// picture of the opaque ones the same in any order.
std::vector<std::int32_t> TGL3dsMesh::materialOrder() const {
    std::vector<std::int32_t> order(static_cast<std::size_t>(std::max(TRIANGLES(), 0)));
    std::iota(order.begin(), order.end(), 0);
    std::unordered_map<std::uint16_t, std::int32_t> firstUse;
    for (std::int32_t t : order) firstUse.try_emplace(FMATID[static_cast<std::size_t>(t)], t);
    const auto key = [&](std::int32_t t) {
        const std::uint16_t id = FMATID[static_cast<std::size_t>(t)];
        const TGL3dsMaterial* material = OWNER->materialOrNull(id);
        return std::pair(material && material->FTRANSPARENCY < 1.0f, firstUse[id]);
    };
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) { return key(a) < key(b); });
    return order;
}

void TGL3dsMesh::RENDERWITH(std::span<const T3dpoint> vertices, std::span<const T3dpoint> faceNormals) const {
    std::int32_t current = -1;  // no material applied yet
    for (std::int32_t t : materialOrder()) {
        const std::uint16_t id = FMATID[static_cast<std::size_t>(t)];
        if (id != current) {
            if (current >= 0) glEnd();
            current = id;
            if (const TGL3dsMaterial* material = OWNER->materialOrNull(id)) material->APPLY();
            else applyDefaultMaterial();
            glBegin(GL_TRIANGLES);
        }
        glNormal3fv(&faceNormals[static_cast<std::size_t>(t)].X);
        for (std::int32_t k = 0; k < 3; ++k) {
            const std::uint16_t v = GETFACE(3 * t + k);
            glTexCoord2f(FMAPPING[v].TU, FMAPPING[v].TV);
            glVertex3fv(&vertices[v].X);
        }
    }
    if (current >= 0) glEnd();
}

void TGLAll3dsMesh::RENDER() const {
    MeshOrder filled;
    const MeshOrder& order = drawOrder_.meshes.empty() ? (filled = fillOrder()) : drawOrder_;
    const ViewVolume view = ViewVolume::current();
    const auto inView = [&view](const TGL3dsMesh& mesh) { return view.mayShow(mesh.FMINIMUM, mesh.FMAXIMUM); };
    std::vector<std::pair<float, const TGL3dsMesh*>> opaque;
    for (std::size_t k = 0; k < order.opaque; ++k) {
        const TGL3dsMesh& mesh = *GETMESH(order.meshes[k]);
        if (inView(mesh)) opaque.emplace_back(view.farthestCorner(mesh.FMINIMUM, mesh.FMAXIMUM), &mesh);
    }
    std::stable_sort(opaque.begin(), opaque.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [reach, mesh] : opaque) mesh->RENDER();
    for (std::size_t k = order.opaque; k < order.meshes.size(); ++k)
        if (const TGL3dsMesh& mesh = *GETMESH(order.meshes[k]); inView(mesh)) mesh.RENDER();
}

TGLAll3dsMesh::MeshOrder TGLAll3dsMesh::fillOrder() const {
    const auto meshes = std::clamp<std::ptrdiff_t>(FNUMMESHES, 0, std::ssize(FRENDERORDER));
    MeshOrder order{{FRENDERORDER.begin(), FRENDERORDER.begin() + meshes}, 0};
    const auto boxSize = [this](std::int32_t m) {
        const TGL3dsMesh& mesh = *GETMESH(m);
        const float dx = mesh.FMAXIMUM.X - mesh.FMINIMUM.X, dy = mesh.FMAXIMUM.Y - mesh.FMINIMUM.Y,
                    dz = mesh.FMAXIMUM.Z - mesh.FMINIMUM.Z;
        return dx * dx + dy * dy + dz * dz;
    };
    const auto opaqueEnd =
        std::stable_partition(order.meshes.begin(), order.meshes.end(), [this](std::int32_t m) { return !seeThrough(m); });
    std::stable_sort(order.meshes.begin(), opaqueEnd, [&](std::int32_t a, std::int32_t b) { return boxSize(a) < boxSize(b); });
    order.opaque = static_cast<std::size_t>(opaqueEnd - order.meshes.begin());
    return order;
}

void TGLAll3dsMesh::COMPILEDISPLAYLIST() {
    drawOrder_ = fillOrder();
    for (std::int32_t m : drawOrder_.meshes) {
        TGL3dsMesh& mesh = *GETMESH(m);
        if (mesh.FDISPLAYLIST > 0) glDeleteLists(static_cast<GLuint>(mesh.FDISPLAYLIST), 1);
        mesh.FDISPLAYLIST = 0;
        const GLuint list = glGenLists(1);
        if (list == 0) continue;
        glNewList(list, GL_COMPILE);
        mesh.RENDER();
        glEndList();
        mesh.FDISPLAYLIST = static_cast<std::int32_t>(list);
    }
}
