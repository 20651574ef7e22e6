#include "OffscreenGL.h"

#include "kestrova/OGLWindow.h"
#include "kestrova/platform/OffscreenBackend.h"

#include <GL/gl.h>


void OffscreenGL::SetUp() {
    ASSERT_TRUE(platform::createOffscreenContext(800, 600));
    // The toolkit's window size, which its projections and picking use.
    WIDTH = 800;
    HEIGHT = 600;
    // Every test starts from the GL defaults that matter to the toolkit.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, 800, 600);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::vector<std::uint8_t> OffscreenGL::pixelAt(int x, int y) {
    std::vector<std::uint8_t> rgba(4);
    glReadPixels(x, 599 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

void OffscreenGL::savePng(const char* path) {
    platform::writeFramePng(path);
}
