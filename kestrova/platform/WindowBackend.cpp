// The program's window on SDL2: window and compatibility GL context, native
// events turned into the toolkit's messages, and the menu bar drawn with Dear
// ImGui just before each buffer swap.
#include "kestrova/Platform.h"
#include "kestrova/RendererMemory.h"

#include "kestrova/Menu.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/WinTypes.h"
#include "kestrova/platform/FramePacer.h"
#include "kestrova/platform/ImGuiLook.h"
#include "kestrova/platform/KeyMapping.h"

#include <SDL.h>
#include <SDL_image.h>
#include <imgui.h>
#include <imgui_impl_opengl2.h>
#include <imgui_impl_sdl.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace platform {
namespace {

SDL_Window* window = nullptr;
SDL_GLContext glContext = nullptr;
SDL_Cursor* cursor = nullptr;
SDL_Surface* icon = nullptr;
bool imguiReady = false;
bool menuHasMouse = false;
bool menuOpen = false;
// Alt or F10 asks for the menu: a first-person view lets the pointer go until
// a command is chosen, the key is pressed again or the window is clicked
// below the menu bar.
bool menuAsked = false;
float menuBarHeight = 0;
bool parkedThisFrame = false, parkedLastFrame = false;
bool pointerHidden = false;
FramePacer pacer(0);

void ensureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) SDL_InitSubSystem(SDL_INIT_VIDEO);
}

// System cursors for the toolkit's cursor kinds; kinds SDL lacks take the nearest one.
SDL_Cursor* systemCursor(int kind) {
    switch (kind) {
    case ARROW: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    case IBEAM: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_IBEAM);
    case WAIT: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    case CROSS: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR);
    case UPARROW: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZENS);
    case SIZE: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEALL);
    case SIZENWSE: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZENWSE);
    case SIZENESW: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZENESW);
    case SIZEWE: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEWE);
    case SIZENS: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZENS);
    case SIZEALL: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEALL);
    case NOCURSOR: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_NO);
    case HAND: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    case APPSTARTING: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAITARROW);
    case HELP: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    default: return nullptr;
    }
}

SDL_Cursor* fileCursor(const char* file) {
    if (!file || !*file) return nullptr;
    SDL_Surface* picture = IMG_Load(file);
    if (!picture) return nullptr;
    SDL_Cursor* made = SDL_CreateColorCursor(picture, 0, 0);
    SDL_FreeSurface(picture);
    return made;
}

void drawMenuBar() {
    const HMENU bar = attachedMenuBar();
    if (!imguiReady || (bar == 0 && !panelDrawer)) return;
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
    menuOpen = false;
    if (bar != 0 && ImGui::BeginMainMenuBar()) {
        menuBarHeight = ImGui::GetWindowHeight();
        for (const MenuItem& popup : menuItems(bar)) {
            if (!(popup.flags & MF_POPUP)) continue;
            if (!ImGui::BeginMenu(menuLabelText(popup.label).c_str())) continue;
            menuOpen = true;
            for (const MenuItem& item : menuItems(popup.popup)) {
                if (item.flags & MF_SEPARATOR) {
                    ImGui::Separator();
                } else if (!(item.flags & MF_POPUP) &&
                           ImGui::MenuItem(menuLabelText(item.label).c_str(), nullptr, item.checked)) {
                    // Handled by a later pass of the main loop, never during this frame.
                    POSTGLMESSAGE(HWINDOW, WM_COMMAND, static_cast<std::int32_t>(item.id), 0);
                    menuAsked = false;
                }
            }
            ImGui::EndMenu();
        }
        ImGui::EndMainMenuBar();
    }
    if (panelDrawer) panelDrawer();
    ImGui::Render();
    menuHasMouse = ImGui::GetIO().WantCaptureMouse;
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
}

