// What the preference pages share: their controls placed in pixels from a
// table, the settings fields shown and read back by their encodings, the
// bitmap faces of their OK and Cancel buttons, and the way a page starts
// and ends.
#pragma once

#include "core/settings.h"
#include "editors/editor_controls.h"
#include "platform/ce.h"

#include <span>

// How a control shows its settings field.
enum class FieldEncoding {
    None,              // a label or group: only placed
    DropIndex,         // drop list: the field is the selected index
    DropIndexPlusOne,  // drop list: the field is the selected index + 1
    Check,             // check box: 1 checked, 0 not
    CheckTwo,          // check box: 2 checked, 1 not
    WeatherRegion,     // drop list: the field is 100 x the index + 1
};

struct PageControl {
    int id;
    int x, y, width, height;
    FieldEncoding encoding = FieldEncoding::None;
    int32_t DiarySettings::*field = nullptr;
    std::span<const wchar_t* const> items = {};  // a drop list's items, in order
};

// Moves every control of the table to its place, none over another; a drop
// list keeps the height of its place.
void PlacePageControls(HWND page, std::span<const PageControl> controls);
// Fills the drop lists and selects and checks from Settings. A value that
// names no item selects none. A list whose items are wider than its field
// shows them in a smaller face.
void ShowPageFields(HWND page, std::span<const PageControl> controls);
// Reads the controls back into Settings; a drop list with no item selected
// leaves its field as it was.
void ReadPageFields(HWND page, std::span<const PageControl> controls);

// A page's creation: its index becomes the sheet's start page and its
// window is remembered for the apply.
void RegisterSettingsPage(HWND page, int index);
// The shell's dialog initialisation with the flags, at the end of creation.
void InitPageForShell(HWND page, DWORD flags);
// Every page handle forgotten: the sheet is closing.
void ClearSettingsPageWindows();

// The page's OK: applies the open pages, ends the page (and so the sheet)
// with okId and forgets the pages.
void ConfirmSettingsPage(HWND page, int okId);
// The sheet's apply notice becomes the page's own OK command; true when the
// notice was that one (the page's procedure then answers TRUE).
bool TurnApplyIntoOk(HWND page, const NMHDR& notice, int okId);

// Draws the OK or Cancel face (bitmaps 122 and 123) stretched over the item
// when it is one of the two ids; false for another item.
bool DrawOkCancelFace(const DRAWITEMSTRUCT& item, int okId, int cancelId);

// A page made from its control table: its index, its controls, the
// shell's flags, and what it does beyond the table (either may be null).
struct TablePage {
    int index;
    std::span<const PageControl> controls;
    DWORD shellFlags;
    void (*afterShow)(HWND page);
    void (*command)(HWND page, int id);
};
// The procedure of such a page: creation, its OK and Cancel (1093, 1094),
// the sheet's apply and the two faces.
INT_PTR TablePageProc(const TablePage& table, HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

