// A dial or mail the Today item asked for, between the user's tap on a
// contact row and the toolbar's dial: the toolbar dials the row shown, with
// its own name, not the Today item's contact.
#include "lists/contact_filters.h"
#include "mainwindow/dial_adapters.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_commands.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/contacts/contacts_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace contactstest {
namespace {

using Bytes = std::vector<uint8_t>;

int RowOf(const std::wstring& name)
{
    for (int row = 0; row < ContactTabCount; ++row) {
        if (ContactsCache.rows[IndexFilterOrder[row]].name == name)
            return row;
    }
    return -1;
}

void TapRow(HWND list, int row)
{
    RECT rect = {};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    testkit::Tap(list, rect.left + 20, (rect.top + rect.bottom) / 2);
    testkit::PumpPending();
}

void TapToolbarButton(HWND toolbar, UINT command)
{
    const int index = static_cast<int>(SendMessageW(toolbar, TB_COMMANDTOINDEX, command, 0));
    ASSERT_GE(index, 0) << command;
    RECT item = {};
    SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    testkit::Tap(toolbar, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
    testkit::PumpPending();
}

// A field of the request, blank-filled, in the device's code page.
Bytes Field(const std::wstring& text, size_t bytes)
{
    Bytes field(bytes, ' ');
    char ansi[64] = {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof(ansi), nullptr, nullptr);
    for (int i = 0; i + 1 < length && static_cast<size_t>(i) < bytes; ++i)
        field[i] = static_cast<uint8_t>(ansi[i]);
    return field;
}

// An object id as the request writes it: base-255 digits, each plus one.
Bytes IdBytes(CEOID id)
{
    Bytes digits(4);
    for (int i = 3; i >= 0; --i) {
        digits[i] = static_cast<uint8_t>(id % 255 + 1);
        id /= 255;
    }
    return digits;
}

void RunTodayRequest(const Bytes& bytes)
{
    HANDLE file = CreateFileW(L"\\Windows\\Quillon1.qmk", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
    SendMessageW(MainWindow, WM_TIMER, kTimerTodayRequests, 0);
}

Bytes Joined(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class TodayDialTest : public ContactsWindowTest {
protected:
    void SetUp() override
    {
        ContactsWindowTest::SetUp();
        for (const ItemCommandEntry& entry : ContactCommands())
            RegisterItemCommand(entry.command, entry.handler);
        Hooks.DialNumber = RouteDial;
    }
    void TearDown() override
    {
        views::RecordItemCommands();
        ContactsWindowTest::TearDown();
    }
};

TEST_F(TodayDialTest, TheToolbarDialAfterATodayRequestCallsTheRowShown)
{
    const int rowA = RowOf(L"홍길동");
    const int rowB = RowOf(L"김수");
    ASSERT_GE(rowA, 0);
    ASSERT_GE(rowB, 0);
    const CEOID contactA = ContactsCache.rows[IndexFilterOrder[rowA]].oid;
    const CEOID contactB = ContactsCache.rows[IndexFilterOrder[rowB]].oid;
    const struct {
        const char* what;
        Bytes request;
    } cases[] = {
        {"dial", Joined({Field(L"0315556666", 20), Field(L"김수", 30), IdBytes(contactB)})},
        {"mail", Joined({Field(L"kim@example.com", 40), IdBytes(contactB)})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TapRow(ContactList, rowA);
        ASSERT_EQ(SelectedContactOid, contactA);
        RunTodayRequest(c.request);
        EXPECT_EQ(SelectedContactOid, contactA);
        EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"홍길동");

        const size_t from = testkit::DeviceLogText().size();
        TapToolbarButton(ContactsToolbar, ID_CONTACT_DIAL_MOBILE);
        TapToolbarButton(ContactsToolbar, ID_CONTACT_DIAL_BUSINESS);
        EXPECT_EQ(testkit::DeviceLogRecords(L"PhoneMakeCall:", from),
                  (std::vector<std::wstring>{
                      L"PhoneMakeCall: dest=\"01012345678\" app=\"Quillon\" party=\"홍길동\" comment=\"\"",
                      L"PhoneMakeCall: dest=\"021112222\" app=\"Quillon\" party=\"홍길동\" comment=\"\""}));
    }
}

// A contact tapped after a Today request named another stays the chosen one
// when another program's change reloads the list by the watch's timer: the
// row shown is selected and the toolbar dials it.
TEST_F(TodayDialTest, ATappedContactStaysChosenThroughTheWatchsReload)
{
    const int rowB = RowOf(L"김수");
    ASSERT_GE(rowB, 0);
    const CEOID contactB = ContactsCache.rows[IndexFilterOrder[rowB]].oid;
    ContactToReselect = ContactsCache.rows[IndexFilterOrder[RowOf(L"이영희")]].oid;
    FilterContactsByInitial();
    TapRow(ContactList, rowB);
    ASSERT_EQ(SelectedContactOid, contactB);

    const std::wstring peer = L"\"" + testkit::BuiltProgram(L"contacts_peer.exe") + L"\" ";
    ASSERT_EQ(testkit::RunProcess(peer + L"add 가람"), 0);
    std::vector<uint8_t> answer = testkit::ReadFileBytes(L"\\Temp\\contacts_peer.txt");
    const std::wstring added(reinterpret_cast<const wchar_t*>(answer.data()), answer.size() / sizeof(wchar_t));
    EXPECT_TRUE(testkit::PumpUntil([] { return testkit::ListViewCount(ContactList) == 6; }, 10000));
    const int row = testkit::ListViewSelection(ContactList);
    ASSERT_GE(row, 0);
    EXPECT_EQ(Shown(ContactList, row).oid, contactB);
    EXPECT_EQ(SelectedContactOid, contactB);
    const size_t from = testkit::DeviceLogText().size();
    TapToolbarButton(ContactsToolbar, ID_CONTACT_DIAL_BUSINESS);
    EXPECT_EQ(testkit::DeviceLogRecords(L"PhoneMakeCall:", from),
              std::vector<std::wstring>{L"PhoneMakeCall: dest=\"0315556666\" app=\"Quillon\" party=\"김수\" comment=\"\""});

    ASSERT_EQ(testkit::RunProcess(peer + L"delete " + added), 0);
    EXPECT_TRUE(testkit::PumpUntil([] { return ContactsCache.count == 5; }, 10000));
    ContactToReselect = 0;
}

}  // namespace
}  // namespace contactstest
