#pragma once
// The window's size as it changes: a resize or maximise reported by the window
// system, and the switch between a window and the full screen (F11).
#include <cstdint>

// A size message (WM_SIZE, width and height in the long parameter): WIDTH and
// HEIGHT become the new drawable size and the viewport and projection follow.
void WINDOWRESIZED(std::int32_t lparam);
// Full screen on or off; the window system then reports the new size.
void SWITCHFULLSCREEN();