void setupImGui() {
    createImGuiContext();
    // The pointer is the program's: its own cursor, hidden while a game holds it.
    ImGui::GetIO().ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
    ImGui_ImplSDL2_InitForOpenGL(window, glContext);
    ImGui_ImplOpenGL2_Init();
    imguiReady = true;
}

void shutdownImGui() {
    if (!imguiReady) return;
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
    imguiReady = false;
}

// Like the window system, a button message carries whether Ctrl is held.
void postMouse(std::uint32_t message, int x, int y) {
    const std::int32_t keyFlags = (SDL_GetModState() & KMOD_CTRL) ? MK_CONTROL : 0;
    POSTGLMESSAGE(HWINDOW, message, keyFlags, MAKELPARAM(x, y));
}

void translateEvent(const SDL_Event& event) {
    // Presses and moves over the menu belong to the menu; releases always reach
    // the program so that no drag stays stuck.
    const bool mouseForMenu = menuHasMouse;
    switch (event.type) {
    case SDL_QUIT:
        POSTGLMESSAGE(HWINDOW, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) POSTGLMESSAGE(HWINDOW, WM_CLOSE, 0, 0);
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) POSTGLMESSAGE(HWINDOW, WM_PAINT, 0, 0);
        else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            POSTGLMESSAGE(HWINDOW, WM_SIZE, 0, MAKELPARAM(event.window.data1, event.window.data2));
        break;
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_LALT || event.key.keysym.sym == SDLK_RALT || event.key.keysym.sym == SDLK_F10)
            menuAsked = !menuAsked;
        [[fallthrough]];
    case SDL_KEYUP:
        if (const int key = virtualKeyFromSdl(event.key.keysym.scancode, event.key.keysym.sym))
            POSTGLMESSAGE(HWINDOW, event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, key, 0);
        break;
    case SDL_MOUSEMOTION:
        if (!mouseForMenu) postMouse(WM_MOUSEMOVE, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (mouseForMenu) break;
        if (static_cast<float>(event.button.y) > menuBarHeight) menuAsked = false;
        if (event.button.button == SDL_BUTTON_LEFT) postMouse(WM_LBUTTONDOWN, event.button.x, event.button.y);
        if (event.button.button == SDL_BUTTON_RIGHT) postMouse(WM_RBUTTONDOWN, event.button.x, event.button.y);
        if (event.button.button == SDL_BUTTON_MIDDLE) postMouse(WM_MBUTTONDOWN, event.button.x, event.button.y);
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) postMouse(WM_LBUTTONUP, event.button.x, event.button.y);
        if (event.button.button == SDL_BUTTON_RIGHT) postMouse(WM_RBUTTONUP, event.button.x, event.button.y);
        if (event.button.button == SDL_BUTTON_MIDDLE) postMouse(WM_MBUTTONUP, event.button.x, event.button.y);
        break;
    default:
        break;
    }
}

double secondsNow() {
    return static_cast<double>(SDL_GetPerformanceCounter()) / static_cast<double>(SDL_GetPerformanceFrequency());
}

// Swaps wait for the refresh where the driver allows; the pacer holds the loop
// to 60 passes a second on top of that, and alone where swaps do not wait (Xvfb).
void startPacing() {
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window);
    pacer = FramePacer(display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0);
    if (SDL_GL_SetSwapInterval(pacer.swapInterval()) != 0) SDL_GL_SetSwapInterval(1);
}

// The pointer is hidden while a first-person view parks it every frame and
// shown again as soon as a frame goes by without that.
void showPointerUnlessParked() {
    if (pointerHidden != parkedThisFrame) SDL_ShowCursor(parkedThisFrame ? SDL_DISABLE : SDL_ENABLE);
    pointerHidden = parkedThisFrame;
    parkedLastFrame = parkedThisFrame;
    parkedThisFrame = false;
}

void paceFrame() {
    const double wait = pacer.waitAfterSwap(secondsNow());
    if (wait >= 0.001) SDL_Delay(static_cast<Uint32>(wait * 1000.0));
}

}  // namespace

