// Timer 2 on the running main window: each kind of request turns into its
// view and its item command, with the Today item's flag while the command
// runs and clear afterwards; a request waits while an editor is open; a
// request whose item is gone touches nothing.
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "core/state.h"
#include "editors/preferences_state.h"
#include "lists/memo_bodies.h"
#include "lists/memo_lists.h"
#include "lists/state.h"
#include "mainwindow/hooks.h"
#include "lists/item_list_state.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"
#include "tests/requests/requests_fixture.h"
#include "tests/shell/support.h"
#include "tests/views/main_window_fixture.h"

#include <functional>

namespace requests {
namespace {

const Bytes kId7 = Raw("\x01\x01\x01\x08");
const Bytes kDate = Raw("2008-03-15");
constexpr wchar_t kNotePath[] = L"\\My Documents\\메모.pwi";
// "\My Documents\메모.pwi" in code page 949.
const Bytes kNotePathBytes = Raw("\\My Documents\\\xB8\xDE\xB8\xF0.pwi");
// Files that are not the requested one.
constexpr wchar_t kOtherNotePath[] = L"\\My Documents\\가계부.pwi";
constexpr wchar_t kRenamedNotePath[] = L"\\My Documents\\메모 사본.pwi";
constexpr int32_t kOwnMemoId = 4401;

// An item command as it arrived: with the Today item's flag and the view
// number of that moment.
struct CommandSeen {
    UINT command;
    bool fromToday;
    int view;
    bool operator==(const CommandSeen&) const = default;
};
void PrintTo(const CommandSeen& c, std::ostream* out)
{
    *out << "{" << c.command << (c.fromToday ? " from Today" : "") << " in view " << c.view << "}";
}

std::vector<CommandSeen> g_commands;
bool g_preferencesFromToday = false;
int g_preferencesOpened = 0;
int g_preferencesStartPage = -1;

// The selection the last command saw.
CEOID g_contactAtCommand = 0;
ContactDialTexts g_dialInfoAtCommand = {};

void RecordCommand(HWND, UINT command)
{
    g_commands.push_back({command, FromTodayRequest, CurrentView});
    g_contactAtCommand = SelectedContactOid;
    g_dialInfoAtCommand = ContactDialInfo;
}

// The tick of timer 2, as the timer sends it.
void Tick()
{
    SendMessageW(MainWindow, WM_TIMER, kTimerTodayRequests, 0);
}

void RemoveMemos()
{
    for (const wchar_t* path : {kNotePath, kOtherNotePath, kRenamedNotePath})
        DeleteFileW(path);
    DeleteNoteRecord(kOwnMemoId);
}

bool WriteNoteFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool wrote = WriteFile(file, "x", 1, &written, nullptr) && written == 1;
    CloseHandle(file);
    return wrote;
}

// The memo view with its real loaders, as a user has it: Notes files (these
// ones on the device) or own memos (one).
std::function<void()> MemosListed(int source, std::vector<const wchar_t*> files)
{
    return [source, files] {
        Settings.MemoSource = source;
        Hooks.FillMemoCategoryPickList = FillMemoCategoryPickList;
        Hooks.LoadMemoList = LoadMemoList;
        CreateDirectoryW(L"\\My Documents\\업무", nullptr);
        MemoPickRow = 1;
        for (const wchar_t* path : files)
            ASSERT_TRUE(WriteNoteFile(path));
        if (source != kMemoSourceNotesFiles) {
            wchar_t category[] = L" ";
            SetRichInkBody(nullptr, 0);
            ASSERT_TRUE(InsertNoteRecord(kOwnMemoId, L"2008-03-15", category, L"장보기", 0));
            FreeRichInkBody();
        }
    };
}

class TodayRequestActionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::ResetViews();
        RemoveMemos();
        Settings.MemoSource = memoSource_;
        for (UINT command = ID_ITEM_COMMAND_FIRST; command <= ID_ITEM_COMMAND_LAST; ++command)
            RegisterItemCommand(command, RecordCommand);
        Hooks.RunPreferencesSheet = [](HWND) {
            ++g_preferencesOpened;
            g_preferencesFromToday = FromTodayRequest;
            g_preferencesStartPage = SettingsStartPage;
        };
        SettingsStartPage = kDiaryPage;
        g_preferencesStartPage = -1;
        g_commands.clear();
        g_preferencesOpened = 0;
        g_preferencesFromToday = false;
        SendMessageW(MainWindow, WM_COMMAND, IDC_COMPANY_VIEW_TAB, 0);
        ScheduleMode = 'W';
        wcscpy(CurrentDate, L"2001-01-01");
        wcscpy(MemoPickChoice, L"업무");
        MemoPickByDate = 1;
        CurrentNotePath[0] = L'\0';
        TaskFilterIndex = 0;
        SelectedContactOid = SelectedTaskOid = SelectedAppointmentOid = 0;
        SelectedMemoId = SelectedAnniversaryId = 0;
        ContactDialInfo = ContactDialTexts();
    }
    void TearDown() override
    {
        FromTodayRequest = false;
        ScheduleMode = 'M';
        RemoveMemos();
        Settings.MemoSource = memoSource_;
    }

    const int memoSource_ = Settings.MemoSource;
};

