// Filling the report lists of the task, memo and anniversary views and of
// their pick lists: the rows' column texts, the pick rows with their images;
// and the refill that keeps the rows a list already shows.
#pragma once

#include "platform/ce.h"

#include <functional>
#include <string>
#include <vector>

// Appends count rows to the list; column c of row p is text(p, c).
void InsertListRows(HWND list, int count, int columns, const std::function<std::wstring(int row, int column)>& text);

// Refills a pick list with the texts (image 1 on markedRow, image 0 on the
// others), and selects, focuses and scrolls to selectedRow.
void FillPickList(HWND list, const std::vector<std::wstring>& texts, int selectedRow, int markedRow = -1);

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

// A remembered row that lies beyond the list's rows is its first.
int ClampRow(int row, int count);

// "%ld" of an id, the hidden last column of the lists.
std::wstring IdText(long id);
