// A list control read back row by row, for comparison with expected rows.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

namespace scheduletest {

// The texts of every row of a list, columns 0 .. columns-1 joined by '|'.
std::vector<std::wstring> ListRows(HWND list, int columns);

}  // namespace scheduletest
