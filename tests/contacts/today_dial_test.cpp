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

}  // namespace
}  // namespace contactstest
