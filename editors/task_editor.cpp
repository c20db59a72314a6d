#include "editors/task_editor.h"

#include "core/item_commands.h"
#include "core/outlook_writers.h"
#include "core/rich_ink.h"
#include "core/text_helpers.h"
#include "core/wait_cursor.h"
#include "editors/editor_steps.h"
#include "editors/recurrence_choices.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kNeedTitle[] = L"작업 제목은 반드시 입력해야 합니다";
constexpr wchar_t kInsertFailed[] = L"작업 등록에 실패했습니다";
constexpr wchar_t kUpdateFailed[] = L"작업 수정에 실패했습니다";
constexpr wchar_t kErrorCaption[] = L"오류";
constexpr wchar_t kNoticeCaption[] = L"알림";
constexpr int kTitleChars = 100;
constexpr int kNoteChars = 255;
constexpr int kFullDateChars = 10;
constexpr DWORD kFirstVersionWithReminderTime = 5;

// A date picker is as wide as a ten-character date and its drop button; the
// reminder's time then has no room beside its date and goes under it.
const ControlPlace kPlaces[] = {
    {IDC_TASK_DATE_LABEL, 2, 3, 26, 18},
    {IDC_TASK_START_DATE, 28, 1, 92, 20},
    {IDC_TASK_START_SET, 124, 2, 75, 18},
    {IDC_TASK_DUE_DATE, 28, 22, 92, 20},
    {IDC_TASK_DUE_SET, 124, 23, 75, 18},
    {IDC_TASK_REMINDER_LABEL, 2, 45, 26, 18},
    {IDC_TASK_REMINDER, 28, 44, 72, 18},
    {IDC_TASK_REMINDER_DATE, 100, 43, 92, 20},
    {IDC_TASK_REMINDER_TIME, 100, 64, 60, 20},
    {IDC_TASK_TITLE_LABEL, 2, 87, 26, 18},
    {IDC_TASK_TITLE, 28, 85, 210, 20},
    {IDC_TASK_PRIORITY_LABEL, 2, 108, 26, 18},
    {IDC_TASK_PRIORITY, 28, 106, 80, 100},
    {IDC_TASK_STATUS_LABEL, 112, 108, 26, 18},
    {IDC_TASK_STATUS, 140, 106, 98, 100},
    {IDC_TASK_NOTE_LABEL, 2, 131, 26, 18},
    {IDC_TASK_NOTE, 28, 129, 210, 57},
    {IDC_TASK_RECURRENCE_LABEL, 2, 189, 26, 18},
    {IDC_TASK_RECURRENCE, 28, 187, 100, 120},
    {IDC_TASK_PERSON_LABEL, 131, 189, 38, 18},
    {IDC_TASK_PERSON, 170, 187, 68, 20},
};

// List entries and the form codes they give.
const wchar_t* const kPriorities[] = {L"높음", L"보통", L"낮음"};
constexpr wchar_t kPriorityCodes[] = L"321";
constexpr int kNormalPriority = 1;
const wchar_t* const kStatuses[] = {L"미완료", L"완료"};
constexpr wchar_t kStatusCodes[] = L"FT";

int IndexOfCode(const wchar_t* codes, wchar_t code, int fallback)
{
    for (int i = 0; codes[i]; ++i) {
        if (codes[i] == code)
            return i;
    }
    return fallback;
}

wchar_t CodeOfIndex(const wchar_t* codes, int index)
{
    int count = lstrlenW(codes);
    return codes[index >= 0 && index < count ? index : 0];
}

struct TaskEditorState {
    bool update;
    wchar_t loadedCode;
    HWND note;
};
TaskEditorState Editor;

void EnableByChecks(HWND dialog)
{
    bool reminder = IsChecked(dialog, IDC_TASK_REMINDER);
    EnableControl(dialog, IDC_TASK_START_DATE, IsChecked(dialog, IDC_TASK_START_SET));
    EnableControl(dialog, IDC_TASK_DUE_DATE, IsChecked(dialog, IDC_TASK_DUE_SET));
    EnableControl(dialog, IDC_TASK_REMINDER_DATE, reminder);
    EnableControl(dialog, IDC_TASK_REMINDER_TIME, reminder);
}

void FillRecurrence(HWND dialog, int chosen)
{
    FillRecurrenceChoices(GetDlgItem(dialog, IDC_TASK_RECURRENCE), PickerTime(dialog, IDC_TASK_START_DATE), chosen);
}

// A full date loaded into the picker checks its box.
void ShowLoadedDate(HWND dialog, int pickerId, int checkId, const wchar_t* date)
{
    bool full = lstrlenW(date) == kFullDateChars && SetPickerDate(dialog, pickerId, date);
    SetChecked(dialog, checkId, full);
}

