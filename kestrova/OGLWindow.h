#pragma once
// The one OpenGL window, its message pump and window procedure.
#include "kestrova/WinTypes.h"

#include <cstdint>

// Cursor kinds.
constexpr int ARROW = 1;
constexpr int IBEAM = 2;
constexpr int WAIT = 3;
constexpr int CROSS = 4;
constexpr int UPARROW = 5;
constexpr int SIZE = 6;
constexpr int FILECURSOR = 7;
constexpr int SIZENWSE = 8;
constexpr int SIZENESW = 9;
constexpr int SIZEWE = 10;
constexpr int SIZENS = 11;
constexpr int SIZEALL = 12;
constexpr int NOCURSOR = 13;
constexpr int HAND = 14;
constexpr int APPSTARTING = 15;
constexpr int HELP = 16;
// Icon kinds.
constexpr int GENERIC = 1;
constexpr int FILEICON = 2;

using GLWNDPROCTYPE = std::int32_t (*)(HWND, std::uint32_t, std::int32_t, std::int32_t);

extern HWND HWINDOW;
extern HDC DCWINDOW;
extern HGLRC RCWINDOW;
extern std::int32_t WIDTH, HEIGHT;  // window size; the viewport and projections use these
extern std::int32_t BITS;
extern bool FULLSCREEN;
extern bool ACTIVE;  // running flag of the main loop
extern std::int32_t SETTYPECURSOR, SETTYPEICON;
extern const char* CURSORFILE;
extern const char* ICONFILE;
extern std::uint32_t PIXEL_FORMAT_FLAGS;
extern HMENU MENU[31];
extern HMENU SUBMENU[31];
extern bool SHOWMENUBAR;
extern void (*CREATEMENUBAR)();
extern void (*CREATEMOUSEMENU)();
extern GLWNDPROCTYPE GETINPUTCOMMAND;
extern MSG_ MSG;

void OGLWINDOWSETTING(std::int32_t typecursor, const char* curfile, std::int32_t typeicon, const char* icofile);
void ENABLEMENUBAR();
bool CREATEOGLWINDOW(const char* appname, std::int32_t appwidth, std::int32_t appheight, std::int32_t appbits,
                     bool appfullscreen);
bool WINDOWREGISTER();
HWND WINDOWCREATE(const char* pcapplicationname);
bool WINDOWINIT(HWND hparent);
void POSITIONWINDOW(std::int32_t x, std::int32_t y);
void SETGLMSG();
void CHECKMENUCMD(HMENU hmenu, std::uint32_t uidcheckitem, std::uint32_t uflagon, std::uint32_t uflagoff, bool onoff);
void DELETEOGLWINDOW();
[[noreturn]] void THROWERROR(const char* pcerrormessage);
std::int32_t GLWNDPROC(HWND window, std::uint32_t amessage, std::int32_t wparam, std::int32_t lparam);
// Default processing: a close request destroys the window.
std::int32_t DEFWINDOWPROC(HWND window, std::uint32_t amessage, std::int32_t wparam, std::int32_t lparam);
// The window's modal information box (owned by the window).
void SHOWINFOBOX(const char* text, const char* caption);