struct ActionCase {
    const char* what;
    Bytes bytes;
    int view;                         // CurrentView afterwards
    std::vector<CommandSeen> commands;
    std::function<void()> check;      // what else the request set
    std::function<void()> prepare = nullptr;  // the device and lists before the request
};

// The schedule view's reload sends its mode command.
const CommandSeen kDayMode = {ID_SCHEDULE_DAY_MODE, false, kScheduleView};
const CommandSeen kMonthMode = {ID_SCHEDULE_MONTH_MODE, false, kScheduleView};

std::vector<ActionCase> ActionCases()
{
    return {
        {"256 open Notes file", kNotePathBytes + Repeat(' ', 256 - kNotePathBytes.size()), kMemoView,
         {{ID_MEMO_EDIT, true, kMemoView}},
         [] {
             EXPECT_STREQ(CurrentNotePath, kNotePath);
             EXPECT_EQ(CurrentNoteFilePath(), kNotePath);
             EXPECT_EQ(MemoPickByDate, 0);
             // "모든 폴더", not the folder "업무" picked before.
             EXPECT_EQ(MemoPickRow, 0);
             EXPECT_EQ(testkit::ListViewSelection(MemoPickList), 0);
         },
         MemosListed(kMemoSourceNotesFiles, {kOtherNotePath, kNotePath})},
        {"255 delete Notes file", kNotePathBytes + Repeat(' ', 255 - kNotePathBytes.size()), kMemoView,
         {{ID_MEMO_DELETE, true, kMemoView}}, [] { EXPECT_EQ(CurrentNoteFilePath(), kNotePath); },
         MemosListed(kMemoSourceNotesFiles, {kNotePath, kOtherNotePath})},
        // The reload selected a row that is not the requested file: nothing
        // is opened or deleted in its place.
        {"file gone", kNotePathBytes + Repeat(' ', 255 - kNotePathBytes.size()), kMemoView, {},
         [] { EXPECT_EQ(CurrentNoteFilePath(), kOtherNotePath); },
         MemosListed(kMemoSourceNotesFiles, {kOtherNotePath})},
        {"file renamed", kNotePathBytes + Repeat(' ', 256 - kNotePathBytes.size()), kMemoView, {},
         [] { EXPECT_EQ(CurrentNoteFilePath(), kRenamedNotePath); },
         MemosListed(kMemoSourceNotesFiles, {kRenamedNotePath})},
        {"own-memo source", kNotePathBytes + Repeat(' ', 255 - kNotePathBytes.size()), kMemoView, {},
         [] { EXPECT_EQ(SelectedMemoId, kOwnMemoId); },
         MemosListed(1, {kNotePath})},
        {"1 preferences", Raw("\0"), kCompanyView, {},
         [] {
             EXPECT_EQ(g_preferencesOpened, 1);
             EXPECT_TRUE(g_preferencesFromToday);
             EXPECT_EQ(g_preferencesStartPage, kTodayPage) << "the sheet opens on the Today page";
         }},
        {"2 new task", Raw("ab"), kTaskView, {{ID_TASK_NEW, true, kTaskView}}, nullptr},
        {"6 tasks", Repeat('z', 6), kTaskView, {}, nullptr},
        {"8 new memo", Repeat(0, 8), kMemoView, {{ID_MEMO_NEW, true, kMemoView}}, nullptr},
        {"9 memos", Repeat(7, 9), kMemoView, {}, nullptr},
        {"5 memo", Raw("N") + kId7, kMemoView, {{ID_MEMO_EDIT, true, kMemoView}},
         [] {
             EXPECT_EQ(SelectedMemoId, 7);
             EXPECT_EQ(MemoToReselect, 7);
             EXPECT_STREQ(MemoPickChoice, L"전체");
         }},
        {"16 delete memo", Raw("N") + kId7 + Repeat(0, 11), kMemoView, {{ID_MEMO_DELETE, true, kMemoView}}, nullptr},
        {"5 task", Raw("T") + kId7, kTaskView, {{ID_TASK_EDIT, true, kTaskView}},
         [] {
             EXPECT_EQ(SelectedTaskOid, 7u);
             EXPECT_EQ(TaskToReselect, 7u);
             EXPECT_EQ(TaskFilterIndex, 3);
         }},
        {"16 delete task", Raw("T") + kId7 + Repeat(0, 11), kTaskView, {{ID_TASK_DELETE, true, kTaskView}}, nullptr},
        {"3 anniversary", Raw("M\x01\x08"), kAnniversaryView, {{ID_ANNIVERSARY_EDIT, true, kAnniversaryView}},
         [] {
             EXPECT_EQ(SelectedAnniversaryId, 7);
             EXPECT_EQ(AnniversaryToReselect, 7);
         }},
        {"17 delete anniversary", Raw("M\x01\x08") + Repeat(0, 14), kAnniversaryView,
         {{ID_ANNIVERSARY_DELETE, true, kAnniversaryView}}, nullptr},
        {"54 dial", Repeat(' ', 9) + Raw("01012345678") + Repeat(' ', 23) + Raw("\xC8\xAB \xB1\xE6\xB5\xBF") + kId7,
         kCompanyView, {{ID_CONTACT_DIAL_MAIN_AS_IS, false, kAnniversaryView}},
         [] {
             EXPECT_EQ(g_contactAtCommand, 7u);
             EXPECT_STREQ(g_dialInfoAtCommand.PreviewPhoneDigits, L"01012345678");
             EXPECT_STREQ(g_dialInfoAtCommand.LinkedContactName, L"홍 길동");
             // Afterwards the row shown is the selected one again.
             EXPECT_EQ(SelectedContactOid, 0u);
             EXPECT_STREQ(ContactDialInfo.PreviewPhoneDigits, L"");
             EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"");
         }},
        {"44 mail", Repeat(' ', 24) + Raw("hong@example.com") + kId7, kCompanyView,
         {{ID_CONTACT_MAIL, false, kAnniversaryView}},
         [] {
             EXPECT_EQ(g_contactAtCommand, 7u);
             EXPECT_STREQ(g_dialInfoAtCommand.PreviewEmail, L"hong@example.com");
             EXPECT_EQ(SelectedContactOid, 0u);
             EXPECT_STREQ(ContactDialInfo.PreviewEmail, L"");
         }},
        {"4 contact", kId7, kContactView, {{ID_CONTACT_EDIT, true, kContactView}},
         [] {
             EXPECT_EQ(SelectedContactOid, 7u);
             EXPECT_EQ(IndexTab, kIndexTabAll);
         }},
        {"14 appointment", kDate + kId7, kScheduleView, {kDayMode, {ID_APPOINTMENT_EDIT, true, kScheduleView}},
         [] {
             EXPECT_EQ(SelectedAppointmentOid, 7u);
             EXPECT_EQ(AppointmentToReselect, 7u);
             EXPECT_EQ(ScheduleMode, 'D');
             EXPECT_STREQ(CurrentDate, L"2008-03-15");
         }},
        {"15 delete appointment", kDate + kId7 + Raw("\0"), kScheduleView,
         {kDayMode, {ID_APPOINTMENT_DELETE, true, kScheduleView}}, nullptr},
        {"10 new appointment", kDate, kScheduleView, {kDayMode, {ID_APPOINTMENT_NEW, true, kScheduleView}},
         [] {
             EXPECT_EQ(ScheduleMode, 'D');
             EXPECT_STREQ(CurrentDate, L"2008-03-15");
         }},
        {"11 day", kDate + Raw("\0"), kScheduleView, {kDayMode},
         [] {
             EXPECT_EQ(ScheduleMode, 'D');
             EXPECT_STREQ(CurrentDate, L"2008-03-15");
         }},
        {"7 month", Raw("2050-12"), kScheduleView, {kMonthMode, kMonthMode},
         [] {
             EXPECT_EQ(ScheduleMode, 'M');
             EXPECT_STREQ(CurrentDate, L"2050-12-01");
         }},
        // Not acted on: no new appointment in place of a contact 0.
        {"contact 0", Raw("\x01\x01\x01\x01"), kCompanyView, {},
         [] {
             EXPECT_EQ(ScheduleMode, 'W');
             EXPECT_STREQ(CurrentDate, L"2001-01-01");
         }},
    };
}

