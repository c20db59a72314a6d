// The running main window with the real item commands installed: every item
// command that reaches the toolbar window is recorded and then run; the
// tests' editor stands in for the item editors, and small stand-ins for
// what the lists issue and the dial route provide (list loaders, form
// loaders, deletes, the dial) keep their lists in memory and record calls.
#pragma once

#include "tests/support/box_watch.h"
#include "tests/views/main_window_fixture.h"

#include <string>
#include <vector>

namespace commandstest {

// A list as the stand-in loaders fill it: one row per id (column 2), the
// remembered row selected.
struct StandInList {
    std::vector<long> ids;
    int loads = 0;  // fills since the case began
};

// What the stand-ins were asked, in order ("LoadTaskList", "DeleteNoteRecord 7", ...).
const std::vector<std::string>& StandInCalls();
// The dial route's calls: number and name.
struct Dialled {
    std::wstring number, name;
};
const std::vector<Dialled>& DialledNumbers();

class DispatcherTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The item commands that reached the toolbar window since the last call.
    static std::vector<UINT> TakeCommands();
    // Sends the command as a toolbar button does.
    static void Send(UINT command);
    // Sends it while the box watch answers the first message box; returns
    // what the box showed (seen false when there was none).
    static boxwatch::SeenBox SendAnswering(UINT command, int answer);
    // Sends it while the box watch answers the boxes in turn; what each showed.
    static std::vector<boxwatch::SeenBox> SendAnsweringBoxes(UINT command, std::initializer_list<int> answers);

    // A contact made through the object model, the cache reloaded; its id.
    static CEOID AddContact(const wchar_t* last, const wchar_t* first, const wchar_t* mobile = L"",
                            const wchar_t* business = L"", const wchar_t* home = L"", const wchar_t* email = L"");
    // A task made through the object model (a daily series of `days` when
    // days > 0); its id.
    static CEOID AddTask(const wchar_t* subject, int days = 0);
    // An appointment made through the object model on the day ("yyyy-mm-dd")
    // from start to end ("hh:mm"), weekly for `weeks` occurrences when
    // weeks > 0; its id.
    static CEOID AddAppointment(const wchar_t* subject, const wchar_t* day, const wchar_t* start, const wchar_t* end,
                                int weeks = 0);
    // The schedule view over the month of the day, read afresh, in list layout.
    static void ShowScheduleMonthOf(const wchar_t* day);
    // Selects the schedule row of the appointment on that day; false when
    // the list has none.
    static bool SelectScheduleRow(CEOID appointment, const wchar_t* day);
    // The contact view over the contacts cache, with its row selected.
    static void ShowContactViewAt(int row);
    // Switches to the view, its stand-in lists filled afresh, the row selected.
    static void ShowView(int view, int row = 0);
    // The row selected in a list, -1 for none.
    static int SelectedRow(HWND list);
    // The first column's texts of a list's rows.
    static std::vector<long> ListedIds(HWND list);

public:
    // The stand-ins' lists: anniversaries (per year for the holiday kind),
    // tasks (Pocket Outlook ids, those gone are left out), memos, and the
    // card's lists.
    static StandInList anniversaries, tasks, memos, cardTasks, cardMemos;
    // The holiday kind lists its rows only in these years.
    static int firstHolidayYear, lastHolidayYear;
    // The next stand-in delete fails (the item stays).
    static bool failNextDelete;
};

}  // namespace commandstest
