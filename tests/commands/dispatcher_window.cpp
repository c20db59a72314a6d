#include "tests/commands/dispatcher_window.h"

#include "core/item_form.h"
#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "mainwindow/contact_hooks.h"
#include "mainwindow/hooks.h"
#include "lists/schedule_list.h"
#include "mainwindow/item_commands.h"
#include "mainwindow/schedule_commands.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_utils.h"
#include "platform/outlook/client_values.h"
#include "resources/resource.h"
#include "tests/commands/test_editors.h"

#include <strsafe.h>

#include <algorithm>
#include <map>

namespace commandstest {

StandInList DispatcherTest::anniversaries, DispatcherTest::tasks, DispatcherTest::memos, DispatcherTest::cardTasks,
    DispatcherTest::cardMemos;
int DispatcherTest::firstHolidayYear = 1900;
int DispatcherTest::lastHolidayYear = 2050;
bool DispatcherTest::failNextDelete = false;

namespace {

constexpr int kIdColumn = 2;
constexpr int kCardTasks = 1;
constexpr int kCardMemos = 2;
constexpr wchar_t kHolidayKind[] = L"공휴일";
constexpr int32_t kOwnMemos = 1;

std::vector<std::string> g_calls;
std::vector<Dialled> g_dialled;
std::vector<UINT> g_commands;
std::map<UINT, ItemCommandHandler> g_handlers;

void Call(const std::string& what)
{
    g_calls.push_back(what);
}

// Records the command, then runs its real handler.
void RecordAndRun(HWND toolbar, UINT command)
{
    g_commands.push_back(command);
    auto handler = g_handlers.find(command);
    if (handler != g_handlers.end() && handler->second)
        handler->second(toolbar, command);
}

void InstallRecordedCommands()
{
    InstallScheduleCommands();
    InstallItemCommands();
    g_handlers.clear();
    for (UINT command = ID_ITEM_COMMAND_FIRST; command <= ID_ITEM_COMMAND_LAST; ++command) {
        g_handlers[command] = RegisteredItemCommand(command);
        RegisterItemCommand(command, RecordAndRun);
    }
}

// Fills the list with a row per id (the id in its hidden column) and
// selects the remembered row, or the last when fewer are left; keeps the
// row count the keys use.
void FillList(HWND list, StandInList& source, const std::vector<long>& ids, int* selected, int* rowCount)
{
    ++source.loads;
    ListView_DeleteAllItems(list);
    for (size_t i = 0; i < ids.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        wchar_t id[16];
        StringCchPrintfW(id, ARRAYSIZE(id), L"%ld", ids[i]);
        item.pszText = id;
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, static_cast<int>(i), kIdColumn, id);
    }
    if (rowCount)
        *rowCount = static_cast<int>(ids.size());
    if (ids.empty())
        return;
    int row = std::clamp(*selected, 0, static_cast<int>(ids.size()) - 1);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<long> ExistingTasks(const StandInList& list)
{
    std::vector<long> there;
    for (long id : list.ids) {
        if (TaskFromOid(static_cast<CEOID>(id)))
            there.push_back(id);
    }
    return there;
}

bool Erase(StandInList& list, long id)
{
    auto found = std::find(list.ids.begin(), list.ids.end(), id);
    if (found == list.ids.end())
        return false;
    list.ids.erase(found);
    return true;
}

bool Contains(const StandInList& list, long id)
{
    return std::find(list.ids.begin(), list.ids.end(), id) != list.ids.end();
}

void LoadTaskList()
{
    Call("LoadTaskList");
    FillList(TaskList, DispatcherTest::tasks, ExistingTasks(DispatcherTest::tasks), &ViewSelection[kTaskView],
             &TaskViewRowCount);
}

void LoadContactTaskList()
{
    Call("LoadContactTaskList");
    FillList(CardPanelList(kCardTasks), DispatcherTest::cardTasks, ExistingTasks(DispatcherTest::cardTasks),
             &CardPanelSelection[kCardTasks], nullptr);
}

void LoadMemoList()
{
    Call("LoadMemoList");
    FillList(MemoList, DispatcherTest::memos, DispatcherTest::memos.ids, &ViewSelection[kMemoView], &MemoRowCount);
}

void LoadContactMemoList()
{
    Call("LoadContactMemoList");
    FillList(CardPanelList(kCardMemos), DispatcherTest::cardMemos, DispatcherTest::cardMemos.ids,
             &CardPanelSelection[kCardMemos], nullptr);
}

void LoadAnniversaryList()
{
    Call("LoadAnniversaryList");
    bool holidays = lstrcmpW(AnniversaryKindChoice, kHolidayKind) == 0;
    bool yearListed =
        AnniversaryYear >= DispatcherTest::firstHolidayYear && AnniversaryYear <= DispatcherTest::lastHolidayYear;
    std::vector<long> none;
    FillList(AnniversaryList, DispatcherTest::anniversaries,
             holidays && !yearListed ? none : DispatcherTest::anniversaries.ids, &ViewSelection[kAnniversaryView],
             nullptr);
}

// The task's subject and whether it repeats, as the task loader gives them.
bool LoadTaskForm()
{
    Call("LoadTaskForm");
    ComRef<ITask> task = TaskFromOid(SelectedTaskOid);
    if (!task)
        return false;
    OwnedText subject;
    task->get_Subject(subject.Out());
    VARIANT_BOOL recurring = VARIANT_FALSE;
    task->get_IsRecurring(&recurring);
    StringCchCopyW(ItemFormState.Title, ARRAYSIZE(ItemFormState.Title), subject.Get());
    ItemFormState.RecurrenceCode = recurring ? L'1' : L'0';
    return true;
}

bool LoadNoteRecord()
{
    Call("LoadNoteRecord " + std::to_string(SelectedMemoId));
    return Contains(DispatcherTest::memos, SelectedMemoId) || Contains(DispatcherTest::cardMemos, SelectedMemoId);
}

bool LoadAnniversaryRecord()
{
    Call("LoadAnniversaryRecord " + std::to_string(SelectedAnniversaryId));
    return Contains(DispatcherTest::anniversaries, SelectedAnniversaryId);
}

bool DeleteStandIn(const char* what, StandInList& list, long id)
{
    Call(std::string(what) + " " + std::to_string(id));
    if (std::exchange(DispatcherTest::failNextDelete, false))
        return false;
    return Erase(list, id);
}

bool DeleteAnniversary(long id)
{
    return DeleteStandIn("DeleteAnniversary", DispatcherTest::anniversaries, id);
}

bool DeleteNoteRecord(long id)
{
    bool fromCard = Contains(DispatcherTest::cardMemos, id);
    return DeleteStandIn("DeleteNoteRecord", fromCard ? DispatcherTest::cardMemos : DispatcherTest::memos, id);
}

bool DeleteNoteFile()
{
    return DeleteStandIn("DeleteNoteFile", DispatcherTest::memos, SelectedMemoId);
}

void Dial(const wchar_t* number, const wchar_t* name)
{
    g_dialled.push_back({number, name});
}

void SetStandIns()
{
    SetContactHooks();
    Hooks.LoadTaskList = LoadTaskList;
    Hooks.LoadContactTaskList = LoadContactTaskList;
    Hooks.LoadMemoList = LoadMemoList;
    Hooks.LoadContactMemoList = LoadContactMemoList;
    Hooks.LoadAnniversaryList = LoadAnniversaryList;
    Hooks.LoadTaskForm = LoadTaskForm;
    Hooks.LoadNoteRecord = LoadNoteRecord;
    Hooks.LoadAnniversaryRecord = LoadAnniversaryRecord;
    Hooks.DeleteAnniversary = DeleteAnniversary;
    Hooks.DeleteNoteRecord = DeleteNoteRecord;
    Hooks.DeleteNoteFile = DeleteNoteFile;
    Hooks.DialNumber = Dial;
}

}  // namespace

const std::vector<std::string>& StandInCalls()
{
    return g_calls;
}

const std::vector<Dialled>& DialledNumbers()
{
    return g_dialled;
}

void DispatcherTest::SetUp()
{
    views::ResetViews();
    ASSERT_NE(MainWindow, nullptr);
    SetStandIns();
    InstallRecordedCommands();
    RegisterTestEditors();
    anniversaries = tasks = memos = cardTasks = cardMemos = StandInList();
    firstHolidayYear = 1900;
    lastHolidayYear = 2050;
    failNextDelete = false;
    Settings.MemoSource = kOwnMemos;
    FromTodayRequest = false;
    AssigneeOid = 0;
    AssigneeName[0] = L'\0';
    LinkedContactOid = 0;
    g_calls.clear();
    g_dialled.clear();
    g_commands.clear();
}

void DispatcherTest::TearDown()
{
    FromTodayRequest = false;
    if (MainWindow && !IsWindowVisible(MainWindow))
        ShowWindow(MainWindow, SW_SHOW);
    SendItemCommand(ID_CONTACT_CARD_CLOSE);
}

std::vector<UINT> DispatcherTest::TakeCommands()
{
    return std::exchange(g_commands, {});
}

void DispatcherTest::Send(UINT command)
{
    SendItemCommand(command);
    testkit::PumpPending();
}

boxwatch::SeenBox DispatcherTest::SendAnswering(UINT command, int answer)
{
    boxwatch::ArmForThisThread(answer);
    Send(command);
    return boxwatch::Disarm();
}

std::vector<boxwatch::SeenBox> DispatcherTest::SendAnsweringBoxes(UINT command, std::initializer_list<int> answers)
{
    boxwatch::ArmForBoxes(answers);
    Send(command);
    return boxwatch::DisarmBoxes();
}

CEOID DispatcherTest::AddContact(const wchar_t* last, const wchar_t* first, const wchar_t* mobile,
                                 const wchar_t* business, const wchar_t* home, const wchar_t* email)
{
    ComRef<IContact> contact = NewContactItem();
    if (!contact)
        return 0;
    contact->put_LastName(poomclient::Text(last));
    contact->put_FirstName(poomclient::Text(first));
    contact->put_MobileTelephoneNumber(poomclient::Text(mobile));
    contact->put_BusinessTelephoneNumber(poomclient::Text(business));
    contact->put_HomeTelephoneNumber(poomclient::Text(home));
    contact->put_Email1Address(poomclient::Text(email));
    if (contact->Save() != S_OK)
        return 0;
    CEOID oid = OidOf(contact.Get());
    contact.Reset();
    ReloadContactsCache();
    MarkContactsDatabaseSeen();
    return oid;
}

CEOID DispatcherTest::AddTask(const wchar_t* subject, int days)
{
    ComRef<ITask> task = NewTaskItem();
    if (!task)
        return 0;
    task->put_Subject(poomclient::Text(subject));
    if (days > 0) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        DATE today = 0;
        SystemTimeToVariantTime(&now, &today);
        task->put_StartDate(today);
        task->put_DueDate(today);
        IRecurrencePattern* pattern = nullptr;
        if (task->GetRecurrencePattern(&pattern) == S_OK) {
            pattern->put_RecurrenceType(olRecursDaily);
            pattern->put_Interval(1);
            pattern->put_Occurrences(days);
            pattern->Release();
        }
    }
    if (task->Save() != S_OK)
        return 0;
    return OidOf(task.Get());
}

