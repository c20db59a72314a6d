#include "tests/schedule/list_rows.h"

#include "tests/support/testkit.h"

namespace scheduletest {

std::vector<std::wstring> ListRows(HWND list, int columns)
{
    return testkit::ListViewRows(list, columns);
}

}  // namespace scheduletest
