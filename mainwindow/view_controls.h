// The controls of the eight views, the contact card and the detail panes:
// each made once at start-up, as a child of the main window, from a table
// row, and afterwards only shown, hidden, moved and filled.
#pragma once

#include "platform/ce.h"

enum class ControlKind { Button, Edit, Static, ComboBox, List, RichInk, MonthGrid };

// What a list view gets beside its report style: its own style bits, its
// columns (a width of 0 hides a column that only carries data) and images.
enum class ListImages { None, Pick, TaskSort, TaskRows };
struct ColumnDef {
    const wchar_t* heading;
    int width;
};
struct ListDef {
    DWORD style;       // LVS_OWNERDATA, LVS_OWNERDRAWFIXED, LVS_SHOWSELALWAYS
    bool mainList;     // full-row select and one-click activate
    ListImages images;
    const ColumnDef* columns;
    int columnCount;
};

struct ControlDef {
    HWND* handle;
    int id;  // 0: none
    ControlKind kind;
    int x, y, width, height;
    DWORD style;  // the kind's own style bits
    const wchar_t* text;
    const ListDef* list;  // list views only
};

// A family of seven like controls, member i at x + i * step.
struct ControlFamily {
    HWND* handles;
    int firstId;
    int x, step, y, width, height;
    DWORD style;
};

// Creates the control of the row and stores it in the row's handle (null
// when the platform refuses it); list views get their columns, styles and
// image lists before this returns.
HWND CreateViewControl(HWND parent, const ControlDef& def);
// Creates member i (0-6) of the family.
HWND CreateFamilyControl(HWND parent, const ControlFamily& family, int index);

// Creates every control of every view in the stacking order (the first made
// lies on top of the siblings it overlaps) and hides all but the view tabs,
// the index bar, the contact list with its column buttons and its frame.
void CreateAllViewControls(HWND parent);

// Gives every control of the views the font (the Rich Ink panes keep their
// own): the desktop's default control font is larger than the device's. The
// schedule detail's time line gets the face at the height that fits its
// widest text into its pane.
void SetViewControlsFont(HWND parent, HFONT font);

// The weekday headers' texts, by the week start in effect.
void SetWeekdayHeaderTexts();

// Show or hide; a null handle is left alone.
void ShowControl(HWND control, bool show);
