// Filling the report lists of the task, memo and anniversary views and of
// their pick lists: the rows' column texts, the pick rows with their images.
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

// A remembered row that lies beyond the list's rows is its first.
int ClampRow(int row, int count);

// "%ld" of an id, the hidden last column of the lists.
std::wstring IdText(long id);
