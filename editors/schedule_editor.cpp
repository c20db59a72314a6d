#include "editors/schedule_editor.h"

#include "core/dates.h"
#include "core/item_commands.h"
#include "core/lunar.h"
#include "core/outlook_items.h"
#include "core/outlook_writers.h"
#include "core/rich_ink.h"
#include "core/text_helpers.h"
#include "core/wait_cursor.h"
#include "editors/editor_controls.h"
#include "editors/editor_steps.h"
#include "editors/recurrence_choices.h"
#include "editors/reminder_interval.h"
#include "lists/state.h"
#include "lists/subject_lists.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kNeedTitle[] = L"일정 제목은 반드시 입력해야 합니다";
constexpr wchar_t kTooLong[] = L"약속은 31일보다 길 수 없습니다";
constexpr wchar_t kInsertFailed[] = L"일정 등록에 실패했습니다";
constexpr wchar_t kUpdateFailed[] = L"일정 수정에 실패했습니다";
constexpr wchar_t kErrorCaption[] = L"오류";
constexpr wchar_t kNoticeCaption[] = L"알림";
constexpr wchar_t kWeekdayLetters[] = L"일월화수목금토";
constexpr int kTitleChars = 100;
constexpr int kNoteChars = 255;
constexpr int kLongestAppointmentDays = 31;
constexpr DWORD kFirstVersionWithLongAppointments = 5;
constexpr int kRightColumnX = 170;
constexpr int kLeftColumnX = 85;
constexpr int kTimeBeforeCheck = 57;
// The closed combo boxes are as tall as their places, so that the rows
// above and below them stay clear.
constexpr int kComboFieldHeight = 20;
const int kComboFields[] = {IDC_SCHEDULE_REMINDER_AMOUNT, IDC_SCHEDULE_REMINDER_UNIT, IDC_SCHEDULE_TITLE,
                            IDC_SCHEDULE_PLACE, IDC_SCHEDULE_RECURRENCE};
// The pickers' places are fixed; their widest texts decide their faces.
const int kDatePickers[] = {IDC_SCHEDULE_START_DATE, IDC_SCHEDULE_END_DATE};
const int kTimePickers[] = {IDC_SCHEDULE_START_TIME, IDC_SCHEDULE_END_TIME};
constexpr wchar_t kWidestDate[] = L"0000-00-00";
constexpr wchar_t kWidestTime[] = L"00:00";

const ControlPlace kPlaces[] = {
    {IDC_SCHEDULE_DATE_LABEL, 2, 3, 26, 18},
    {IDC_SCHEDULE_START_DATE, 28, 1, 84, 20},
    {IDC_SCHEDULE_TIMES_ON, 170, 2, 70, 18},
    {IDC_SCHEDULE_START_TIME, 113, 1, 54, 20},
    {IDC_SCHEDULE_END_DATE, 28, 22, 84, 20},
    {IDC_SCHEDULE_PERIOD_ON, 170, 23, 70, 18},
    {IDC_SCHEDULE_END_TIME, 113, 22, 54, 20},
    {IDC_SCHEDULE_TITLE_LABEL, 2, 66, 26, 18},
    {IDC_SCHEDULE_TITLE, 28, 64, 210, 160},
    {IDC_SCHEDULE_PLACE_LABEL, 2, 87, 26, 18},
    {IDC_SCHEDULE_PLACE, 28, 85, 210, 160},
    {IDC_SCHEDULE_NOTE_LABEL, 2, 108, 26, 18},
    {IDC_SCHEDULE_NOTE, 28, 106, 210, 59},
    {IDC_SCHEDULE_RECURRENCE_LABEL, 2, 168, 26, 18},
    {IDC_SCHEDULE_RECURRENCE, 28, 166, 100, 120},
    {IDC_SCHEDULE_PERSON_LABEL, 131, 168, 38, 18},
    {IDC_SCHEDULE_PERSON, 170, 166, 68, 20},
    {IDC_SCHEDULE_REMINDER_LABEL, 2, 45, 26, 18},
    {IDC_SCHEDULE_REMINDER, 28, 44, 78, 18},
    {IDC_SCHEDULE_REMINDER_AMOUNT, 106, 43, 40, 140},
    {IDC_SCHEDULE_REMINDER_UNIT, 147, 43, 50, 100},
    // In the free band under the repeat row, where it covers nothing.
    {IDC_SCHEDULE_LUNAR, 28, 190, 150, 18},
};

