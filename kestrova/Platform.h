#pragma once
// What the toolkit needs of a window system. Exactly one backend is linked into
// an executable: WindowBackend (SDL2) for the program, OffscreenBackend (OSMesa)
// for the tests and the scene runner.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class MessageBoxIcon { None, Information, Error };

// The window class: remembers cursor and icon kinds for the window to come.
bool registerWindowClass(int cursorKind, const char* cursorFile, int iconKind, const char* iconFile);
// Creates the one window (client area width x height) and returns false on failure.
bool createWindow(const char* title, int width, int height, bool fullscreen);
bool createGLContext(int bits);
void releaseGLContext();
void destroyWindow();
void swapBuffers();
void setWindowPosition(int x, int y, int width, int height);
// Full screen on the desktop's resolution, or back to the window as it was;
// the new size arrives as a size message.
void setFullscreen(bool fullscreen);
int screenWidth();
int screenHeight();
// Moves pending native events into the toolkit's message queue.
void pumpNativeEvents();
void captureMouse();
void releaseMouseCapture();
// The pointer of a first-person view. The window is in the foreground while it
// has the focus and its menu bar is not in use.
bool windowInForeground();
// The pointer in client pixels; false when it was not parked during the
// previous frame (the view was paused: menu, focus lost, another scene), so
// that where it stands says nothing about how the view should turn.
bool parkedPointer(int& x, int& y);
// Puts the pointer at (x, y) in client pixels and hides it until a frame
// goes by without this call.
void parkPointer(int x, int y);
// Modal box; `owned` keeps it above the program window.
void showMessageBox(const char* text, const char* caption, MessageBoxIcon icon, bool owned);
// Dear ImGui windows of the program (the statistics panel), drawn over each
// frame after the menu bar; nullptr: none.
void setPanelDrawer(void (*drawPanels)());
// Milliseconds of a monotonic clock.
std::uint32_t tickCount();
// The folder the running program was started from, ending in "/"; "" when unknown.
std::string programDirectory();

}  // namespace platform
