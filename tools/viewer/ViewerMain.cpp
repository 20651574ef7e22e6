// kestrova-view FILE [MOTION.bvh]: a window showing a model (".3ds", MilkShape
// ".txt", ".bin"), a BVH motion, or a model whose bones follow a motion.
// Dragging with the left button turns the view, with the right button (or the
// wheel) zooms; a motion loops a frame per displayed frame. Space pauses, the
// left and right arrows step a frame, B shows or hides the bones, Escape quits.
#include "ViewerPicture.h"

#include "kestrova/Platform.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "kestrova-view: %s\n", message.c_str());
    platform::showMessageBox(message.c_str(), "Kestrova", platform::MessageBoxIcon::Error, false);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: kestrova-view FILE [MOTION.bvh]\n");
        return 2;
    }
    const std::string file = argv[1], motion = argc == 3 ? argv[2] : "";
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return fail(std::string("no display: ") + SDL_GetError());
    const std::string title = "Kestrova - " + std::filesystem::path(file).filename().string();
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context) return fail(std::string("no OpenGL window: ") + SDL_GetError());
    SDL_GL_SetSwapInterval(1);
    glViewport(0, 0, 800, 600);

    ModelView view;
    if (!view.load(file, motion)) {
        const int status = fail("Nessun modello o movimento letto da " + file);
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
        return status;
    }
    Orbit orbit;
    bool bones = true, paused = false, running = true;
    std::int32_t frame = view.frames() > 0 ? 1 : 0;
    const auto step = [&](int by) { frame = stepMotionFrame(view, frame, by); };
    while (running) {
        const std::uint64_t start = SDL_GetTicks64();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) running = false;
            if (event.type == SDL_KEYDOWN) {
                switch (event.key.keysym.sym) {
                case SDLK_ESCAPE: running = false; break;
                case SDLK_SPACE: paused = !paused; break;
                case SDLK_b: bones = !bones; break;
                case SDLK_LEFT: step(-1); break;
                case SDLK_RIGHT: step(1); break;
                default: break;
                }
            }
            if (event.type == SDL_MOUSEMOTION && (event.motion.state & SDL_BUTTON_LMASK)) {
                orbit.yaw += static_cast<float>(event.motion.xrel) * 0.5f;
                orbit.pitch = std::clamp(orbit.pitch + static_cast<float>(event.motion.yrel) * 0.5f, -89.0f, 89.0f);
            }
            if (event.type == SDL_MOUSEMOTION && (event.motion.state & SDL_BUTTON_RMASK))
                orbit.distance = std::clamp(orbit.distance * std::exp(static_cast<float>(event.motion.yrel) * 0.01f), 0.05f, 20.0f);
            if (event.type == SDL_MOUSEWHEEL)
                orbit.distance = std::clamp(orbit.distance * std::exp(static_cast<float>(-event.wheel.y) * 0.1f), 0.05f, 20.0f);
        }
        drawViewerFrame(view, orbit, frame, bones);
        SDL_GL_SwapWindow(window);
        if (!paused) step(1);
        // Where the display does not pace the swap, keep to about 60 frames a second.
        const std::uint64_t spent = SDL_GetTicks64() - start;
        if (spent < 16) SDL_Delay(static_cast<std::uint32_t>(16 - spent));
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