TEST_F(TodayRequestActionsTest, EachKindShowsItsViewAndRunsItsCommand)
{
    for (const ActionCase& c : ActionCases()) {
        SCOPED_TRACE(c.what);
        SetUp();
        if (c.prepare)
            c.prepare();
        WriteRequestFile(c.bytes);
        Tick();
        EXPECT_FALSE(RequestFileExists());
        EXPECT_EQ(CurrentView, c.view);
        EXPECT_EQ(g_commands, c.commands);
        EXPECT_FALSE(FromTodayRequest) << "the flag must not outlive the request's command";
        if (c.check)
            c.check();
    }
}

TEST_F(TodayRequestActionsTest, TheRunningTimerTakesUpTheRequest)
{
    WriteRequestFile(Raw("T") + kId7);
    EXPECT_TRUE(testkit::PumpUntil([] { return !RequestFileExists(); }, 5000));
    EXPECT_EQ(CurrentView, kTaskView);
    EXPECT_EQ(g_commands, (std::vector<CommandSeen>{{ID_TASK_EDIT, true, kTaskView}}));
}

// The reload selected another row: the request's item is gone, and neither
// the open nor the delete may take the row selected instead.
TEST_F(TodayRequestActionsTest, ARequestForAGoneItemTouchesNoOther)
{
    Hooks.LoadTaskList = [] { SelectedTaskOid = 99; };
    Hooks.LoadMemoList = [] { SelectedMemoId = 99; };
    Hooks.LoadAnniversaryList = [] { SelectedAnniversaryId = 99; };
    Hooks.FilterContactsByInitial = [] { SelectedContactOid = 99; };
    RegisterItemCommand(ID_SCHEDULE_DAY_MODE, [](HWND, UINT) { SelectedAppointmentOid = 99; });
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"task", Raw("T") + kId7},
        {"delete task", Raw("T") + kId7 + Repeat(0, 11)},
        {"memo", Raw("N") + kId7},
        {"anniversary", Raw("M\x01\x08") + Repeat(0, 14)},
        {"contact", kId7},
        {"appointment", kDate + kId7 + Raw("\0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_commands.clear();
        WriteRequestFile(c.bytes);
        Tick();
        EXPECT_FALSE(RequestFileExists());
        EXPECT_EQ(g_commands, std::vector<CommandSeen>());
        EXPECT_FALSE(FromTodayRequest);
    }
}

