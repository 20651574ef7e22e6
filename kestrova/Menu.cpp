#include "kestrova/Menu.h"

#include <deque>

namespace {

// Handles are 1-based indices; menus live as long as the program.
std::deque<std::vector<MenuItem>> menus;
HMENU menuBar = 0;

std::vector<MenuItem>* find(HMENU menu) {
    if (menu == 0 || menu > menus.size()) return nullptr;
    return &menus[menu - 1];
}

MenuItem* findItem(HMENU menu, std::uint32_t id, int depth = 0) {
    auto* items = find(menu);
    if (!items || depth > 8) return nullptr;
    for (auto& item : *items) {
        if (item.flags & MF_POPUP) {
            if (auto* inner = findItem(item.popup, id, depth + 1)) return inner;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

HMENU CreateMenu() {
    menus.emplace_back();
    return menus.size();
}

HMENU CreatePopupMenu() { return CreateMenu(); }

bool AppendMenuA(HMENU menu, std::uint32_t flags, std::uintptr_t idNewItem, const char* label) {
    auto* items = find(menu);
    if (!items) return false;
    MenuItem item;
    item.flags = flags;
    item.checked = (flags & MF_CHECKED) != 0;
    if (flags & MF_POPUP) {
        if (!find(idNewItem) || idNewItem == menu) return false;
        item.popup = idNewItem;
    } else {
        item.id = static_cast<std::uint32_t>(idNewItem);
    }
    item.label = label ? label : "";
    items->push_back(std::move(item));
    return true;
}

bool SetMenu(HWND window, HMENU menu) {
    if (window == 0 || (menu != 0 && !find(menu))) return false;
    menuBar = menu;
    return true;
}

std::int32_t CheckMenuItem(HMENU menu, std::uint32_t id, std::uint32_t check) {
    MenuItem* item = findItem(menu, id);
    if (!item) return -1;
    const std::int32_t previous = item->checked ? static_cast<std::int32_t>(MF_CHECKED) : 0;
    item->checked = (check & MF_CHECKED) != 0;
    return previous;
}

HMENU attachedMenuBar() { return menuBar; }

const std::vector<MenuItem>& menuItems(HMENU menu) {
    static const std::vector<MenuItem> none;
    const auto* items = find(menu);
    return items ? *items : none;
}

std::string menuLabelText(const std::string& label) {
    std::string shown;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') shown += '&', ++i;
            continue;
        }
        shown += label[i];
    }
    return shown;
}