bool registerWindowClass(int cursorKind, const char* cursorFile, int iconKind, const char* iconFile) {
    ensureVideo();
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    cursor = cursorKind == FILECURSOR ? fileCursor(cursorFile) : systemCursor(cursorKind);
    if (iconKind == FILEICON && iconFile && *iconFile) icon = IMG_Load(iconFile);
    // GENERIC keeps the desktop's own application icon; other kinds have none.
    return true;
}

bool createWindow(const char* title, int width, int height, bool fullscreen) {
    ensureVideo();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
    if (!window) return false;
    if (cursor) SDL_SetCursor(cursor);
    if (icon) SDL_SetWindowIcon(window, icon);
    return true;
}

bool createGLContext(int) {
    if (!window) return false;
    glContext = SDL_GL_CreateContext(window);
    if (!glContext) return false;
    SDL_GL_MakeCurrent(window, glContext);
    startPacing();
    KEEPRENDERERMEMORY();
    setupImGui();
    return true;
}

void releaseGLContext() {
    shutdownImGui();
    if (!glContext) return;
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(glContext);
    glContext = nullptr;
}

void destroyWindow() {
    if (!window) return;
    SDL_DestroyWindow(window);
    window = nullptr;
}

void swapBuffers() {
    if (!window) return;
    drawMenuBar();
    SDL_GL_SwapWindow(window);
    showPointerUnlessParked();
    paceFrame();
}

// The drawable keeps its WIDTH x HEIGHT: the requested outer size belongs to a
// framed window, and the viewport and all projections use the client area.
void setWindowPosition(int x, int y, int, int) {
    if (!window) return;
    SDL_SetWindowPosition(window, x, y);
    SDL_RaiseWindow(window);
}

void setFullscreen(bool fullscreen) {
    if (window) SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

int screenWidth() {
    ensureVideo();
    SDL_DisplayMode mode;
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 800;
}

int screenHeight() {
    ensureVideo();
    SDL_DisplayMode mode;
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 600;
}

void pumpNativeEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (imguiReady) ImGui_ImplSDL2_ProcessEvent(&event);
        translateEvent(event);
    }
}

void captureMouse() { SDL_CaptureMouse(SDL_TRUE); }
void releaseMouseCapture() { SDL_CaptureMouse(SDL_FALSE); }

bool windowInForeground() {
    const bool focused = window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    return focused && !menuAsked && !menuOpen && !menuHasMouse;
}

bool parkedPointer(int& x, int& y) {
    SDL_GetMouseState(&x, &y);
    return parkedLastFrame;
}

void parkPointer(int x, int y) {
    if (!window) return;
    SDL_WarpMouseInWindow(window, x, y);
    parkedThisFrame = true;
}

void showMessageBox(const char* text, const char* caption, MessageBoxIcon kind, bool owned) {
    // Lines of the program's texts are joined with carriage returns.
    std::string lines = text ? text : "";
    for (char& c : lines)
        if (c == '\r') c = '\n';
    const Uint32 flags = kind == MessageBoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    // SDL's X11 box comes from a child process, which now and then fails to
    // show it without a reason it reports (seen in the end-to-end tests): a
    // second try costs little.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (SDL_ShowSimpleMessageBox(flags, caption, lines.c_str(), owned ? window : nullptr) == 0) return;
    }
    // No box (no X fonts, no display): the user still learns what it said, and why it is missing.
    std::fprintf(stderr, "[%s] %s\n(no message box: %s)\n", caption ? caption : "", lines.c_str(), SDL_GetError());
}

// Milliseconds since the machine started, like the system tick count.
std::uint32_t tickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::string programDirectory() {
    char* path = SDL_GetBasePath();
    const std::string directory = path ? path : "";
    SDL_free(path);
    return directory;
}

}  // namespace platform
