#include "ModelRun.h"

#include "FrameTimes.h"
#include "ViewerPicture.h"

#include "kestrova/platform/OffscreenBackend.h"

#include <GL/gl.h>

#include <cstdio>
#include <fstream>

namespace {

void writeJoints(std::ostream& out, const std::vector<T3dpoint>& joints) {
    out << "  \"joints\": [";
    for (std::size_t j = 0; j < joints.size(); ++j)
        out << (j ? ", " : "") << "[" << joints[j].X << ", " << joints[j].Y << ", " << joints[j].Z << "]";
    out << "]\n";
}

}  // namespace

int runModel(const RunnerOptions& options) {
    // Textures and display lists are made while loading, so the context comes first.
    if (!platform::createOffscreenContext(800, 600)) {
        std::fprintf(stderr, "kestrova-run: no offscreen OpenGL context\n");
        return 1;
    }
    glViewport(0, 0, 800, 600);
    ModelView view;
    const auto loadBegin = RunClock::now();
    const bool loaded = view.load(options.model, options.motion);
    const double loadMs = millisecondsSince(loadBegin);
    if (!loaded) {
        std::fprintf(stderr, "kestrova-run: nothing could be read from %s\n", options.model.c_str());
        return 1;
    }

    const Orbit orbit;
    std::int32_t motionFrame = stepMotionFrame(view, 0, 1);
    std::int32_t shown = motionFrame;
    std::vector<double> frameMs;
    for (int frame = 1; frame <= options.frames; ++frame) {
        const auto begin = RunClock::now();
        drawViewerFrame(view, orbit, motionFrame, true);
        glFinish();
        frameMs.push_back(millisecondsSince(begin));
        shown = motionFrame;
        motionFrame = stepMotionFrame(view, motionFrame, 1);
    }

    if (!options.png.empty() && !platform::writeFramePng(options.png.c_str()))
        std::fprintf(stderr, "kestrova-run: cannot write %s\n", options.png.c_str());
    if (!options.json.empty()) {
        std::ofstream out(options.json);
        out << "{\n  \"frames\": " << options.frames
            << ",\n  \"motion_frame\": " << shown << ",\n  \"load_ms\": " << loadMs << ",\n";
        writeSummary(out, "frame_ms", summarise(frameMs));
        writeJoints(out, view.joints(shown));
        out << "}\n";
        if (!out) std::fprintf(stderr, "kestrova-run: cannot write %s\n", options.json.c_str());
    }
    return 0;
}
