#include "tests/contacts/contacts_window.h"

#include "core/outlook_probes.h"
#include "lists/contact_filters.h"
#include "mainwindow/contact_hooks.h"
#include "mainwindow/list_selection.h"
#include "mainwindow/state.h"
#include "platform/outlook/client_values.h"

namespace contactstest {

namespace {

std::vector<SentCommand> g_commands;
WNDPROC g_mainProc = nullptr;

// Records the commands of the main window and lets the rest through.
LRESULT CALLBACK RecordingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && lParam == 0) {
        g_commands.push_back({false, LOWORD(wParam)});
        return 0;
    }
    return CallWindowProcW(g_mainProc, window, msg, wParam, lParam);
}

void AddContact(const wchar_t* last, const wchar_t* first, const wchar_t* mobile, const wchar_t* business,
                const wchar_t* home)
{
    IDispatch* item = nullptr;
    ASSERT_EQ(OutlookApp->CreateItem(olContactItem, &item), S_OK);
    IContact* contact = nullptr;
    ASSERT_EQ(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact)), S_OK);
    item->Release();
    contact->put_LastName(poomclient::Text(last));
    contact->put_FirstName(poomclient::Text(first));
    if (*mobile)
        contact->put_MobileTelephoneNumber(poomclient::Text(mobile));
    if (*business)
        contact->put_BusinessTelephoneNumber(poomclient::Text(business));
    if (*home)
        contact->put_HomeTelephoneNumber(poomclient::Text(home));
    EXPECT_EQ(contact->Save(), S_OK);
    contact->Release();
}

void EnsureContacts()
{
    if (ContactsCache.count > 0)
        return;
    AddContact(L"홍", L"길동", L"010-1234-5678", L"02-111-2222", L"");
    AddContact(L"김", L"수", L"", L"031-555-6666", L"");
    AddContact(L"이", L"영희", L"", L"", L"02-777");
    AddContact(L"남궁", L"민수", L"", L"", L"");
    AddContact(L"Smith", L"John", L"011-9", L"", L"");
    MarkContactsDatabaseSeen();
}

}  // namespace

bool operator==(const SentCommand& a, const SentCommand& b)
{
    return a.toToolbar == b.toToolbar && a.id == b.id;
}

void PrintTo(const SentCommand& command, std::ostream* out)
{
    *out << (command.toToolbar ? "toolbar " : "main ") << command.id;
}

void ContactsWindowTest::SetUp()
{
    views::ResetViews();
    ASSERT_NE(MainWindow, nullptr);
    SetContactHooks();
    EnsureContacts();
    ASSERT_EQ(ContactsCache.count, 5);
    PhoneModel = 0;
    KeypadShiftPending = ActionKeyPending = false;
    Settings.ContactListColumns = 1;
    IndexTab = 0;
    ViewSelection[kContactView] = 0;
    FilterContactsByInitial();
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    TakeCommands();
}

void ContactsWindowTest::TearDown()
{
    if (MainWindow && g_mainProc)
        SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
    g_mainProc = nullptr;
    PhoneModel = 0;
}

std::vector<SentCommand> ContactsWindowTest::TakeCommands()
{
    std::vector<SentCommand> taken = g_commands;
    for (UINT id : views::ItemCommandsSeen())
        taken.push_back({true, id});
    g_commands.clear();
    views::RecordItemCommands();
    return taken;
}

void ContactsWindowTest::FillItemList(HWND list, const std::vector<std::vector<std::wstring>>& rows)
{
    ListView_DeleteAllItems(list);
    for (size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<LPWSTR>(L"row");
        ListView_InsertItem(list, &item);
        for (size_t column = 0; column < rows[i].size(); ++column)
            ListView_SetItemText(list, static_cast<int>(i), static_cast<int>(column + 2),
                                 const_cast<LPWSTR>(rows[i][column].c_str()));
    }
}

const ContactCacheEntry& ContactsWindowTest::Shown(HWND list, int row)
{
    static const ContactCacheEntry none;
    const ContactCacheEntry* entry = ContactListRow(list, row);
    return entry ? *entry : none;
}

}  // namespace contactstest