const wchar_t* const kUnits[] = {L"분", L"시간", L"일", L"주"};
const wchar_t* const kMinuteAmounts[] = {L"1", L"5", L"10", L"15", L"30", L"45"};
const wchar_t* const kHourAmounts[] = {L"1", L"2", L"3", L"4", L"5", L"6"};
const wchar_t* const kWeekAmounts[] = {L"1", L"2", L"3"};

std::span<const wchar_t* const> AmountsOfUnit(int unit)
{
    switch (unit) {
    case kUnitHours:
    case kUnitDays: return kHourAmounts;
    case kUnitWeeks: return kWeekAmounts;
    default: return kMinuteAmounts;
    }
}

// The dialog now open (the editor is modal, so one at a time).
struct ScheduleEditorState {
    bool update;
    bool single;         // one occurrence of a series
    wchar_t loadedCode;  // the repeat code the item was loaded with
    HWND note;           // the Rich Ink note of an update
    HFONT dateFont, timeFont;  // the pickers' faces, fitted to their places
};
ScheduleEditorState Editor;

// ---- what the controls show ------------------------------------------------------

// The time boxes beside the dates, or in the left column with the dates
// hidden (a repeating item, whose dates are its rule's).
void PlaceTimeColumn(HWND dialog, bool left)
{
    int checkX = left ? kLeftColumnX : kRightColumnX;
    MoveControl(dialog, IDC_SCHEDULE_TIMES_ON, checkX, 2);
    MoveControl(dialog, IDC_SCHEDULE_PERIOD_ON, checkX, 23);
    MoveControl(dialog, IDC_SCHEDULE_START_TIME, checkX - kTimeBeforeCheck, 1);
    MoveControl(dialog, IDC_SCHEDULE_END_TIME, checkX - kTimeBeforeCheck, 22);
    ShowControl(dialog, IDC_SCHEDULE_START_DATE, !left);
    ShowControl(dialog, IDC_SCHEDULE_END_DATE, !left);
    InvalidateRect(dialog, nullptr, TRUE);
}

void EnableByChecks(HWND dialog)
{
    bool times = IsChecked(dialog, IDC_SCHEDULE_TIMES_ON);
    bool period = IsChecked(dialog, IDC_SCHEDULE_PERIOD_ON);
    bool reminder = IsChecked(dialog, IDC_SCHEDULE_REMINDER);
    EnableControl(dialog, IDC_SCHEDULE_START_TIME, times);
    EnableControl(dialog, IDC_SCHEDULE_END_DATE, period);
    EnableControl(dialog, IDC_SCHEDULE_END_TIME, times && period);
    EnableControl(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, reminder);
    EnableControl(dialog, IDC_SCHEDULE_REMINDER_UNIT, reminder);
}

void ShowLunarLabel(HWND dialog)
{
    SYSTEMTIME day = PickerTime(dialog, IDC_SCHEDULE_START_DATE);
    LunarDate lunar;
    wchar_t text[32] = L"";
    if (SolarToLunar(day.wYear, day.wMonth, day.wDay, &lunar)) {
        wchar_t weekday = kWeekdayLetters[WeekdayOfDayNumber(DayNumber(day.wYear, day.wMonth, day.wDay))];
        StringCchPrintfW(text, ARRAYSIZE(text), lunar.leap ? L"%c(음윤%d/%d)" : L"%c(음%d/%d)", weekday, lunar.month,
                         lunar.day);
    }
    SetDlgItemTextW(dialog, IDC_SCHEDULE_LUNAR, text);
}

// The amount list of the unit, the typed amount kept.
void FillAmounts(HWND dialog, int unit)
{
    wchar_t typed[kReminderAmountChars] = L"";
    ReadText(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, typed, ARRAYSIZE(typed));
    FillCombo(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, AmountsOfUnit(unit), kReminderAmountDigits);
    SetDlgItemTextW(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, typed);
}

