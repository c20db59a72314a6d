// The item of a tapped row, copied whole for the pop-ups and the task
// toggle, and the request reference it gives.
#pragma once

#include "today/request_builders.h"

// The item of entry (TopRow + screen row) of the current view's table; kind
// None for an entry out of range or a row that names no item (a holiday,
// the today line, an empty day). Linked contacts are looked up when the
// row has not yet done so.
CurrentItem CurrentItemOfRow(int entry);
// The same made the current row; false (the current row left as it was)
// when the row names no item.
bool TakeCurrentRow(int entry);

// The request reference of an item; a Notes file's path points into item.
TodayItemRef ItemRefOf(const CurrentItem& item);
