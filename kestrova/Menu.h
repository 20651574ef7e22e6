#pragma once
// Menus kept by the toolkit the way the window system kept them: a bar of
// pop-ups holding string items with command ids and check marks. The window
// backend draws the bar attached to the window and posts a command message
// (273, id as word parameter) when an item is clicked.
#include "kestrova/WinTypes.h"

#include <string>
#include <vector>

constexpr std::uint32_t MF_STRING = 0x0;
constexpr std::uint32_t MF_UNCHECKED = 0x0;
constexpr std::uint32_t MF_CHECKED = 0x8;
constexpr std::uint32_t MF_POPUP = 0x10;
constexpr std::uint32_t MF_SEPARATOR = 0x800;

struct MenuItem {
    std::uint32_t flags = MF_STRING;
    std::uint32_t id = 0;   // command id of a string item
    HMENU popup = 0;        // the pop-up of an MF_POPUP item
    std::string label;      // as given, "&" marks included
    bool checked = false;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
// For MF_POPUP, idNewItem is the pop-up's handle; otherwise the command id.
bool AppendMenuA(HMENU menu, std::uint32_t flags, std::uintptr_t idNewItem, const char* label);
bool SetMenu(HWND window, HMENU menu);
// Sets the check mark of the item with command id `id` anywhere below `menu`;
// returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 when no item has that id.
std::int32_t CheckMenuItem(HMENU menu, std::uint32_t id, std::uint32_t check);

// The bar attached to the window (0 = none), and the items of a menu.
HMENU attachedMenuBar();
const std::vector<MenuItem>& menuItems(HMENU menu);
// A label as shown: "&" marks dropped ("&&" shows one "&").
std::string menuLabelText(const std::string& label);
