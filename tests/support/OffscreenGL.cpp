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
    glDisable(GL_COLOR_MATERIAL);
    // The material as a fresh context has it: an earlier test's glow or shine
    // would brighten every lit picture after it.
    const float ambient[] = {0.2f, 0.2f, 0.2f, 1}, diffuse[] = {0.8f, 0.8f, 0.8f, 1}, none[] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, none);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::vector<std::uint8_t> OffscreenGL::pixelAt(int x, int y) {
    std::vector<std::uint8_t> rgba(4);
    glReadPixels(x, 599 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

void OffscreenGL::savePng(const char* path) { platform::writeFramePng(path); }

std::vector<int> OffscreenGL::brightPixelsPerCell(int columns, int rows, int threshold) {
    int width = 0, height = 0;
    const std::vector<std::uint8_t> pixels = platform::readFrontPixels(width, height);
    std::vector<int> bright(static_cast<std::size_t>(columns * rows), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &pixels[4 * static_cast<std::size_t>(y * width + x)];
            if (p[0] + p[1] + p[2] > 3 * threshold)
                ++bright[static_cast<std::size_t>((y * rows / height) * columns + x * columns / width)];
        }
    return bright;
}