void ShowReminder(HWND dialog, int unit, const wchar_t* amount)
{
    SendDlgItemMessageW(dialog, IDC_SCHEDULE_REMINDER_UNIT, CB_SETCURSEL, static_cast<WPARAM>(unit), 0);
    SetDlgItemTextW(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, amount);
    FillAmounts(dialog, unit);
}

void FillRecurrence(HWND dialog, int chosen)
{
    FillRecurrenceChoices(GetDlgItem(dialog, IDC_SCHEDULE_RECURRENCE), PickerTime(dialog, IDC_SCHEDULE_START_DATE),
                          chosen);
}

// The title and place lists: the month schedule's recent subjects and places.
void FillRecentTexts(HWND dialog)
{
    BuildSubjectAndLocationLists();
    for (int i = 0; i < SubjectListCount; ++i)
        SendDlgItemMessageW(dialog, IDC_SCHEDULE_TITLE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SubjectList[i]));
    for (int i = 0; i < LocationListCount; ++i)
        SendDlgItemMessageW(dialog, IDC_SCHEDULE_PLACE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LocationList[i]));
}

void SetClock(HWND dialog, int id, const wchar_t* time, const wchar_t* fallback)
{
    if (!SetPickerClock(dialog, id, time))
        SetPickerClock(dialog, id, fallback);
}

void ShowNewAppointment(HWND dialog)
{
    RecurrencePatternState.RangeStart[0] = L'\0';
    RecurrencePatternState.RangeEnd[0] = L'\0';
    SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, CurrentDate);
    SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, CurrentDate);
    SetClock(dialog, IDC_SCHEDULE_START_TIME, L"12:00", L"12:00");
    SetClock(dialog, IDC_SCHEDULE_END_TIME, L"13:00", L"13:00");
    FillRecurrence(dialog, kChoiceOnce);
    ShowReminder(dialog, kUnitMinutes, L"15");
}

void ShowLoadedAppointment(HWND dialog)
{
    const ItemFormFields& f = ItemFormState;
    SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, f.StartDate);
    if (!SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, f.EndDate))
        SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, f.StartDate);
    SetClock(dialog, IDC_SCHEDULE_START_TIME, f.StartTime, L"12:00");
    SetClock(dialog, IDC_SCHEDULE_END_TIME, f.EndTime[0] ? f.EndTime : f.StartTime, L"13:00");
    SetChecked(dialog, IDC_SCHEDULE_TIMES_ON, f.StartTime[0] != L'\0');
    bool longerTime = f.EndTime[0] && lstrcmpW(f.EndTime, f.StartTime) != 0;
    bool longerDate = f.EndDate[0] && lstrcmpW(f.EndDate, f.StartDate) != 0;
    SetChecked(dialog, IDC_SCHEDULE_PERIOD_ON, longerTime || longerDate);
    FillRecurrence(dialog, f.RecurrenceCode - L'0');
    SetChecked(dialog, IDC_SCHEDULE_REMINDER, f.ReminderFlag == L'1');
    FormatReminderInterval(f.ReminderMinutes);
    ShowReminder(dialog, ReminderUnitIndex, ReminderAmountText);
    SetDlgItemTextW(dialog, IDC_SCHEDULE_TITLE, f.Title);
    SetDlgItemTextW(dialog, IDC_SCHEDULE_PLACE, f.Place);
    // One occurrence keeps its date pickers, so that it can be moved; the
    // series' dates are its rule's.
    if (Editor.single) {
        EnableControl(dialog, IDC_SCHEDULE_RECURRENCE, false);
        EnableControl(dialog, IDC_SCHEDULE_PERSON, false);
    } else if (f.RecurrenceCode != L'0') {
        PlaceTimeColumn(dialog, true);
    }
    StreamTextIntoRichInk(Editor.note);
}