void ShowLoadedTask(HWND dialog)
{
    const ItemFormFields& f = ItemFormState;
    ShowLoadedDate(dialog, IDC_TASK_START_DATE, IDC_TASK_START_SET, f.StartDate);
    ShowLoadedDate(dialog, IDC_TASK_DUE_DATE, IDC_TASK_DUE_SET, f.EndDate);
    SetChecked(dialog, IDC_TASK_REMINDER, f.ReminderFlag == L'1');
    SetPickerDate(dialog, IDC_TASK_REMINDER_DATE, f.ReminderDate);
    SetPickerClock(dialog, IDC_TASK_REMINDER_TIME, f.ReminderTime);
    SendDlgItemMessageW(dialog, IDC_TASK_PRIORITY, CB_SETCURSEL, IndexOfCode(kPriorityCodes, f.Priority, kNormalPriority),
                        0);
    SendDlgItemMessageW(dialog, IDC_TASK_STATUS, CB_SETCURSEL, IndexOfCode(kStatusCodes, f.Status, 0), 0);
    SetDlgItemTextW(dialog, IDC_TASK_TITLE, f.Title);
    FillRecurrence(dialog, f.RecurrenceCode - L'0');
    StreamTextIntoRichInk(Editor.note);
}

BOOL OnTaskInit(HWND dialog)
{
    bool update = EditMode == kEditUpdate;
    Editor = {update, update ? ItemFormState.RecurrenceCode : L'0', nullptr};
    MakeFullScreen(dialog);
    PlaceControls(dialog, kPlaces);
    PlaceEditorButtons(dialog, update);
    ShowEditorPictures(dialog);
    if (update)
        Editor.note = ReplaceNoteWithRichInk(dialog, IDC_TASK_NOTE);
    for (int id : {IDC_TASK_START_DATE, IDC_TASK_DUE_DATE, IDC_TASK_REMINDER_DATE})
        SetPickerFormat(dialog, id, kDateFormat);
    SetPickerFormat(dialog, IDC_TASK_REMINDER_TIME, kTimeFormat);
    // Below version 5 only the reminder's date is offered; the hidden time
    // still holds the loaded one, so that an update keeps it.
    ShowControl(dialog, IDC_TASK_REMINDER_TIME, OsMajorVersion >= kFirstVersionWithReminderTime);
    FillCombo(dialog, IDC_TASK_PRIORITY, kPriorities, 0);
    SendDlgItemMessageW(dialog, IDC_TASK_PRIORITY, CB_SETCURSEL, kNormalPriority, 0);
    FillCombo(dialog, IDC_TASK_STATUS, kStatuses, 0);
    SendDlgItemMessageW(dialog, IDC_TASK_STATUS, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, IDC_TASK_TITLE, EM_LIMITTEXT, kTitleChars, 0);
    SendDlgItemMessageW(dialog, IDC_TASK_NOTE, EM_LIMITTEXT, kNoteChars, 0);
    ShowPersonField(dialog, IDC_TASK_PERSON, kTaskView);
    if (update) {
        ShowLoadedTask(dialog);
    } else {
        RecurrencePatternState.RangeStart[0] = L'\0';
        RecurrencePatternState.RangeEnd[0] = L'\0';
        FillRecurrence(dialog, kChoiceOnce);
    }
    EnableByChecks(dialog);
    return TRUE;
}

// ---- saving ----------------------------------------------------------------------------

RecurrenceChange CopyTaskForm(HWND dialog)
{
    ItemFormFields& f = ItemFormState;
    PickerDateText(dialog, IDC_TASK_START_DATE, f.StartDate, ARRAYSIZE(f.StartDate));
    PickerDateText(dialog, IDC_TASK_DUE_DATE, f.EndDate, ARRAYSIZE(f.EndDate));
    f.StartSet = IsChecked(dialog, IDC_TASK_START_SET) ? L'T' : L'F';
    f.DueSet = IsChecked(dialog, IDC_TASK_DUE_SET) ? L'T' : L'F';
    f.ReminderDate[0] = L'\0';
    f.ReminderTime[0] = L'\0';
    f.ReminderFlag = IsChecked(dialog, IDC_TASK_REMINDER) ? L'1' : L'0';
    if (f.ReminderFlag == L'1') {
        PickerDateText(dialog, IDC_TASK_REMINDER_DATE, f.ReminderDate, ARRAYSIZE(f.ReminderDate));
        PickerTimeText(dialog, IDC_TASK_REMINDER_TIME, f.ReminderTime, ARRAYSIZE(f.ReminderTime));
    }
    ReadText(dialog, IDC_TASK_TITLE, f.Title, kTitleChars + 1);
    f.Priority = CodeOfIndex(kPriorityCodes, ComboIndex(dialog, IDC_TASK_PRIORITY));
    f.Status = CodeOfIndex(kStatusCodes, ComboIndex(dialog, IDC_TASK_STATUS));
    if (!Editor.update) {
        ReadText(dialog, IDC_TASK_NOTE, f.Body, kNoteChars + 1);
        TrimBlanks(f.Body);
    }
    RecurrenceChange change = ChosenRecurrence(dialog, IDC_TASK_RECURRENCE, Editor.loadedCode);
    f.RecurrenceCode = change.code;
    SeedRecurrence(PickerTime(dialog, IDC_TASK_START_DATE));
    CompleteRecurrenceForSave();
    return change;
}

