#include "kestrova/Input.h"

#include "kestrova/WinTypes.h"
#include "kestrova/Platform.h"

#include <GL/gl.h>

std::int32_t SETKEY[501] = {};
bool LEFTMOUSEDOWN = false, LEFTMOUSEDOWN2 = false;
bool RIGHTMOUSEDOWN = false, RIGHTMOUSEDOWN2 = false;
bool GRABMOUSEDOWN = false;
std::int32_t XCOORD = 0, YCOORD = 0, ZCOORD = 0;
std::int32_t SETMX = 0, SETMY = 0;
std::int32_t SETOMX = 0, SETOMY = 0;
float XROT = 0, YROT = 0, DEPTH = 0;
std::int32_t MSPEED = 0;

namespace {
constexpr std::int32_t KEY_DOWN = -1;  // all bits set, like a Windows BOOL true from the key table
constexpr std::int32_t KEY_UP = 0;

bool inKeyTable(std::int32_t key) { return key >= 0 && key <= 500; }

bool leftGrabs = false;  // the left button went down with Ctrl: its release ends the grab

void grabButtonDown(std::int32_t lparam) {
    platform::releaseMouseCapture();
    platform::captureMouse();
    GRABMOUSEDOWN = true;
    SETOMX = LOWORD(lparam);
    SETOMY = HIWORD(lparam);
}

void grabButtonUp() {
    platform::releaseMouseCapture();
    GRABMOUSEDOWN = false;
    leftGrabs = false;
}
}  // namespace

bool SETGLKEY(std::int32_t key) { return inKeyTable(key) && SETKEY[key] != KEY_UP; }

// No case conversion: 'a' (97) is the key whose virtual-key code is 97.
bool SETGLKEY(char key) { return SETGLKEY(static_cast<std::int32_t>(static_cast<unsigned char>(key))); }

void KEYDOWNUPDATE(std::int32_t key) {
    if (inKeyTable(key)) SETKEY[key] = KEY_DOWN;
}

void KEYUPUPDATE(std::int32_t key) {
    if (inKeyTable(key)) SETKEY[key] = KEY_UP;
}

void MOUSEMOVEUPDATE(std::int32_t lparam) {
    const int x = LOWORD(lparam);
    const int y = HIWORD(lparam);
    SETOMX = x;
    SETOMY = y;
    if (LEFTMOUSEDOWN) {
        XROT += static_cast<float>(y - YCOORD) / 2.0f * static_cast<float>(MSPEED);
        YROT += static_cast<float>(x - XCOORD) / 2.0f * static_cast<float>(MSPEED);
        XCOORD = x;
        YCOORD = y;
    }
    if (RIGHTMOUSEDOWN) {
        DEPTH -= static_cast<float>(y - ZCOORD) / 10.0f * static_cast<float>(MSPEED);
        ZCOORD = y;
    }
}

void LEFTBUTTONDOWNUPDATE(std::int32_t lparam, std::int32_t keyFlags) {
    if (keyFlags & MK_CONTROL) {
        leftGrabs = true;
        grabButtonDown(lparam);
        return;
    }
    platform::releaseMouseCapture();
    platform::captureMouse();
    LEFTMOUSEDOWN = true;
    LEFTMOUSEDOWN2 = true;
    XCOORD = SETMX = LOWORD(lparam);
    YCOORD = SETMY = HIWORD(lparam);
}

void LEFTBUTTONUPUPDATE() {
    if (leftGrabs) {
        grabButtonUp();
        return;
    }
    platform::releaseMouseCapture();
    LEFTMOUSEDOWN = false;
    LEFTMOUSEDOWN2 = false;
    XCOORD = YCOORD = SETMX = SETMY = 0;
}

void RIGHTBUTTONDOWNUPDATE(std::int32_t lparam) {
    platform::releaseMouseCapture();
    platform::captureMouse();
    RIGHTMOUSEDOWN = true;
    RIGHTMOUSEDOWN2 = true;
    ZCOORD = HIWORD(lparam);
}

void RIGHTBUTTONUPUPDATE() {
    platform::releaseMouseCapture();
    RIGHTMOUSEDOWN = false;
    RIGHTMOUSEDOWN2 = false;
}

void MIDDLEBUTTONDOWNUPDATE(std::int32_t lparam) {
    leftGrabs = false;
    grabButtonDown(lparam);
}

void MIDDLEBUTTONUPUPDATE() {
    if (!leftGrabs) grabButtonUp();
}

void SETGLMOUSEMOVE(std::int32_t xyz, std::int32_t speed) {
    MSPEED = speed;
    switch (xyz) {
    case GL_M0:
        glTranslatef(0, 0, -DEPTH);
        glRotatef(XROT, 1, 0, 0);
        glRotatef(YROT, 0, 1, 0);
        break;
    case GL_MX:
        glTranslatef(0, -DEPTH, 0);
        glRotatef(XROT, 1, 0, 0);
        glRotatef(YROT, 0, 0, 1);
        break;
    case GL_MY:
        glTranslatef(-DEPTH, 0, 0);
        glRotatef(XROT, 0, 0, -1);
        glRotatef(YROT, 0, 1, 0);
        break;
    case GL_MZ:
        glTranslatef(0, 0, -DEPTH);
        glRotatef(XROT, 0, 1, 0);
        glRotatef(YROT, 1, 0, 0);
        break;
    default:
        break;
    }
}

std::int32_t GLWAIT(float ms) {
    const std::uint32_t start = platform::tickCount();
    float elapsed = 0;
    while (elapsed < ms) elapsed = static_cast<float>(platform::tickCount() - start);
    return 1;
}
