// Measures an open dialog as the screen shows it: each visible control's
// rectangle against the screen and the menu bar, against the other visible
// controls, and its text (in its own font) against its client width.
#pragma once

#include "platform/ce.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace layout {

// One visible control of the dialog, in screen pixels.
struct ControlBox {
    int id;
    std::wstring cls;
    RECT rect;
};

struct Rules {
    // The lowest pixel a control may reach: 320, or 294 above a menu bar.
    int bottom = 320;
    int right = 240;
    // Controls whose place (and so text room) is given in pixels by the
    // system's own layout: inside the screen, but their texts not measured.
    std::set<int> placeGiven;
    // Pairs of controls laid over each other on purpose, in either order.
    std::set<std::pair<int, int>> stacked;
    // Controls not looked at (decoration that lies under the others).
    std::set<int> ignored;
};

// The dialog's visible direct children (a sheet page's too, when the
// dialog is a sheet), with a group box's contents allowed inside it.
std::vector<ControlBox> VisibleControls(HWND dialog);

// Every breach of the rules, one readable line each; empty when it fits.
// `name` starts each line.
std::vector<std::wstring> Breaches(HWND dialog, const std::wstring& name, const Rules& rules);

// A breach as the test's output prints it.
std::string Utf8(const std::wstring& text);

// The visible control a box was read from (ids repeat across a sheet's
// pages, so by id and place).
HWND ControlOf(HWND dialog, const ControlBox& box);

// How wide a text is in the control's font (the widest line of it).
int TextWidth(HWND control, const std::wstring& text);

}  // namespace layout
