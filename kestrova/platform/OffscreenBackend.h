#pragma once
// Extras of the offscreen backend for tests and the scene runner.
#include <cstdint>
#include <vector>

namespace platform {

// Makes an OSMesa context of the given size current (idempotent).
bool createOffscreenContext(int width, int height);
// The window resized by its user: a new buffer of that size, and the size
// message the window system would post.
bool resizeOffscreenWindow(int width, int height);
// The colour buffer as rows of RGBA bytes, top row first.
std::vector<std::uint8_t> readFrontPixels(int& width, int& height);
// Message boxes are printed on standard error instead of waiting; tests read them here.
bool writeFramePng(const char* path);
int messageBoxCount();
// The last SetWindowPos request, for tests.
void lastWindowPosition(int& x, int& y, int& width, int& height);
// Where the pointer stands (client pixels; the window's centre at first).
void movePointer(int x, int y);
// The window has the focus unless a test takes it away.
void setWindowInForeground(bool inForeground);

}  // namespace platform