CEOID DispatcherTest::AddAppointment(const wchar_t* subject, const wchar_t* day, const wchar_t* start,
                                     const wchar_t* end, int weeks)
{
    ComRef<IAppointment> item = NewAppointmentItem();
    DATE from = 0, to = 0;
    if (!item || !VariantDateOf(day, start, &from) || !VariantDateOf(day, end, &to))
        return 0;
    item->put_Subject(poomclient::Text(subject));
    item->put_Start(from);
    item->put_End(to);
    if (weeks > 0) {
        ComRef<IRecurrencePattern> pattern;
        item->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_Occurrences(weeks);
    }
    return SUCCEEDED(item->Save()) ? OidOf(item.Get()) : 0;
}

void DispatcherTest::ShowScheduleMonthOf(const wchar_t* day)
{
    StringCchCopyW(CurrentDate, ARRAYSIZE(CurrentDate), day);
    ScheduleMode = 'M';
    ScheduleCacheKey[0] = L'\0';
    ShowView(kScheduleView);
}

bool DispatcherTest::SelectScheduleRow(CEOID appointment, const wchar_t* day)
{
    int rows = ListView_GetItemCount(ScheduleList);
    for (int row = 0; row < rows; ++row) {
        const ScheduleEntry* entry = ScheduleEntryAtRow(MonthScheduleCache, row);
        if (entry && static_cast<CEOID>(entry->objectId) == appointment && lstrcmpW(entry->dayDate, day) == 0) {
            // Off first, so that the row's notice comes even when it was selected.
            ListView_SetItemState(ScheduleList, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_SetItemState(ScheduleList, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            testkit::PumpPending();
            return ViewSelection[kScheduleView] == row;
        }
    }
    return false;
}

void DispatcherTest::ShowContactViewAt(int row)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
    IndexTab = 0;
    ViewSelection[kContactView] = row;
    FilterContactsByInitial();
    ListView_SetItemState(ContactList, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    testkit::PumpPending();
    TakeCommands();
}

void DispatcherTest::ShowView(int view, int row)
{
    static const int kTabs[] = {IDC_CONTACT_VIEW_TAB,    IDC_SEARCH_VIEW_TAB,      IDC_COMPANY_VIEW_TAB,
                                IDC_GROUP_VIEW_TAB,      IDC_SCHEDULE_VIEW_TAB,    IDC_ANNIVERSARY_VIEW_TAB,
                                IDC_TASK_VIEW_TAB,       IDC_MEMO_VIEW_TAB};
    ViewStale[view] = 1;
    SendMessageW(MainWindow, WM_COMMAND, kTabs[view], 0);
    ViewSelection[view] = row;
    RunHook(view == kTaskView ? Hooks.LoadTaskList
                              : view == kMemoView ? Hooks.LoadMemoList
                                                  : view == kAnniversaryView ? Hooks.LoadAnniversaryList : nullptr);
    testkit::PumpPending();
    TakeCommands();
    g_calls.clear();
}

int DispatcherTest::SelectedRow(HWND list)
{
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

std::vector<long> DispatcherTest::ListedIds(HWND list)
{
    std::vector<long> ids;
    int rows = ListView_GetItemCount(list);
    for (int row = 0; row < rows; ++row) {
        wchar_t text[16] = L"";
        ListView_GetItemText(list, row, kIdColumn, text, ARRAYSIZE(text));
        ids.push_back(wcstol(text, nullptr, 10));
    }
    return ids;
}

}  // namespace commandstest
