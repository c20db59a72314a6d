// The item's pop-up menus and their commands.
#pragma once

#include "today/state.h"

// The menus the zones pop up.
enum class ItemMenu {
    Span,          // schedule view's title
    TaskFilter,    // task view's title
    TaskSort,      // task view's sort text
    MemoFilter,    // memo view's title, grouped by date
    MemoGroups,    // memo view's title, grouped by category or folder (made at run time)
    MemoGrouping,  // memo view's grouping text (menu 135, or 141 for Notes files)
    Months,        // month view's title
    ModeSchedule,  // the mode icon of the view shown
    ModeTasks,
    ModeMemos,
    ModeMonth,
};

// The menu as it pops up: loaded (or built), with the current choice
// checked. The caller destroys it.
HMENU PrepareItemMenu(ItemMenu which);
// Pops the menu up at the zone (see PopupMenuPoint); the choice arrives as
// WM_COMMAND.
void PopItemMenu(ItemMenu which, const RECT& zone);
// Where a menu of the zone pops up, in screen coordinates: at the zone's
// left edge, below the title bar when the item's top is in the upper half
// of the screen, else 170 pixels above the item's top but not above y 26.
POINT PopupMenuPoint(const RECT& zone);

// Runs a menu command; false for a command the item does not know.
bool OnItemCommand(UINT command);
