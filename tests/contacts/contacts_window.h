// The main window shared by the on-window contacts tests, with contacts of
// its own and a record of the commands its lists send.
#pragma once

#include "lists/state.h"
#include "tests/views/main_window_fixture.h"

#include <vector>

namespace contactstest {

// A command as a list sent it: to the main window or to the toolbar window.
struct SentCommand {
    bool toToolbar;
    UINT id;
};
bool operator==(const SentCommand& a, const SentCommand& b);
void PrintTo(const SentCommand& command, std::ostream* out);

// The running main window with the contacts below loaded, in the contact
// view's list layout, its contact hooks set; commands to the main window
// are recorded and swallowed, item commands recorded.
class ContactsWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every command the lists sent since the last call.
    static std::vector<SentCommand> TakeCommands();
    // Five rows of a plain list, each row's columns from 2 on as given.
    static void FillItemList(HWND list, const std::vector<std::vector<std::wstring>>& rows);
    // The cache row a contact list shows at a row.
    static const ContactCacheEntry& Shown(HWND list, int row);
};

}  // namespace contactstest
