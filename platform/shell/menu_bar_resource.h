// The reader of the menu-bar resource form (see menu_bar.h).
#pragma once

#include <windows.h>

namespace shell {

constexpr int kMaxMenuBarButtons = 8;
constexpr WORD kNoPopup = 0xFFFF;

struct MenuBarButton {
    short image;
    WORD command;
    BYTE state;
    BYTE style;
    WORD caption;
    WORD popup;
};

struct MenuBarLayout {
    WORD menuId;
    int count;
    MenuBarButton buttons[kMaxMenuBarButtons];
};

// Reads the layout from the resource's bytes; false when they are short,
// hold too many buttons, or a state or style does not fit its byte.
bool ReadMenuBarLayout(const BYTE* bytes, size_t size, MenuBarLayout* layout);

// Finds the RCDATA resource and reads it.
bool LoadMenuBarLayout(HINSTANCE module, UINT id, MenuBarLayout* layout);

}  // namespace shell