BOOL OnScheduleInit(HWND dialog)
{
    bool update = EditMode == kEditUpdate;
    Editor = {update, update && EditSingleOccurrence != 0, update ? ItemFormState.RecurrenceCode : L'0', nullptr,
              nullptr, nullptr};
    MakeFullScreen(dialog);
    PlaceControls(dialog, kPlaces);
    for (int id : kComboFields)
        SetComboFieldHeight(dialog, id, kComboFieldHeight);
    PlaceEditorButtons(dialog, update);
    ShowEditorPictures(dialog);
    if (update)
        Editor.note = ReplaceNoteWithRichInk(dialog, IDC_SCHEDULE_NOTE);
    for (int id : kDatePickers)
        SetPickerFormat(dialog, id, kDateFormat);
    for (int id : kTimePickers)
        SetPickerFormat(dialog, id, kTimeFormat);
    Editor.dateFont = FitPickerFont(dialog, kDatePickers, kWidestDate);
    Editor.timeFont = FitPickerFont(dialog, kTimePickers, kWidestTime);
    FillCombo(dialog, IDC_SCHEDULE_REMINDER_UNIT, kUnits, 0);
    FillRecentTexts(dialog);
    SendDlgItemMessageW(dialog, IDC_SCHEDULE_TITLE, CB_LIMITTEXT, kTitleChars, 0);
    SendDlgItemMessageW(dialog, IDC_SCHEDULE_PLACE, CB_LIMITTEXT, kTitleChars, 0);
    SendDlgItemMessageW(dialog, IDC_SCHEDULE_NOTE, EM_LIMITTEXT, kNoteChars, 0);
    ShowPersonField(dialog, IDC_SCHEDULE_PERSON, kScheduleView);
    if (update)
        ShowLoadedAppointment(dialog);
    else
        ShowNewAppointment(dialog);
    ShowLunarLabel(dialog);
    EnableByChecks(dialog);
    return TRUE;
}

// ---- reactions -------------------------------------------------------------------------

void OnStartDateChanged(HWND dialog)
{
    ShowLunarLabel(dialog);
    SYSTEMTIME start = PickerTime(dialog, IDC_SCHEDULE_START_DATE);
    SYSTEMTIME end = PickerTime(dialog, IDC_SCHEDULE_END_DATE);
    if (DayNumber(end.wYear, end.wMonth, end.wDay) < DayNumber(start.wYear, start.wMonth, start.wDay)) {
        end.wYear = start.wYear;
        end.wMonth = start.wMonth;
        end.wDay = start.wDay;
        SetPickerTime(dialog, IDC_SCHEDULE_END_DATE, end);
    }
    if (!Editor.single) {
        int chosen = ComboIndex(dialog, IDC_SCHEDULE_RECURRENCE);
        FillRecurrence(dialog, chosen);
    }
}

void OnRecurrenceChosen(HWND dialog)
{
    int chosen = ComboIndex(dialog, IDC_SCHEDULE_RECURRENCE);
    PlaceTimeColumn(dialog, chosen != kChoiceOnce);
    if (chosen == kChoiceCustom)
        RunWizardFromEditor(dialog, IDC_SCHEDULE_RECURRENCE, IDC_SCHEDULE_START_DATE, Editor.loadedCode);
}

void OnUnitChosen(HWND dialog)
{
    FillAmounts(dialog, ComboIndex(dialog, IDC_SCHEDULE_REMINDER_UNIT));
}

// ---- saving -------------------------------------------------------------------------------

void CopyDatesAndTimes(HWND dialog)
{
    ItemFormFields& f = ItemFormState;
    bool times = IsChecked(dialog, IDC_SCHEDULE_TIMES_ON);
    PickerDateText(dialog, IDC_SCHEDULE_START_DATE, f.StartDate, ARRAYSIZE(f.StartDate));
    f.StartTime[0] = L'\0';
    if (times)
        PickerTimeText(dialog, IDC_SCHEDULE_START_TIME, f.StartTime, ARRAYSIZE(f.StartTime));
    f.EndDate[0] = L'\0';
    f.EndTime[0] = L'\0';
    if (IsChecked(dialog, IDC_SCHEDULE_PERIOD_ON)) {
        PickerDateText(dialog, IDC_SCHEDULE_END_DATE, f.EndDate, ARRAYSIZE(f.EndDate));
        if (times)
            PickerTimeText(dialog, IDC_SCHEDULE_END_TIME, f.EndTime, ARRAYSIZE(f.EndTime));
    }
}

