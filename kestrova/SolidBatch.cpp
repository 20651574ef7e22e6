// The batch that bodies' solids are gathered into and sent from as one draw.
#include "kestrova/SolidBatch.h"

#include "kestrova/FacingEye.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

struct OpenBatches {
    int depth = 0;  // batches open one inside another
    PlacedSolids solids;
};

OpenBatches& openBatches() {
    static OpenBatches batches;
    return batches;
}

// The batch's triangles with its bodies sent nearest first, where the order
// cannot show (depth tested and written, nothing blended): the software
// renderer then tests depth before shading and skips what the near bodies
// hide. Only triangles of bodies at the same depth may swap pixels.
const std::vector<GLuint>& nearestBodiesFirst(PlacedSolids& solids) {
    GLboolean writesDepth = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &writesDepth);
    if (solids.bodies.size() < 2 || !glIsEnabled(GL_DEPTH_TEST) || !writesDepth || glIsEnabled(GL_BLEND))
        return solids.triangles;
    std::stable_sort(solids.bodies.begin(), solids.bodies.end(),
                     [](const PlacedSolids::Body& a, const PlacedSolids::Body& b) { return a.eyeZ > b.eyeZ; });
    static std::vector<GLuint> sorted;
    sorted.clear();
    for (const PlacedSolids::Body& body : solids.bodies) {
        const auto first = solids.triangles.begin() + static_cast<std::ptrdiff_t>(body.first);
        sorted.insert(sorted.end(), first, first + static_cast<std::ptrdiff_t>(body.count));
    }
    return sorted;
}

}  // namespace

void PlacedSolids::endBody(std::size_t first, const std::array<float, 3>& origin) {
    const float eyeZ = modelView[2] * origin[0] + modelView[6] * origin[1] + modelView[10] * origin[2] + modelView[14];
    bodies.push_back({eyeZ, first, triangles.size() - first});
}

void PlacedSolids::clear() {
    vertices.clear();
    triangles.clear();
    bodies.clear();
}

SolidBatch::SolidBatch() {
    OpenBatches& open = openBatches();
    if (open.depth++ > 0) return;
    open.solids.clear();
}

SolidBatch::~SolidBatch() {
    if (openBatches().depth == 1) sendSolidBatch();
    --openBatches().depth;
}

void sendSolidBatch() {
    OpenBatches& open = openBatches();
    PlacedSolids& solids = open.solids;
    if (open.depth == 0 || solids.triangles.empty()) return;
    // The solids stand in the model-view frame they were placed in, which
    // is the current one unless the batch is sent because it changed.
    TGLBaseMatrix current{};
    glGetFloatv(GL_MODELVIEW_MATRIX, current.data());
    const bool moved = current != solids.modelView;
    if (moved) {
        glPushAttrib(GL_TRANSFORM_BIT);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadMatrixf(solids.modelView.data());
    }
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, solids.vertices.data());
    const std::vector<GLuint>& triangles = nearestBodiesFirst(solids);
    glDrawRangeElements(GL_TRIANGLES, 0, static_cast<GLuint>(solids.vertices.size() - 1),
                        static_cast<GLsizei>(triangles.size()), GL_UNSIGNED_INT, triangles.data());
    glPopClientAttrib();
    if (moved) {
        glPopMatrix();
        glPopAttrib();
    }
    solids.clear();
}

PlacedSolids* openSolidBatch() {
    OpenBatches& open = openBatches();
    if (open.depth == 0) return nullptr;
    PlacedSolids& solids = open.solids;
    TGLBaseMatrix modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    const bool culls = backFacesCulledAsUsual();
    if (modelView != solids.modelView || culls != solids.cullsBackFaces) {
        sendSolidBatch();
        solids.modelView = modelView;
        solids.cullsBackFaces = culls;
    }
    return &solids;
}
