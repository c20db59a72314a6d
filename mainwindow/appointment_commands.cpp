// The appointment commands of the toolbar window (10101-10107,
// 10116-10118, 10121-10123); the range commands are the month schedule's.
#include "mainwindow/item_commands.h"

#include "core/item_commands.h"
#include "core/item_form.h"
#include "lists/form_loaders.h"
#include "lists/mini_calendar.h"
#include "lists/schedule_loaders.h"
#include "lists/schedule_preview.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/schedule_commands.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

namespace {

const ViewDetail kScheduleDetails = {kScheduleView, kScheduleDetail, ID_SCHEDULE_BACK, ID_SCHEDULE_DETAIL};
constexpr wchar_t kAnniversaryNotEditable[] = L"일정 자료중 기념일은 수정할 수 없습니다";
constexpr wchar_t kAnniversaryNotDeletable[] = L"일정 자료중 기념일은 삭제할 수 없습니다";
constexpr wchar_t kAnniversaryNotShown[] = L"일정 자료중 기념일/공휴일은 아웃룩 보기를 할 수 없습니다";
constexpr wchar_t kEditOccurrenceQuestion[] =
    L"이 항목을 편집하시겠습니까?\n\n전체 되풀이 일정을 편집하려면 [아니오]를 누르십시오";
constexpr wchar_t kDeleteQuestion[] = L"일정 자료를 삭제 하시겠습니까?";
constexpr wchar_t kDeleteSeriesQuestion[] = L"되풀이 일정의 모든 일정을 삭제 하시겠습니까?";
constexpr int kCardAppointments = 0;

CommandList AppointmentList()
{
    return ListOfCommand(kScheduleView, kCardAppointments);
}

// The list the command acted on, filled again and focused.
void ReloadAppointmentList(HWND list)
{
    if (CurrentView == kScheduleView) {
        LoadMonthSchedule();
        Focus(list);
        // The grid shows the month of the loaded range, as the range commands do.
        DrawMiniCalendarForDate(RangeStart);
    } else {
        LoadContactSchedule();
        Focus(list);
        ViewStale[kScheduleView] = 1;
    }
}

// The selected appointment into the form. One deleted elsewhere meanwhile
// is reported and leaves its list, and no editor opens on the form.
bool LoadSelectedAppointment(HWND list)
{
    if (LoadScheduleForm())
        return true;
    ReportItemNotFound();
    ForgetMonthSchedule();
    ReloadAppointmentList(list);
    return false;
}

void NewAppointment(HWND toolbar, UINT)
{
    RunNewItemEditor(toolbar, IDD_SCHEDULE_EDITOR, AppointmentList().list);
}

void EditAppointment(HWND toolbar, UINT)
{
    CommandList list = AppointmentList();
    if (RowCount(list.list) == 0)
        return;
    if (CurrentView == kScheduleView && SelectedAnniversaryId != 0) {
        ShowNotice(kAnniversaryNotEditable);
        return;
    }
    PendingLinkKept link;
    if (!LoadSelectedAppointment(list.list))
        return;
    int single = 0;
    if (ItemFormState.RecurrenceCode != L'0') {
        int answer = AskQuestion(kEditOccurrenceQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON1);
        if (answer == IDCANCEL)
            return;
        single = answer == IDYES ? 1 : 0;
    }
    EditSingleOccurrence = single;
    if (!LoadSelectedAppointment(list.list))
        return;
    RunUpdateEditor(toolbar, IDD_SCHEDULE_EDITOR, list.list, kScheduleDetails);
}

// The occurrence of the selected row's day, found by that row's own start.
bool DeleteSelectedOccurrence()
{
    const ScheduleEntry* entry = SelectedScheduleEntry();
    return entry && DeleteAppointmentOccurrence(SelectedAppointmentOid, entry->ownStartDate, entry->ownStartTime);
}

void DeleteAppointment(HWND, UINT)
{
    CommandList list = AppointmentList();
    if (RowCount(list.list) == 0)
        return;
    if (CurrentView == kScheduleView && SelectedAnniversaryId != 0) {
        ShowNotice(kAnniversaryNotDeletable);
        return;
    }
    {
        PendingLinkKept link;
        if (!LoadSelectedAppointment(list.list))
            return;
    }
    bool whole = true;
    if (ItemFormState.RecurrenceCode == L'0') {
        if (AskQuestion(kDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return;
    } else {
        int answer = AskQuestion(kDeleteSeriesQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3);
        if (answer == IDCANCEL)
            return;
        whole = answer == IDYES;
    }
    if (!(whole ? DeleteOutlookAppointment(SelectedAppointmentOid) : DeleteSelectedOccurrence())) {
        ReportFailedWrite(__LINE__);
        return;
    }
    ForgetMonthSchedule();
    *list.selected = SelectionAfterDelete(*list.selected, RowCount(list.list));
    ReloadAppointmentList(list.list);
    RefreshDetail(kScheduleDetails, list.list);
}

void ShowDetail(HWND, UINT)
{
    if (RowCount(ScheduleList) == 0)
        return;
    DetailMode[kScheduleDetail] = 'V';
    ShowSchedulePreview();
    ShowScheduleDetail();
    SetFocus(ScheduleList);
}

void BackToList(HWND, UINT)
{
    HideScheduleDetail();
    DetailMode[kScheduleDetail] = 'M';
    if (CurrentView == kScheduleView)
        SetFocus(ScheduleList);
}

void StepRow(HWND, UINT command)
{
    SendMessageW(AppointmentList().list, WM_KEYDOWN, command == ID_SCHEDULE_PREVIOUS_ROW ? VK_UP : VK_DOWN, 0);
}

void ShowInOutlook(HWND, UINT)
{
    if (RowCount(ScheduleList) == 0)
        return;
    if (SelectedAnniversaryId != 0)
        ShowNotice(kAnniversaryNotShown);
    else
        ShowOutlookAppointment(SelectedAppointmentOid);
    SetFocus(ScheduleList);
}

void NewInOutlook(HWND, UINT)
{
    NewOutlookAppointment();
    SetFocus(ScheduleList);
}

const ItemCommandEntry kAppointmentCommands[] = {
    {ID_APPOINTMENT_NEW, NewAppointment},
    {ID_APPOINTMENT_EDIT, EditAppointment},
    {ID_APPOINTMENT_DELETE, DeleteAppointment},
    {ID_SCHEDULE_DETAIL, ShowDetail},
    {ID_SCHEDULE_BACK, BackToList},
    {ID_SCHEDULE_PREVIOUS_ROW, StepRow},
    {ID_SCHEDULE_NEXT_ROW, StepRow},
    {ID_APPOINTMENT_DIAL_MOBILE, RunLinkedContactCommand},
    {ID_APPOINTMENT_DIAL_HOME, RunLinkedContactCommand},
    {ID_APPOINTMENT_MAIL, RunLinkedContactCommand},
    {ID_APPOINTMENT_SHOW_OUTLOOK, ShowInOutlook},
    {ID_APPOINTMENT_NEW_OUTLOOK, NewInOutlook},
    {ID_APPOINTMENT_DIAL_BUSINESS, RunLinkedContactCommand},
};

}  // namespace

std::span<const ItemCommandEntry> AppointmentCommands()
{
    return kAppointmentCommands;
}
