// The owner-drawn rows of the task view's list and of the contact card's
// task panel: a check box, the importance mark, the linked contact with the
// subject, and the due date.
#pragma once

#include "lists/task_rows.h"

#include <commctrl.h>

// Rows of both task lists are this high; the check-box hit test counts on it.
constexpr int kTaskRowHeight = 15;

// Paints row item.itemID of the table into the item's rectangle; images is
// the strip of marks (0 high, 1 low importance, 2 open, 3 ticked box) and
// the texts are clipped to clipWindow's client area. An item beyond the
// table is left unpainted.
void PaintTaskRow(const DRAWITEMSTRUCT& item, const TaskRowTable& table, HIMAGELIST images, HWND clipWindow);

// "(%s)%s" of the linked contact and the subject, or the subject alone.
std::wstring TaskRowTitle(const TaskListRow& row);
// A title of 11 characters or more is cut after the first of its characters
// (the 10th on) at which its text is wider than 110 pixels, as measured in
// dc, and "..." follows; the last character never cuts.
std::wstring ShortenTaskTitle(HDC dc, const std::wstring& title);
