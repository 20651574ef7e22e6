#pragma once
// The Win32 vocabulary the toolkit keeps: handles, message records and numbers.
#include <cstdint>

using HWND = std::uintptr_t;   // 0 = none; the toolkit has one window
using HDC = std::uintptr_t;
using HGLRC = std::uintptr_t;
using HMENU = std::uintptr_t;  // 0 = none; see Menu.h

struct POINT_ {
    std::int32_t x = 0, y = 0;
};

struct MSG_ {
    HWND hwnd = 0;
    std::uint32_t message = 0;
    std::int32_t wParam = 0;
    std::int32_t lParam = 0;
    std::uint32_t time = 0;
    POINT_ pt;
};

constexpr std::uint32_t WM_CREATE = 1;
constexpr std::uint32_t WM_DESTROY = 2;
constexpr std::uint32_t WM_SIZE = 5;
constexpr std::uint32_t WM_PAINT = 15;
constexpr std::uint32_t WM_CLOSE = 16;
constexpr std::uint32_t WM_QUIT = 18;
constexpr std::uint32_t WM_CONTEXTMENU = 123;
constexpr std::uint32_t WM_KEYDOWN = 256;
constexpr std::uint32_t WM_KEYUP = 257;
constexpr std::uint32_t WM_CHAR = 258;
constexpr std::uint32_t WM_COMMAND = 273;
constexpr std::uint32_t WM_MOUSEMOVE = 512;
constexpr std::uint32_t WM_LBUTTONDOWN = 513;
constexpr std::uint32_t WM_LBUTTONUP = 514;
constexpr std::uint32_t WM_RBUTTONDOWN = 516;
constexpr std::uint32_t WM_RBUTTONUP = 517;
constexpr std::uint32_t WM_MBUTTONDOWN = 519;
constexpr std::uint32_t WM_MBUTTONUP = 520;

// Key flags in the word parameter of a mouse button message.
constexpr std::int32_t MK_CONTROL = 0x0008;

// Mouse positions travel in the long parameter: x in the low 16 bits, y in the high.
constexpr std::int32_t MAKELPARAM(int x, int y) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                     static_cast<std::uint32_t>(x & 0xFFFF));
}
constexpr int LOWORD(std::int32_t l) { return static_cast<int>(static_cast<std::uint32_t>(l) & 0xFFFF); }
constexpr int HIWORD(std::int32_t l) { return static_cast<int>((static_cast<std::uint32_t>(l) >> 16) & 0xFFFF); }

// Windows virtual-key codes that are not plain letters or digits.
constexpr int VK_SPACE = 32;
constexpr int VK_ESCAPE = 27;
constexpr int VK_RETURN = 13;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F11 = 0x7A;
constexpr int VK_F12 = 0x7B;
constexpr int VK_LSHIFT = 160;
constexpr int VK_RSHIFT = 161;