// While an editor is open, a new request file stays where it is; the first
// tick after the editor closed takes it up.
std::function<void()> g_insideEditor;

void CALLBACK ActInsideEditor(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    auto act = std::move(g_insideEditor);
    act();
}

void OpenEditor(HWND toolbarWindow, UINT command)
{
    RecordCommand(toolbarWindow, command);
    SetTimer(nullptr, 0, 50, ActInsideEditor);
    MessageBoxW(toolbarWindow, L"편집", L"작업", MB_OK);
}

TEST_F(TodayRequestActionsTest, ARequestWaitsWhileAnEditorIsOpen)
{
    RegisterItemCommand(ID_TASK_EDIT, OpenEditor);
    bool waited = false;
    int viewInside = -1;
    g_insideEditor = [&] {
        WriteRequestFile(Repeat(7, 9));
        Tick();
        testkit::PumpFor(700);  // the running timer too
        waited = RequestFileExists();
        viewInside = CurrentView;
        HWND box = FindWindowW(L"#32770", L"작업");
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
    shelltest::Failsafe failsafe(10000, [] {
        if (HWND box = FindWindowW(L"#32770", L"작업"))
            EndDialog(box, IDCANCEL);
    });
    WriteRequestFile(Raw("T") + kId7);
    Tick();
    EXPECT_FALSE(failsafe.fired());
    EXPECT_TRUE(waited);
    EXPECT_EQ(viewInside, kTaskView);
    EXPECT_TRUE(RequestFileExists());
    Tick();
    EXPECT_FALSE(RequestFileExists());
    EXPECT_EQ(CurrentView, kMemoView);
}

// The change watch's countdown holds while a command runs: its reload would
// refill the lists under the command.
TEST_F(TodayRequestActionsTest, TheWatchHoldsItsReloadWhileACommandRuns)
{
    static int countdownInside;
    RegisterItemCommand(ID_TASK_EDIT, [](HWND, UINT) {
        OutlookWatchState[kWatchTasks].countdown = 2;
        SendMessageW(MainWindow, WM_TIMER, kTimerOutlookWatch, 0);
        countdownInside = OutlookWatchState[kWatchTasks].countdown;
        OutlookWatchState[kWatchTasks].countdown = 0;
    });
    countdownInside = -1;
    SendItemCommand(ID_TASK_EDIT);
    EXPECT_EQ(countdownInside, 2);

    OutlookWatchState[kWatchTasks].countdown = 2;
    SendMessageW(MainWindow, WM_TIMER, kTimerOutlookWatch, 0);
    EXPECT_EQ(OutlookWatchState[kWatchTasks].countdown, 1) << "outside a command the tick counts down";
    OutlookWatchState[kWatchTasks].countdown = 0;
}

}  // namespace
}  // namespace requests
