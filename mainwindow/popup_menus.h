// The pop-up menus of the main window's lists and of the card's task
// headings. Each loads its menu, takes the first submenu, grays and checks
// items from the selection and view state, tracks it left and top aligned at
// the point (screen coordinates) with the main window receiving the chosen
// command, and destroys the menu again.
#pragma once

#include "platform/ce.h"

// The contact lists: ContactView's, and those of the keypad search, company
// and group views (whose menu also checks the view shown).
void ShowContactListMenu(HWND owner, POINT at);
void ShowContactSubViewMenu(HWND owner, POINT at);
// The lists of the contact card's panels.
void ShowContactCardMenu(HWND owner, POINT at);
// The linked contact of a schedule, task or memo detail.
void ShowLinkedContactMenu(HWND owner, POINT at);
void ShowScheduleMenu(HWND owner, POINT at);
void ShowTaskMenu(HWND owner, POINT at);
void ShowMemoMenu(HWND owner, POINT at);
void ShowAnniversaryMenu(HWND owner, POINT at);
// The card's task filter and sort headings, at their fixed points; the
// item their heading names is checked.
void ShowTaskFilterMenu(HWND owner);
void ShowTaskSortMenu(HWND owner);

// Where the two heading menus are shown.
constexpr POINT kTaskFilterMenuPoint = {85, 176};
constexpr POINT kTaskSortMenuPoint = {153, 176};
