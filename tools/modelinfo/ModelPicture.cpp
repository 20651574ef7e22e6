#include "ModelPicture.h"

#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/platform/OffscreenBackend.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

namespace {

struct Camera {
    Point3 eye, at, up{0, 1, 0};
};

// Camera 0 looks along -z from above the +z side, 1 from the -x, +z corner
// lower down, 2 straight down with -z at the top of the picture.
Camera framed(const ViewBox& box, int camera) {
    const Point3 c{(box.min.x + box.max.x) / 2, (box.min.y + box.max.y) / 2, (box.min.z + box.max.z) / 2};
    const float dx = box.max.x - box.min.x, dy = box.max.y - box.min.y, dz = box.max.z - box.min.z;
    const float r = std::max(1.0f, std::sqrt(dx * dx + dy * dy + dz * dz) / 2);
    switch (camera) {
    case 1: return {{c.x - 0.95f * r, c.y + 0.45f * r, c.z + 0.95f * r}, c};
    case 2: return {{c.x, c.y + 2.4f * r, c.z}, c, {0, 0, -1}};
    default: return {{c.x, c.y + 0.8f * r, c.z + 1.5f * r}, c};
    }
}

double processorMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The medians of wall-clock and processor time (all threads) of clearing and
// drawing again and again, the model-view matrix kept.
std::pair<double, double> medianFrameMs(const std::function<void()>& draw) {
    std::vector<double> wall, processor;
    for (int frame = 0; frame < 20; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        const double startProcessor = processorMs();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPushMatrix();
        draw();
        glPopMatrix();
        glFinish();
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        processor.push_back(processorMs() - startProcessor);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    return {wall[wall.size() / 2], processor[processor.size() / 2]};
}

}  // namespace

bool writePicture(const ModelInfoOptions& options, const ViewBox& box, const std::function<void()>& draw) {
    const Camera camera = options.eye ? Camera{*options.eye, *options.at} : framed(box, options.camera);
    WIDTH = 800;
    HEIGHT = 600;
    OPENGL_INIT(20000, 1, 0.55, 0.7, 0.9);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 800.0 / 600.0, 1, 20000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.at.x, camera.at.y, camera.at.z, camera.up.x, camera.up.y,
              camera.up.z);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    SETGLLIGHT(GL_LIGHT0, 0.35f, 1.0f, 0.55f, 0);  // sunlight from above, a little from +x and +z
    SETGLNEWMAT(0.3f, 0.3f, 0.3f, 0.5f, 0.5f, 0.5f, 0.6f, 0.6f, 0.6f, 0.2f, 0.2f, 0.2f, 50);
    draw();
    glFinish();
    const bool written = platform::writeFramePng(options.png.c_str());
    if (options.time) {
        const auto [wall, processor] = medianFrameMs(draw);
        std::fprintf(stderr, "drawing: %.2f ms a frame (processor %.2f ms; medians of 20)\n", wall, processor);
    }
    return written;
}
