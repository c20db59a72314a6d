#include "tests/lists/list_window.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace liststest {

std::vector<std::wstring> ListRows(HWND list, int columns)
{
    return testkit::ListViewRows(list, columns);
}

std::vector<std::wstring> FirstColumn(HWND list)
{
    return ListRows(list, 1);
}

void TapRow(HWND list, int row)
{
    RECT rect = {};
    rect.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect))) << "row " << row;
    testkit::Tap(list, rect.left + 60, (rect.top + rect.bottom) / 2);
    testkit::PumpPending();
}

void ListWindowTest::SetUp()
{
    ASSERT_NE(views::EnsureMainWindow(), nullptr);
    DropNoteDatabase();
    CreateNoteDatabase();
    DropAnniversaryDatabase();
    CreateAnniversaryDatabase();
    DropAnniversaryTextDatabase();
    CreateAnniversaryTextDatabase();
    DropNoteFileLinkDatabase();
    CreateNoteFileLinkDatabase();
    Settings.MemoSource = 1;
    MemoPickByDate = 0;
    MemoPickRow = 0;
    MemoSortKey = 'D';
    MemoPickChoice[0] = L'\0';
    MemoListFilter[0] = L'\0';
    MemoToReselect = 0;
    CurrentNotePath[0] = L'\0';
    AnniversarySortKey = 'D';
    AnniversaryToReselect = 0;
    AnniversaryKindRow = 0;
    wcscpy(AnniversaryKindChoice, L"");
    for (int& row : ViewSelection)
        row = 0;
    for (int& row : CardPanelSelection)
        row = 0;
}

void ListWindowTest::TearDown()
{
    testkit::RestoreDeviceTime();
}

void ListWindowTest::ShowView(int view)
{
    ViewStale[view] = 1;
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + view, 0);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
}

testkit::Image ListWindowTest::Shot(const wchar_t* name)
{
    RedrawWindow(MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpFor(100);
    testkit::Image image = testkit::CaptureWindow(MainWindow);
    testkit::SaveScreenshot(image, name);
    return image;
}

}  // namespace liststest