CEOID WriteTask(const RecurrenceChange& change)
{
    if (!Editor.update)
        return AddTaskFromForm();
    // A note that cannot be read back must not be written over the stored one.
    if (!StreamTextOutOfRichInk(Editor.note))
        return 0;
    if (change.removed)
        return RecreateWithNote({AddTaskFromForm, UpdateTaskFromForm, DeleteOutlookTask}, SelectedTaskOid);
    return UpdateTaskFromForm(SelectedTaskOid);
}

void AfterSave(CEOID saved)
{
    SelectedTaskOid = saved;
    TaskToReselect = saved;
    if (CurrentView == kTaskView)
        RunHook(Hooks.LoadTaskList);
    else
        RunHook(Hooks.LoadContactTaskList);
    ViewStale[kTaskView] = 1;
}

void DestroyNote()
{
    if (Editor.note)
        DestroyWindow(Editor.note);
    Editor.note = nullptr;
}

const int kClearedForNext[] = {IDC_TASK_TITLE, IDC_TASK_NOTE};

void ContinueWithNext(HWND dialog)
{
    ClearForNextItem(dialog, {kClearedForNext, IDC_TASK_RECURRENCE, IDC_TASK_PERSON, IDC_TASK_TITLE}, kTaskView);
}

void SaveTask(HWND dialog, int button)
{
    if (TrimmedText(dialog, IDC_TASK_TITLE, kTitleChars).empty()) {
        TellUser(dialog, kNeedTitle, kErrorCaption, IDC_TASK_TITLE);
        return;
    }
    CEOID saved = 0;
    {
        WaitCursor wait;
        saved = WriteTask(CopyTaskForm(dialog));
        if (saved)
            AfterSave(saved);
    }
    if (!saved) {
        TellUser(dialog, Editor.update ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_TASK_TITLE);
        return;
    }
    switch (button) {
    case IDC_EDITOR_EXTEND:
        DestroyNote();
        EndDialog(dialog, IDOK);
        ShowOutlookTask(saved);
        break;
    case IDC_EDITOR_CONTINUE: ContinueWithNext(dialog); break;
    default:
        DestroyNote();
        EndDialog(dialog, IDOK);
        break;
    }
}

void OnTaskCommand(HWND dialog, int id, int code, HWND control)
{
    if (OnSharedEditorCommand(dialog, id, code, control, Editor.note))
        return;
    switch (id) {
    case IDC_TASK_TITLE:
        if (code == EN_SETFOCUS) {
            UseHangulInput(control);
            SendMessageW(control, EM_SETSEL, 0, -1);
        }
        break;
    case IDC_TASK_NOTE:
        if (code == EN_SETFOCUS)
            UseHangulInput(control);
        break;
    case IDC_TASK_PERSON:
        if (code == EN_SETFOCUS)
            OnPersonFieldFocus(dialog, IDC_TASK_PERSON, kTaskView);
        break;
    case IDC_TASK_RECURRENCE:
        if (code == CBN_SELCHANGE && ComboIndex(dialog, IDC_TASK_RECURRENCE) == kChoiceCustom)
            RunWizardFromEditor(dialog, IDC_TASK_RECURRENCE, IDC_TASK_START_DATE, Editor.loadedCode);
        break;
    case IDC_TASK_START_SET:
    case IDC_TASK_DUE_SET:
    case IDC_TASK_REMINDER:
        if (code == BN_CLICKED)
            EnableByChecks(dialog);
        break;
    case IDC_EDITOR_OK:
    case IDC_EDITOR_CONTINUE:
    case IDC_EDITOR_EXTEND:
        if (code == BN_CLICKED)
            SaveTask(dialog, id);
        break;
    }
}

}  // namespace

std::span<const ControlPlace> TaskPlaces()
{
    return kPlaces;
}

INT_PTR CALLBACK TaskEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnTaskInit(dialog);
    case WM_COMMAND:
        OnTaskCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TASK_START_DATE && header->code == DTN_DATETIMECHANGE)
            FillRecurrence(dialog, ComboIndex(dialog, IDC_TASK_RECURRENCE));
        break;
    }
    case kMsgPersonPicked:
        OnPersonPicked(dialog, static_cast<int>(wParam));
        return TRUE;
    case WM_DRAWITEM:
        return DrawEditorButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Editor.update);
    case WM_DESTROY:
        FreeEditorPictures(dialog);
        Editor.note = nullptr;
        break;
    }
    return FALSE;
}
