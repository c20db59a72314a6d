// The frame of every list refill: hide and empty the list, fill it, show it
// again and select the row to keep; and the refill that keeps the rows a
// list already shows.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

// Hides the list, switches its drawing off and deletes its items; true when
// it was shown (its own visible style, whatever its parent's). A null list
// is left alone.
bool BeginListRefill(HWND list);
// Inserts a row at the given index with its texts, column 0 first; returns
// the row's index, or -1 when the list did not take it.
int InsertListRow(HWND list, int row, const wchar_t* const* columns, int count);
// Switches drawing on and shows the list again when it was shown, then
// selects and focuses the row and scrolls it into view.
void EndListRefill(HWND list, bool wasShown, int row);
// Selects and focuses the row (clearing no other) and scrolls it into view.
void SelectListRow(HWND list, int row);

// The texts a kept-rows refill left in a list, row by row.
struct ListTexts {
    HWND list = nullptr;
    int columns = 0;
    std::vector<std::wstring> cells;  // row-major
};

// A refill of a report list that leaves the list as BeginListRefill, rows
// inserted in order and EndListRefill would, but keeps the rows the list
// holds: every cell is a message to the list, and a reload mostly shows the
// rows it showed, so only the cells that differ are sent, and a list whose
// cells all stay is neither hidden nor redrawn whole. The list is trusted
// to hold `held` only while it is the same window with as many rows as
// `held` has; otherwise it is emptied and filled anew.
class KeptRowsRefill {
public:
    KeptRowsRefill(HWND list, int columns, ListTexts* held);
    KeptRowsRefill(const KeptRowsRefill&) = delete;
    KeptRowsRefill& operator=(const KeptRowsRefill&) = delete;

    // The next row's texts, column 0 first (as many as the columns).
    void Add(const wchar_t* const* texts);
    // Drops the rows beyond those added, then shows the list again and
    // selects the row as EndListRefill does.
    void End(int selectedRow);

private:
    void StartChanging();

    HWND list_;
    int columns_;
    ListTexts* held_;
    int keptRows_ = 0;
    int rows_ = 0;
    bool shown_ = false;
    bool changing_ = true;  // hidden and not drawing, as BeginListRefill leaves it
};
