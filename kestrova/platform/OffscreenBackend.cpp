#include "kestrova/platform/OffscreenBackend.h"

#include "kestrova/Platform.h"
#include "kestrova/RendererMemory.h"

#include "kestrova/FramePicture.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/platform/ImGuiLook.h"

#include <GL/osmesa.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace platform {
namespace {

OSMesaContext context = nullptr;
std::vector<std::uint8_t> colourBuffer;
int bufferWidth = 0;
int bufferHeight = 0;
int messageBoxes = 0;
int posX = 0, posY = 0, posW = 0, posH = 0;
std::uint32_t clockOffsetMs = 0;
std::uint32_t lastSwapTick = 0;
constexpr std::uint32_t kRefreshMs = 17;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
// The size the window had before it went full screen.
int windowedWidth = 0, windowedHeight = 0;
// The pointer starts at the centre of the window, which always has the focus.
int pointerX = 400, pointerY = 300;
bool foreground = true;
bool parkedThisFrame = false, parkedLastFrame = false;

// The program's ImGui windows over the frame, as the window draws them (there
// is no menu bar here). The context is made on first use and kept.
void drawPanels() {
    if (!panelDrawer) return;
    if (!ImGui::GetCurrentContext()) {
        createImGuiContext();
        ImGui_ImplOpenGL2_Init();
    }
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(bufferWidth), static_cast<float>(bufferHeight));
    io.DeltaTime = static_cast<float>(kRefreshMs) / 1000.0f;
    ImGui_ImplOpenGL2_NewFrame();
    ImGui::NewFrame();
    panelDrawer();
    ImGui::Render();
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

// At exit, the renderer's threads may still be filling the last frame. Its own
// exit handler then stops them mid-frame, one thread waits for the other
// forever and the program never ends (and the buffer they fill is freed under
// them): the frame is finished first. Registered after the renderer's handler,
// so it runs before it.
void finishRenderingAtExit() {
    if (context) glFinish();
}

}  // namespace

bool createOffscreenContext(int width, int height) {
    if (context && width == bufferWidth && height == bufferHeight) return OSMesaMakeCurrent(context, colourBuffer.data(), GL_UNSIGNED_BYTE, width, height);
    if (!context) {
        context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
        if (!context) return false;
        std::atexit(finishRenderingAtExit);
        KEEPRENDERERMEMORY();
    } else {
        glFinish();  // the renderer's threads may still be filling the buffer about to be replaced
    }
    bufferWidth = width;
    bufferHeight = height;
    colourBuffer.assign(static_cast<std::size_t>(width) * height * 4, 0);
    if (!OSMesaMakeCurrent(context, colourBuffer.data(), GL_UNSIGNED_BYTE, width, height)) return false;
    // Rows bottom-up like a window's back buffer.
    OSMesaPixelStore(OSMESA_Y_UP, 1);
    return true;
}

std::vector<std::uint8_t> readFrontPixels(int& width, int& height) {
    width = bufferWidth;
    height = bufferHeight;
    std::vector<std::uint8_t> rows(colourBuffer.size());
    if (!context) return rows;
    glFinish();
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        std::copy_n(colourBuffer.data() + stride * (height - 1 - y), stride, rows.data() + stride * y);
    return rows;
}

bool writeFramePng(const char* path) {
    int w = 0, h = 0;
    auto rows = readFrontPixels(w, h);
    return WRITEPNGFILE(path, w, h, std::move(rows));
}

int messageBoxCount() { return messageBoxes; }

void lastWindowPosition(int& x, int& y, int& width, int& height) {
    x = posX;
    y = posY;
    width = posW;
    height = posH;
}

bool registerWindowClass(int, const char*, int, const char*) { return true; }

bool createWindow(const char*, int width, int height, bool) {
    bufferWidth = width;
    bufferHeight = height;
    pointerX = width / 2;
    pointerY = height / 2;
    return true;
}

bool resizeOffscreenWindow(int width, int height) {
    if (!createOffscreenContext(width, height)) return false;
    POSTGLMESSAGE(HWINDOW, WM_SIZE, 0, MAKELPARAM(width, height));
    return true;
}

void setFullscreen(bool fullscreen) {
    if (fullscreen) {
        windowedWidth = bufferWidth;
        windowedHeight = bufferHeight;
        resizeOffscreenWindow(kScreenWidth, kScreenHeight);
    } else if (windowedWidth > 0) {
        resizeOffscreenWindow(windowedWidth, windowedHeight);
    }
}

bool createGLContext(int) { return createOffscreenContext(bufferWidth, bufferHeight); }

void releaseGLContext() {}  // the context outlives the window so tests can read the last frame

void destroyWindow() {}
// The offscreen display behaves like a 60 Hz one: every swap moves the clock on
// to at least one refresh after the previous swap, so scenes that scale their
// step by the time between frames run at the speed they would in the window,
// however fast the frames are drawn here.
void swapBuffers() {
    drawPanels();
    glFlush();
    const std::uint32_t now = tickCount();
    const std::uint32_t due = lastSwapTick + kRefreshMs;
    if (lastSwapTick != 0 && now < due) clockOffsetMs += due - now;
    lastSwapTick = tickCount();
    parkedLastFrame = parkedThisFrame;
    parkedThisFrame = false;
}

void setWindowPosition(int x, int y, int width, int height) {
    posX = x;
    posY = y;
    posW = width;
    posH = height;
}

int screenWidth() { return kScreenWidth; }
int screenHeight() { return kScreenHeight; }
void pumpNativeEvents() {}
void captureMouse() {}
void releaseMouseCapture() {}

void movePointer(int x, int y) {
    pointerX = x;
    pointerY = y;
}

void setWindowInForeground(bool inForeground) { foreground = inForeground; }

bool windowInForeground() { return foreground; }

bool parkedPointer(int& x, int& y) {
    x = pointerX;
    y = pointerY;
    return parkedLastFrame;
}

// Like a desktop's pointer warp, parking reports a move.
void parkPointer(int x, int y) {
    POSTGLMESSAGE(HWINDOW, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    movePointer(x, y);
    parkedThisFrame = true;
}

void showMessageBox(const char* text, const char* caption, MessageBoxIcon, bool) {
    ++messageBoxes;
    std::fprintf(stderr, "[%s] %s\n", caption, text);
}

std::uint32_t tickCount() {
    using namespace std::chrono;
    const auto sinceBoot = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(sinceBoot) + clockOffsetMs;
}

// The tests and the scene runner read the data files from their working directory.
std::string programDirectory() { return ""; }

}  // namespace platform
