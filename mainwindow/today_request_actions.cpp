#include "mainwindow/today_request_actions.h"

#include "core/state.h"
#include "editors/preferences_state.h"
#include "lists/list_refill.h"
#include "lists/memo_bodies.h"
#include "lists/state.h"
#include "mainwindow/hooks.h"
#include "lists/item_list_state.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kAllFolders[] = L"모든 폴더";
constexpr wchar_t kAllCategories[] = L"전체";
// The row "모든 작업" of the task filter pick list.
constexpr int kAllTasksRow = 3;

void SendViewCommand(int view)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + view, 0);
}

void SendMenuCommand(UINT command)
{
    SendMessageW(MainWindow, WM_COMMAND, command, 0);
}

// Opens (or, for a delete request, deletes) the item the view selected,
// when it is the requested one; the delete command follows the open one.
void RunItemCommand(const TodayRequest& request, UINT openCommand, bool selected)
{
    if (!selected)
        return;
    FromTodayRequest = true;
    SendItemCommand(openCommand + (request.remove ? 1 : 0));
}

// A view command, then the item command with the Today item's flag.
void ShowViewAndRun(int view, UINT command)
{
    SendViewCommand(view);
    FromTodayRequest = true;
    SendItemCommand(command);
}

// The memo view with every memo of the pick list's "all" entry listed.
void ShowAllMemos(const wchar_t* allChoice)
{
    ViewStale[kMemoView] = 1;
    MemoPickByDate = 0;
    StringCchCopyW(MemoPickChoice, kPickChoiceChars, allChoice);
    for (HWND tab : MemoSideTabs) {
        if (tab)
            InvalidateRect(tab, nullptr, TRUE);
    }
    RunHook(Hooks.FillMemoCategoryPickList);
}

// ---- the kinds, in the order that decides -----------------------------------------

void OpenNotesFile(const TodayRequest& request)
{
    ShowAllMemos(kAllFolders);
    StringCchCopyW(CurrentNotePath, MAX_PATH, request.notePath);
    SendViewCommand(kMemoView);
    // The reload selects the first row when the file is not listed.
    RunItemCommand(request, ID_MEMO_EDIT, _wcsicmp(CurrentNoteFilePath().c_str(), request.notePath) == 0);
}

void ShowByViewCode(const TodayRequest& request)
{
    switch (request.viewCode) {
    case kViewCodePreferences:
        SettingsStartPage = kTodayPage;
        FromTodayRequest = true;
        SendMenuCommand(IDM_PREFERENCES);
        break;
    case kViewCodeNewTask:
        ViewStale[kTaskView] = 1;
        ShowViewAndRun(kTaskView, ID_TASK_NEW);
        break;
    case kViewCodeTasks:
        ViewStale[kTaskView] = 1;
        SendViewCommand(kTaskView);
        break;
    case kViewCodeNewMemo:
        ViewStale[kMemoView] = 1;
        ShowViewAndRun(kMemoView, ID_MEMO_NEW);
        break;
    case kViewCodeMemos:
        ViewStale[kMemoView] = 1;
        SendViewCommand(kMemoView);
        break;
    }
}

void OpenMemo(const TodayRequest& request)
{
    ShowAllMemos(kAllCategories);
    SelectedMemoId = MemoToReselect = request.memo;
    SendViewCommand(kMemoView);
    RunItemCommand(request, ID_MEMO_EDIT, SelectedMemoId == request.memo);
}

void OpenTask(const TodayRequest& request)
{
    ViewStale[kTaskView] = 1;
    TaskFilterIndex = kAllTasksRow;
    SelectListRow(TaskFilterPickList, kAllTasksRow);
    SelectedTaskOid = TaskToReselect = request.task;
    SendViewCommand(kTaskView);
    RunItemCommand(request, ID_TASK_EDIT, SelectedTaskOid == request.task);
}

void OpenAnniversary(const TodayRequest& request)
{
    ViewStale[kAnniversaryView] = 1;
    SelectedAnniversaryId = AnniversaryToReselect = request.anniversary;
    AnniversaryKindRow = 0;
    SendViewCommand(kAnniversaryView);
    RunItemCommand(request, ID_ANNIVERSARY_EDIT, SelectedAnniversaryId == request.anniversary);
}

// Dialing and mailing leave the view number and the selection of the row
// shown as they were, so that the next toolbar dial calls that row; opening
// the contact keeps the contact view it shows.
void ActOnContact(const TodayRequest& request)
{
    int keptView = CurrentView;
    const CEOID keptContact = SelectedContactOid;
    const ContactDialTexts keptDialInfo = ContactDialInfo;
    CurrentView = kAnniversaryView;
    SelectedContactOid = request.contact;
    switch (request.contactAction) {
    case kContactDial:
        StringCchCopyW(ContactDialInfo.PreviewPhoneDigits, ARRAYSIZE(ContactDialInfo.PreviewPhoneDigits),
                       request.number);
        StringCchCopyW(ContactDialInfo.LinkedContactName, ARRAYSIZE(ContactDialInfo.LinkedContactName),
                       request.name);
        SendItemCommand(ID_CONTACT_DIAL_MAIN_AS_IS);
        break;
    case kContactMail:
        StringCchCopyW(ContactDialInfo.PreviewEmail, ARRAYSIZE(ContactDialInfo.PreviewEmail), request.address);
        SendItemCommand(ID_CONTACT_MAIL);
        break;
    case kContactOpen:
        ViewStale[kContactView] = 1;
        ContactToReselect = request.contact;
        IndexTab = kIndexTabAll;
        SendViewCommand(kContactView);
        RunItemCommand(request, ID_CONTACT_EDIT, SelectedContactOid == request.contact);
        keptView = CurrentView;
        break;
    }
    CurrentView = keptView;
    if (request.contactAction != kContactOpen) {
        SelectedContactOid = keptContact;
        ContactDialInfo = keptDialInfo;
    }
}

void ShowSchedule(const TodayRequest& request)
{
    ViewStale[kScheduleView] = 1;
    if (request.appointment == kAppointmentOfMonth) {
        ScheduleMode = 'M';
        SendViewCommand(kScheduleView);
        SendItemCommand(ID_SCHEDULE_MONTH_MODE);
        return;
    }
    ScheduleMode = 'D';
    if (request.appointment == kAppointmentOfDay) {
        SendViewCommand(kScheduleView);
        return;
    }
    if (request.appointment == 0) {
        ShowViewAndRun(kScheduleView, ID_APPOINTMENT_NEW);
        return;
    }
    const CEOID appointment = static_cast<CEOID>(request.appointment);
    SelectedAppointmentOid = AppointmentToReselect = appointment;
    SendViewCommand(kScheduleView);
    RunItemCommand(request, ID_APPOINTMENT_EDIT, SelectedAppointmentOid == appointment);
}

}  // namespace

void ActOnTodayRequest(const TodayRequest& request)
{
    if (request.notePath[0])
        OpenNotesFile(request);
    else if (request.viewCode)
        ShowByViewCode(request);
    else if (request.memo)
        OpenMemo(request);
    else if (request.task)
        OpenTask(request);
    else if (request.anniversary)
        OpenAnniversary(request);
    else if (request.contact)
        ActOnContact(request);
    else
        ShowSchedule(request);
    // A command that ended early (no rows, a notice, Cancel) must not leave
    // the next editor the user opens hiding the window.
    FromTodayRequest = false;
}

void OnTodayRequestTick()
{
    TodayRequest request;
    if (ReadTodayRequest(&request) && request.usable)
        ActOnTodayRequest(request);
}