bool TooLongForThisSystem()
{
    return OsMajorVersion < kFirstVersionWithLongAppointments &&
           CountDaysInclusive(ItemFormState.StartDate, ItemFormState.EndDate) > kLongestAppointmentDays;
}

RecurrenceChange CopyTheRest(HWND dialog)
{
    ItemFormFields& f = ItemFormState;
    bool reminder = IsChecked(dialog, IDC_SCHEDULE_REMINDER);
    f.ReminderFlag = reminder ? L'1' : L'0';
    f.ReminderMinutes = 0;
    if (reminder) {
        ReadText(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, ReminderAmountText, ARRAYSIZE(ReminderAmountText));
        ReminderUnitIndex =
            ComboIndex(dialog, IDC_SCHEDULE_REMINDER_UNIT);
        f.ReminderMinutes = ReminderMinutesOf(ReminderAmountText, ReminderUnitIndex);
    }
    ReadText(dialog, IDC_SCHEDULE_TITLE, f.Title, kTitleChars + 1);
    ReadText(dialog, IDC_SCHEDULE_PLACE, f.Place, kTitleChars + 1);
    if (!Editor.update) {
        ReadText(dialog, IDC_SCHEDULE_NOTE, f.Body, kNoteChars + 1);
        TrimBlanks(f.Body);
    }
    RecurrenceChange change = ChosenRecurrence(dialog, IDC_SCHEDULE_RECURRENCE, Editor.loadedCode);
    f.RecurrenceCode = change.code;
    SeedRecurrence(PickerTime(dialog, IDC_SCHEDULE_START_DATE));
    CompleteRecurrenceForSave();
    return change;
}

CEOID WriteAppointment(const RecurrenceChange& change)
{
    if (!Editor.update)
        return AddAppointmentFromForm();
    // A note that cannot be read back must not be written over the stored one.
    if (!StreamTextOutOfRichInk(Editor.note))
        return 0;
    if (Editor.single)
        return UpdateOccurrenceFromForm(SelectedAppointmentOid);
    if (change.removed)
        return RecreateWithNote({AddAppointmentFromForm, UpdateAppointmentFromForm, DeleteOutlookAppointment},
                                SelectedAppointmentOid);
    return UpdateAppointmentFromForm(SelectedAppointmentOid);
}

UINT ScheduleModeCommand()
{
    switch (ScheduleMode) {
    case 'D': return ID_SCHEDULE_DAY_MODE;
    case 'W': return ID_SCHEDULE_WEEK_MODE;
    default: return ID_SCHEDULE_MONTH_MODE;
    }
}

// The month is read again, so that the list and the grid show the saved
// appointment, and the reload selects it.
void AfterSave(CEOID saved)
{
    SelectedAppointmentOid = saved;
    AppointmentToReselect = saved;
    RunHook(Hooks.ForgetMonthSchedule);
    if (CurrentView == kScheduleView) {
        StringCchCopyW(CurrentDate, ARRAYSIZE(CurrentDate), ItemFormState.StartDate);
        if (ToolbarWindow)
            SendMessageW(ToolbarWindow, WM_COMMAND, ScheduleModeCommand(), 0);
    } else {
        RunHook(Hooks.LoadContactSchedule);
    }
    ViewStale[kScheduleView] = 1;
}

// "확장등록": the saved appointment, or the edited occurrence, in the
// platform's form.
void ShowSavedAppointment(CEOID saved)
{
    if (!Editor.single) {
        ShowOutlookAppointment(saved);
        return;
    }
    ComRef<IAppointment> series = AppointmentFromOid(saved);
    ComRef<IRecurrencePattern> pattern;
    DATE start = 0;
    ComRef<IAppointment> occurrence;
    if (series && SUCCEEDED(series->GetRecurrencePattern(pattern.Out())) && pattern &&
        VariantDateOf(ItemFormState.OccurrenceStartDate, ItemFormState.OccurrenceStartTime, &start) &&
        SUCCEEDED(pattern->GetOccurrence(start, occurrence.Out())) && occurrence)
        occurrence->Display();
    else
        ShowOutlookAppointment(saved);
}

