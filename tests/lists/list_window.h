// The lists in the running main window: one window started in this process
// and shared by the cases, the own databases emptied before each case, and
// the rows of a list control read back.
#pragma once

#include "tests/lists/list_data.h"
#include "tests/support/device_clock.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace liststest {

// Each row as its column texts joined with '|'.
std::vector<std::wstring> ListRows(HWND list, int columns);
// The texts of column 0.
std::vector<std::wstring> FirstColumn(HWND list);
// A tap on the row, past a task row's check box, as the user chooses it.
void TapRow(HWND list, int row);

class ListWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Switches the main window to the view, reloading it.
    void ShowView(int view);
    // The main window as shown, saved under the name.
    testkit::Image Shot(const wchar_t* name);
};

}  // namespace liststest
