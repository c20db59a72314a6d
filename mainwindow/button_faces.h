// The faces of the main window's owner-drawn buttons: every face is a
// bitmap chosen from the program state at each paint, so that the current
// view's tab and the chosen sort, mode and index tab look pressed; and the
// groups of buttons repainted when the state they show changes.
#pragma once

#include "platform/ce.h"

// The main window's WM_DRAWITEM: the tab buttons, then the painter of the
// current view, then a task row when the item is one.
void OnMainDrawItem(const DRAWITEMSTRUCT& item);

// Each painter draws the item when it knows its button and returns whether
// it did.
bool DrawTabButtons(const DRAWITEMSTRUCT& item);
bool DrawContactViewButtons(const DRAWITEMSTRUCT& item);
bool DrawSearchViewButtons(const DRAWITEMSTRUCT& item);
bool DrawCompanyViewButtons(const DRAWITEMSTRUCT& item);
bool DrawGroupViewButtons(const DRAWITEMSTRUCT& item);
bool DrawScheduleViewButtons(const DRAWITEMSTRUCT& item);
bool DrawAnniversaryViewButtons(const DRAWITEMSTRUCT& item);
bool DrawTaskViewButtons(const DRAWITEMSTRUCT& item);
bool DrawMemoViewButtons(const DRAWITEMSTRUCT& item);

// Full repaints with erase: the eight view tabs; the card's three panel
// tabs; the sixteen index-bar tabs.
void InvalidateViewTabs();
void InvalidatePanelTabs();
void InvalidateIndexBar();
