// The batch that bodies' solids are gathered into and sent from as one draw.
#include "kestrova/SolidBatch.h"

#include "kestrova/FacingEye.h"

#include <GL/gl.h>

namespace {

struct OpenBatches {
    int depth = 0;  // batches open one inside another
    PlacedSolids solids;
};

OpenBatches& openBatches() {
    static OpenBatches batches;
    return batches;
}

}  // namespace

SolidBatch::SolidBatch() {
    OpenBatches& open = openBatches();
    if (open.depth++ > 0) return;
    open.solids.vertices.clear();
    open.solids.triangles.clear();
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
    glDrawRangeElements(GL_TRIANGLES, 0, static_cast<GLuint>(solids.vertices.size() - 1),
                        static_cast<GLsizei>(solids.triangles.size()), GL_UNSIGNED_INT, solids.triangles.data());
    glPopClientAttrib();
    if (moved) {
        glPopMatrix();
        glPopAttrib();
    }
    solids.vertices.clear();
    solids.triangles.clear();
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
