#include "kestrova/WindowSize.h"

#include "kestrova/OGLWindow.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"

void WINDOWRESIZED(std::int32_t lparam) {
    const int width = LOWORD(lparam), height = HIWORD(lparam);
    // A minimised window reports nothing to draw into: keep the last size.
    if (width <= 0 || height <= 0) return;
    WIDTH = width;
    HEIGHT = height;
    FOLLOWWINDOWSIZE();
}

void SWITCHFULLSCREEN() {
    FULLSCREEN = !FULLSCREEN;
    platform::setFullscreen(FULLSCREEN);
}
