// The lists of the main window whose notifications it handles, each with
// what differs between them: how a changed row is taken, its popup menu, its
// key table and neighbours, its click.
#pragma once

#include "mainwindow/list_keys.h"

#include <commctrl.h>

enum class ListPopup {
    None,
    ContactList,
    ContactSubView,
    ContactCard,
    Schedule,
    Task,
    Memo,
    Anniversary,
};

// The detail layout a list's view can show, by its slot of DetailMode.
constexpr int kNoDetail = -1;

// Left and Right: the neighbouring view, or the contact sub-view's tab.
constexpr UINT kContactSubViewTab = 1;

// A pick list that a governed list's keys step.
struct PickStepper {
    HWND* pickList;
    int* row;
    int* count;
    void (*refill)();  // refills the governed list
};

struct MainListDef {
    HWND* handle;
    void (*rowChanged)(HWND list, int row);
    ListPopup popup;
    KeyTable keys;
    UINT left;
    UINT right;
    const PickStepper* stepper;
    int detail;           // DetailMode slot whose 'V' is the list's detail layout
    int* selection;       // its remembered row (Up and Down in a detail layout)
    int* rowCount;
    void (*preview)();    // shown after Up and Down in a detail layout
    void (*click)(HWND list, POINT at);
};

// The def of the list that sent a notification; null for any other window.
const MainListDef* FindMainList(HWND window);

// Whether the list's view shows its detail layout.
bool InDetailLayout(const MainListDef& def);
