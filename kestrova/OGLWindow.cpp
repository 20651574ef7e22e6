#include "kestrova/OGLWindow.h"

#include "kestrova/Input.h"
#include "kestrova/Menu.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/Platform.h"
#include "kestrova/WindowSize.h"

#include <cstdlib>

HWND HWINDOW = 0;
HDC DCWINDOW = 0;
HGLRC RCWINDOW = 0;
std::int32_t WIDTH = 0, HEIGHT = 0;
std::int32_t BITS = 0;
bool FULLSCREEN = false;
bool ACTIVE = false;
std::int32_t SETTYPECURSOR = 0, SETTYPEICON = 0;
const char* CURSORFILE = nullptr;
const char* ICONFILE = nullptr;
std::uint32_t PIXEL_FORMAT_FLAGS = 0;
HMENU MENU[31] = {};
HMENU SUBMENU[31] = {};
bool SHOWMENUBAR = false;
void (*CREATEMENUBAR)() = nullptr;
void (*CREATEMOUSEMENU)() = nullptr;
GLWNDPROCTYPE GETINPUTCOMMAND = nullptr;
MSG_ MSG;

namespace {
constexpr HWND kTheWindow = 1;
constexpr HDC kTheDeviceContext = 1;
constexpr HGLRC kTheContext = 1;

// Key-down messages also produce a character message, as the window system's
// translation step does; nothing in the toolkit handles it.
void translateMessage(const MSG_& msg) {
    if (msg.message != WM_KEYDOWN) return;
    const int key = msg.wParam;
    int character = 0;
    if (key >= 'A' && key <= 'Z') character = key - 'A' + 'a';
    else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_ESCAPE) character = key;
    if (character) POSTGLMESSAGE(msg.hwnd, WM_CHAR, character, msg.lParam);
}
}  // namespace

void OGLWINDOWSETTING(std::int32_t typecursor, const char* curfile, std::int32_t typeicon, const char* icofile) {
    SETTYPECURSOR = typecursor;
    CURSORFILE = curfile;
    SETTYPEICON = typeicon;
    ICONFILE = icofile;
}

void ENABLEMENUBAR() { SHOWMENUBAR = true; }

bool CREATEOGLWINDOW(const char* appname, std::int32_t appwidth, std::int32_t appheight, std::int32_t appbits,
                     bool appfullscreen) {
    WIDTH = appwidth;
    HEIGHT = appheight;
    BITS = appbits;
    FULLSCREEN = appfullscreen;
    if (!WINDOWREGISTER()) THROWERROR("Errore di registro per la rispettiva applicazione!");
    HWINDOW = WINDOWCREATE(appname);
    if (SHOWMENUBAR && CREATEMENUBAR) CREATEMENUBAR();
    if (HWINDOW == 0) THROWERROR("Impossibile creare la finestra per la rispettiva applicazione!");
    if (!WINDOWINIT(HWINDOW)) THROWERROR("la rispettiva applicazione non è stata inizilizata!");
    return true;
}

bool WINDOWREGISTER() { return platform::registerWindowClass(SETTYPECURSOR, CURSORFILE, SETTYPEICON, ICONFILE); }

HWND WINDOWCREATE(const char* pcapplicationname) {
    if (FULLSCREEN) {
        WIDTH = platform::screenWidth();
        HEIGHT = platform::screenHeight();
    }
    if (!platform::createWindow(pcapplicationname, WIDTH, HEIGHT, FULLSCREEN)) return 0;
    // The create message arrives while the window is being made.
    GLWNDPROC(kTheWindow, WM_CREATE, 0, 0);
    return kTheWindow;
}

bool WINDOWINIT(HWND) {
    DCWINDOW = kTheDeviceContext;
    const bool made = platform::createGLContext(BITS);
    RCWINDOW = made ? kTheContext : 0;
    return made;
}

// The outer size loses WIDTH div HEIGHT and HEIGHT div WIDTH pixels (799 x 600 for 800 x 600).
void POSITIONWINDOW(std::int32_t x, std::int32_t y) {
    platform::setWindowPosition(x, y, WIDTH - WIDTH / HEIGHT, HEIGHT - HEIGHT / WIDTH);
}

void SETGLMSG() {
    platform::pumpNativeEvents();
    if (!GETGLMESSAGE(MSG)) return;
    translateMessage(MSG);
    GLWNDPROC(MSG.hwnd, MSG.message, MSG.wParam, MSG.lParam);
}

void CHECKMENUCMD(HMENU hmenu, std::uint32_t uidcheckitem, std::uint32_t uflagon, std::uint32_t uflagoff, bool onoff) {
    CheckMenuItem(hmenu, uidcheckitem, onoff ? uflagon : uflagoff);
}

void DELETEOGLWINDOW() {
    platform::releaseGLContext();
    RCWINDOW = 0;
    DCWINDOW = 0;
    platform::destroyWindow();
    HWINDOW = 0;
}

void THROWERROR(const char* pcerrormessage) {
    platform::showMessageBox(pcerrormessage, "Error", platform::MessageBoxIcon::Error, false);
    std::exit(0);
}

void SHOWINFOBOX(const char* text, const char* caption) {
    platform::showMessageBox(text, caption, platform::MessageBoxIcon::Information, true);
}

std::int32_t DEFWINDOWPROC(HWND window, std::uint32_t amessage, std::int32_t, std::int32_t) {
    if (amessage == WM_CLOSE) {
        platform::destroyWindow();
        GLWNDPROC(window, WM_DESTROY, 0, 0);
    }
    return 0;
}

std::int32_t GLWNDPROC(HWND window, std::uint32_t amessage, std::int32_t wparam, std::int32_t lparam) {
    switch (amessage) {
    case WM_CREATE:
        ACTIVE = true;
        return 0;
    case WM_DESTROY:
        ACTIVE = false;
        POSTGLMESSAGE(0, WM_QUIT, 0, 0);
        return 0;
    case WM_SIZE:
        WINDOWRESIZED(lparam);
        return 0;
    case WM_PAINT:
        return 0;  // nothing is drawn here; the main loop redraws every pass
    case WM_CONTEXTMENU:
        if (SHOWMENUBAR && CREATEMOUSEMENU) CREATEMOUSEMENU();
        break;
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) return GLWNDPROC(HWINDOW, WM_DESTROY, 0, 0);
        if (wparam == VK_F11 && !SETGLKEY(VK_F11)) SWITCHFULLSCREEN();  // once per press, not on auto-repeat
        KEYDOWNUPDATE(wparam);
        break;
    case WM_KEYUP:
        KEYUPUPDATE(wparam);
        break;
    case WM_COMMAND:
        if (SHOWMENUBAR && GETINPUTCOMMAND) return GETINPUTCOMMAND(window, amessage, wparam, lparam);
        return 0;
    case WM_MOUSEMOVE:
        MOUSEMOVEUPDATE(lparam);
        break;
    case WM_LBUTTONDOWN:
        LEFTBUTTONDOWNUPDATE(lparam, wparam);
        break;
    case WM_LBUTTONUP:
        LEFTBUTTONUPUPDATE();
        break;
    case WM_RBUTTONDOWN:
        RIGHTBUTTONDOWNUPDATE(lparam);
        break;
    case WM_RBUTTONUP:
        RIGHTBUTTONUPUPDATE();
        break;
    case WM_MBUTTONDOWN:
        MIDDLEBUTTONDOWNUPDATE(lparam);
        break;
    case WM_MBUTTONUP:
        MIDDLEBUTTONUPUPDATE();
        break;
    default:
        break;
    }
    return DEFWINDOWPROC(window, amessage, wparam, lparam);
}
