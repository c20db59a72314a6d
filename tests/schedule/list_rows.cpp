#include "tests/schedule/list_rows.h"

#include "tests/support/testkit.h"

namespace scheduletest {

std::vector<std::wstring> ListRows(HWND list, int columns)
{
    std::vector<std::wstring> rows;
    for (int row = 0; row < testkit::ListViewCount(list); ++row) {
        std::wstring text;
        for (int column = 0; column < columns; ++column)
            text += (column ? L"|" : L"") + testkit::ListViewText(list, row, column);
        rows.push_back(text);
    }
    return rows;
}

}  // namespace scheduletest