const int kClearedForNext[] = {IDC_SCHEDULE_TITLE, IDC_SCHEDULE_PLACE, IDC_SCHEDULE_NOTE};

void ContinueWithNext(HWND dialog)
{
    ClearForNextItem(dialog, {kClearedForNext, IDC_SCHEDULE_RECURRENCE, IDC_SCHEDULE_PERSON, IDC_SCHEDULE_TITLE},
                     kScheduleView);
    PlaceTimeColumn(dialog, false);
}

void SaveAppointment(HWND dialog, int button)
{
    if (TrimmedText(dialog, IDC_SCHEDULE_TITLE, kTitleChars).empty()) {
        TellUser(dialog, kNeedTitle, kErrorCaption, IDC_SCHEDULE_TITLE);
        return;
    }
    bool tooLong = false;
    CEOID saved = 0;
    {
        WaitCursor wait;
        CopyDatesAndTimes(dialog);
        tooLong = TooLongForThisSystem();
        if (!tooLong)
            saved = WriteAppointment(CopyTheRest(dialog));
        if (saved)
            AfterSave(saved);
    }
    if (tooLong) {
        TellUser(dialog, kTooLong, kNoticeCaption, IDC_SCHEDULE_END_DATE);
        return;
    }
    if (!saved) {
        TellUser(dialog, Editor.update ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_SCHEDULE_REMINDER_AMOUNT);
        return;
    }
    switch (button) {
    case IDC_EDITOR_EXTEND:
        EndDialog(dialog, IDOK);
        ShowSavedAppointment(saved);
        break;
    case IDC_EDITOR_CONTINUE: ContinueWithNext(dialog); break;
    default: EndDialog(dialog, IDOK); break;
    }
}

// ---- commands ---------------------------------------------------------------------------

void OnTitleFocus(HWND dialog)
{
    HWND title = GetDlgItem(dialog, IDC_SCHEDULE_TITLE);
    HWND edit = GetWindow(title, GW_CHILD);
    UseHangulInput(edit ? edit : title);
    SendMessageW(title, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void OnScheduleCommand(HWND dialog, int id, int code, HWND control)
{
    if (OnSharedEditorCommand(dialog, id, code, control, Editor.note))
        return;
    switch (id) {
    case IDC_SCHEDULE_TITLE:
        if (code == CBN_SETFOCUS)
            OnTitleFocus(dialog);
        break;
    case IDC_SCHEDULE_NOTE:
        if (code == EN_SETFOCUS)
            UseHangulInput(control);
        break;
    case IDC_SCHEDULE_PERSON:
        if (code == EN_SETFOCUS)
            OnPersonFieldFocus(dialog, IDC_SCHEDULE_PERSON, kScheduleView);
        break;
    case IDC_SCHEDULE_RECURRENCE:
        if (code == CBN_SELCHANGE)
            OnRecurrenceChosen(dialog);
        break;
    case IDC_SCHEDULE_REMINDER_UNIT:
        if (code == CBN_SELCHANGE)
            OnUnitChosen(dialog);
        break;
    case IDC_SCHEDULE_TIMES_ON:
    case IDC_SCHEDULE_PERIOD_ON:
    case IDC_SCHEDULE_REMINDER:
        if (code == BN_CLICKED)
            EnableByChecks(dialog);
        break;
    case IDC_EDITOR_OK:
    case IDC_EDITOR_CONTINUE:
    case IDC_EDITOR_EXTEND:
        if (code == BN_CLICKED)
            SaveAppointment(dialog, id);
        break;
    }
}

}  // namespace

std::span<const ControlPlace> SchedulePlaces()
{
    return kPlaces;
}

INT_PTR CALLBACK ScheduleEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnScheduleInit(dialog);
    case WM_COMMAND:
        OnScheduleCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_SCHEDULE_START_DATE && header->code == DTN_DATETIMECHANGE)
            OnStartDateChanged(dialog);
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
        for (HFONT* font : {&Editor.dateFont, &Editor.timeFont}) {
            if (*font)
                DeleteObject(*font);
            *font = nullptr;
        }
        break;
    }
    return FALSE;
}
