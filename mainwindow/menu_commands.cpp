#include "mainwindow/menu_commands.h"

#include "mainwindow/about_dialog.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <span>

namespace {

constexpr int kNotesFiles = 2;
const wchar_t kNoticeCaption[] = L"알림";
const wchar_t kBackupNoticeNotes[] =
    L"Vestamor 다이어리의 연락처,일정,작업,기념일 자료를 백업하며 아웃룩 메모 파일은 백업작업에서 제외됩니다.\n\n"
    L"하드리셋을 위한 백업작업이라면 백업 파일을 주메모리가 아닌 보조 메모리에 만드시고 주메모리에 있는 아웃룩 메모 "
    L"파일을 보조 메모리로 복사하시기 바랍니다.";
const wchar_t kBackupNotice[] =
    L"Vestamor 다이어리의 연락처,일정,작업,메모,기념일 자료를 백업합니다.\n\n"
    L"하드리셋을 위한 백업작업이라면 백업 파일을 주메모리가 아닌 보조 메모리에 만드시기 바랍니다.";

// ---- the File and Help menus ---------------------------------------------------------

void ShowAbout(HWND window, UINT, UINT)
{
    DialogBoxW(AppInstance, MAKEINTRESOURCEW(IDD_ABOUT), window, AboutDlgProc);
}

void CloseMain(HWND window, UINT, UINT)
{
    SendMessageW(window, WM_CLOSE, 0, 0);
}

void QuitMain(HWND window, UINT, UINT)
{
    SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
    SendMessageW(window, WM_CLOSE, 0, 0);
}

void Backup(HWND window, UINT, UINT)
{
    MessageBoxW(window, Settings.MemoSource == kNotesFiles ? kBackupNoticeNotes : kBackupNotice, kNoticeCaption,
                MB_OK);
    RunHook(Hooks.BackupDiaryData);
    FocusCurrentView();
}

void Restore(HWND, UINT, UINT)
{
    RunHook(Hooks.RestoreDiaryData);
}

void ImportContacts(HWND window, UINT, UINT)
{
    if (Hooks.RunContactImport)
        Hooks.RunContactImport(window);
}

void Preferences(HWND window, UINT, UINT)
{
    if (Hooks.RunPreferencesSheet)
        Hooks.RunPreferencesSheet(window);
    // Started from the Today item: back to the Today screen.
    if (FromTodayRequest) {
        FromTodayRequest = false;
        ShowWindow(window, SW_HIDE);
    }
}

// ---- the pop-up menus ----------------------------------------------------------------------

void SendMessageToContact(HWND, UINT id, UINT)
{
    if (id == IDM_CONTACT_MESSAGE && !CurrentListHasItems())
        return;
    const wchar_t* mobile = Hooks.PreviewMobileDigits ? Hooks.PreviewMobileDigits() : nullptr;
    if (SelectedContactOid != 0 && mobile && mobile[0])
        RunHook(Hooks.LaunchMmsComposer);
}

void Back(HWND, UINT, UINT)
{
    switch (CurrentView) {
    case kScheduleView: SendItemCommand(ID_SCHEDULE_BACK); break;
    case kTaskView:     SendItemCommand(ID_TASK_BACK); break;
    case kMemoView:     SendItemCommand(ID_MEMO_BACK); break;
    default:            SendItemCommand(ID_CONTACT_CARD_CLOSE); break;
    }
    FocusCurrentView();
}

struct HeadingText {
    UINT command;
    const wchar_t* text;
};
const HeadingText kTaskFilterHeadings[] = {
    {IDM_TASK_FILTER_ACTIVE, L"진행중▽"}, {IDM_TASK_FILTER_DONE, L"완료▽"},
    {IDM_TASK_FILTER_OVERDUE, L"지연▽"}, {IDM_TASK_FILTER_ALL, L"모든▽"},
};
const HeadingText kTaskSortHeadings[] = {
    {IDM_TASK_SORT_STATE, L"상태▽"}, {IDM_TASK_SORT_PRIORITY, L"우선순위▽"}, {IDM_TASK_SORT_TITLE, L"제목▽"},
    {IDM_TASK_SORT_START, L"시작날짜▽"}, {IDM_TASK_SORT_DUE, L"기한▽"},
};

// The card's task list applies the filter and sort its headings name.
void SetTaskHeading(HWND heading, std::span<const HeadingText> texts, UINT id)
{
    for (const HeadingText& entry : texts) {
        if (entry.command == id && heading)
            SetWindowTextW(heading, entry.text);
    }
    RunHook(Hooks.LoadContactTaskList);
    if (CardTaskList)
        SetFocus(CardTaskList);
}

void TaskFilter(HWND, UINT id, UINT) { SetTaskHeading(CardTaskFilterHeading, kTaskFilterHeadings, id); }
void TaskSort(HWND, UINT id, UINT) { SetTaskHeading(CardTaskSortHeading, kTaskSortHeadings, id); }

void MemoPickBy(HWND, UINT id, UINT) { PickMemosBy(id == IDM_MEMO_BY_DATE ? 1 : 0); }

void FocusSearchBox(HWND, UINT, UINT)
{
    if (ContactSearchBox)
        SetFocus(ContactSearchBox);
}

void FocusOnly(HWND, UINT, UINT) { FocusCurrentView(); }

// ---- the table ---------------------------------------------------------------------------

// A command's action; `target` is the command a forwarding row sends on.
struct MenuCommandRow {
    UINT id;
    void (*run)(HWND window, UINT id, UINT target);
    UINT target;
};

// An item command to the toolbar window, then the focus back to the list.
void ForwardAndFocus(HWND, UINT, UINT target)
{
    SendItemCommand(target);
    FocusCurrentView();
}

// A view or control command to the main window itself.
void SendToSelf(HWND window, UINT, UINT target)
{
    SendMessageW(window, WM_COMMAND, target, 0);
}

const MenuCommandRow kMenuCommands[] = {
    {IDM_ABOUT, ShowAbout, 0},
    {IDM_EXIT, CloseMain, 0},
    {IDM_QUIT, QuitMain, 0},
    {IDM_BACKUP, Backup, 0},
    {IDM_RESTORE, Restore, 0},
    {IDM_CONTACT_IMPORT, ImportContacts, 0},
    {IDM_PREFERENCES, Preferences, 0},
    {IDM_CONTACT_DIAL_MOBILE, ForwardAndFocus, ID_CONTACT_DIAL_MOBILE},
    {IDM_CARD_DIAL_MOBILE, ForwardAndFocus, ID_CONTACT_DIAL_MOBILE},
    {IDM_CONTACT_DIAL_BUSINESS, ForwardAndFocus, ID_CONTACT_DIAL_BUSINESS},
    {IDM_CARD_DIAL_BUSINESS, ForwardAndFocus, ID_CONTACT_DIAL_BUSINESS},
    {IDM_CONTACT_DIAL_HOME, ForwardAndFocus, ID_CONTACT_DIAL_HOME},
    {IDM_CARD_DIAL_HOME, ForwardAndFocus, ID_CONTACT_DIAL_HOME},
    {IDM_CONTACT_MAIL, ForwardAndFocus, ID_CONTACT_MAIL},
    {IDM_CARD_MAIL, ForwardAndFocus, ID_CONTACT_MAIL},
    {IDM_CONTACT_MESSAGE, SendMessageToContact, 0},
    {IDM_CARD_MESSAGE, SendMessageToContact, 0},
    {IDM_CONTACT_DETAIL, ForwardAndFocus, ID_CONTACT_CARD_OPEN},
    {IDM_CONTACT_OUTLOOK, ForwardAndFocus, ID_CONTACT_SHOW_OUTLOOK},
    {IDM_CONTACT_NEW_ANNIVERSARY, ForwardAndFocus, ID_ANNIVERSARY_NEW},
    {IDM_CONTACT_SEARCH, FocusSearchBox, 0},
    {IDM_VIEW_SEARCH, SendToSelf, IDC_SEARCH_VIEW_TAB},
    {IDM_VIEW_COMPANY, SendToSelf, IDC_COMPANY_VIEW_TAB},
    {IDM_VIEW_GROUP, SendToSelf, IDC_GROUP_VIEW_TAB},
    {IDM_BACK, Back, 0},
    {IDM_SCHEDULE_DETAIL, ForwardAndFocus, ID_SCHEDULE_DETAIL},
    {IDM_SCHEDULE_OUTLOOK, ForwardAndFocus, ID_APPOINTMENT_SHOW_OUTLOOK},
    {IDM_SCHEDULE_DAY, ForwardAndFocus, ID_SCHEDULE_DAY_MODE},
    {IDM_SCHEDULE_WEEK, ForwardAndFocus, ID_SCHEDULE_WEEK_MODE},
    {IDM_SCHEDULE_MONTH, ForwardAndFocus, ID_SCHEDULE_MONTH_MODE},
    {IDM_TASK_FILTER_ACTIVE, TaskFilter, 0},
    {IDM_TASK_FILTER_DONE, TaskFilter, 0},
    {IDM_TASK_FILTER_OVERDUE, TaskFilter, 0},
    {IDM_TASK_FILTER_ALL, TaskFilter, 0},
    {IDM_TASK_SORT_STATE, TaskSort, 0},
    {IDM_TASK_SORT_PRIORITY, TaskSort, 0},
    {IDM_TASK_SORT_TITLE, TaskSort, 0},
    {IDM_TASK_SORT_START, TaskSort, 0},
    {IDM_TASK_SORT_DUE, TaskSort, 0},
    {IDM_TASK_DETAIL, ForwardAndFocus, ID_TASK_DETAIL},
    {IDM_TASK_OUTLOOK, ForwardAndFocus, ID_TASK_SHOW_OUTLOOK},
    {IDM_MEMO_DETAIL, ForwardAndFocus, ID_MEMO_DETAIL},
    {IDM_MEMO_BY_CATEGORY, MemoPickBy, 0},
    {IDM_MEMO_BY_DATE, MemoPickBy, 0},
    {IDM_MEMO_SORT_TITLE, SendToSelf, IDC_MEMO_HEADER_TITLE},
    {IDM_MEMO_SORT_DATE, SendToSelf, IDC_MEMO_HEADER_DATE},
    {IDM_ANNIVERSARY_SORT_TITLE, SendToSelf, IDC_ANNIVERSARY_SORT_TITLE},
    {IDM_ANNIVERSARY_SORT_DATE, SendToSelf, IDC_ANNIVERSARY_SORT_DATE},
    {IDM_CONTACT_CANCEL, FocusOnly, 0},
    {IDM_CARD_CANCEL, FocusOnly, 0},
    {IDM_SCHEDULE_CANCEL, FocusOnly, 0},
    {IDM_TASK_CANCEL, FocusOnly, 0},
    {IDM_MEMO_CANCEL, FocusOnly, 0},
};

}  // namespace

bool RunMenuCommand(HWND window, UINT id)
{
    for (const MenuCommandRow& row : kMenuCommands) {
        if (row.id == id) {
            row.run(window, id, row.target);
            return true;
        }
    }
    return false;
}
