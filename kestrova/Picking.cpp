#include "kestrova/Picking.h"

#include "kestrova/Input.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

namespace {

// Mouse positions are pixels of the drawable area, which is exactly the
// viewport, so a mouse y only needs flipping (no caption or frame offset).
double viewportY(const std::array<GLint, 4>& viewport, double y) { return viewport[3] - y; }

std::array<GLint, 4> currentViewport() {
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    return viewport;
}

// Hit records are (name count, minimum depth, maximum depth, names...). The
// nearest hit (smallest minimum depth, the earlier one on a tie) wins; its
// innermost name is the answer. A negative count means the buffer overflowed:
// the complete records it holds are still used.
std::int32_t nearestHitName(const GLuint* buffer, int size, GLint hits) {
    std::int32_t name = 0;
    GLuint nearest = 0;
    bool found = false;
    int at = 0;
    for (GLint hit = 0; hits < 0 || hit < hits; ++hit) {
        if (size - at < 3) break;
        const GLuint names = buffer[at];
        if (names > static_cast<GLuint>(size - at - 3)) break;
        const GLuint minDepth = buffer[at + 1];
        if (names > 0 && (!found || minDepth < nearest)) {
            found = true;
            nearest = minDepth;
            name = static_cast<std::int32_t>(buffer[at + 2 + names]);
        }
        at += 3 + static_cast<int>(names);
    }
    return name;
}

}  // namespace

TGLVector SCREENTOWORLD(float x, float y, float z) {
    const std::array<GLint, 4> viewport = currentViewport();
    std::array<GLdouble, 16> modelview{}, projection{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    GLdouble ox = 0, oy = 0, oz = 0;
    if (gluUnProject(x, viewportY(viewport, y), z, modelview.data(), projection.data(), viewport.data(), &ox, &oy,
                     &oz) != GL_TRUE)
        return TGLVector{};
    return GLVECTOR(ox, oy, oz);
}

TGLVector GETMOUSEINWORLD(float depth) {
    return SCREENTOWORLD(static_cast<float>(SETOMX), static_cast<float>(SETOMY), 0.99f + depth / 2000.0f);
}

void ADDNAMETOOBJ(std::int32_t name) { glLoadName(static_cast<GLuint>(name)); }

std::int32_t SELECTOBJID(std::int32_t x, std::int32_t y, std::int32_t objname) {
    std::array<GLuint, 32> buffer{};
    glSelectBuffer(static_cast<GLsizei>(buffer.size()), buffer.data());

    std::array<GLint, 4> viewport = currentViewport();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glRenderMode(GL_SELECT);
    glLoadIdentity();
    gluPickMatrix(x, viewportY(viewport, y), 2.0, 2.0, viewport.data());
    const double height = viewport[3] > 0 ? viewport[3] : 1;
    gluPerspective(45.0, viewport[2] / height, 0.5, 150.0);

    glMatrixMode(GL_MODELVIEW);
    glInitNames();
    glPushName(0);
    glCallList(static_cast<GLuint>(objname));
    glPopName();

    const GLint hits = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return nearestHitName(buffer.data(), static_cast<int>(buffer.size()), hits);
}
