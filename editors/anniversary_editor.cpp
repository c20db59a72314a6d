#include "editors/anniversary_editor.h"

#include "core/anniversary_save.h"
#include "core/dates.h"
#include "core/id_counters.h"
#include "core/item_form.h"
#include "core/text_helpers.h"
#include "core/wait_cursor.h"
#include "editors/assignee_picker.h"
#include "editors/diary_form_frame.h"
#include "lists/anniversary_rows.h"
#include "lists/form_loaders.h"
#include "lists/item_list_state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

#include <cwchar>

namespace {

constexpr wchar_t kNeedTitle[] = L"기념일 제목은 반드시 입력해야 합니다";
constexpr wchar_t kBadDate[] = L"날짜 자료가 올바르지 않습니다";
constexpr wchar_t kInsertFailed[] = L"기념일 등록에 실패했습니다";
constexpr wchar_t kUpdateFailed[] = L"기념일 수정에 실패했습니다";
constexpr int kTitleChars = kFormTitleChars - 1;
constexpr int kYearDigits = 4;
constexpr int kLongestLunarMonth = 30;
constexpr int kFirstYear = 1601;  // the first a date of the object model holds
constexpr int kFirstLunarYear = 1841;
constexpr int kLastLunarYear = 2050;

const wchar_t* const kKinds[] = {L"생일", L"기념", L"제사", L"기타"};
const wchar_t* const kReminderChoices[] = {L"당일",    L"1일 전",  L"2일 전",  L"3일 전",  L"4일 전",  L"5일 전",
                                           L"6일 전",  L"7일 전",  L"10일 전", L"15일 전", L"20일 전", L"30일 전"};
const wchar_t* const kMonths[] = {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"11", L"12"};
const wchar_t* const kDays[] = {L"1",  L"2",  L"3",  L"4",  L"5",  L"6",  L"7",  L"8",  L"9",  L"10", L"11",
                                L"12", L"13", L"14", L"15", L"16", L"17", L"18", L"19", L"20", L"21", L"22",
                                L"23", L"24", L"25", L"26", L"27", L"28", L"29", L"30", L"31"};

constexpr int kLabelX = 2, kLabelWidth = 46, kFieldX = 50, kRowHeight = 20, kListHeight = 160;
constexpr int Row(int n) { return 2 + n * 22; }

const ControlPlace kPlaces[] = {
    {IDC_ANNIVERSARY_TITLE_LABEL, kLabelX, Row(0) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_TITLE, kFieldX, Row(0), 188, kRowHeight},
    {IDC_ANNIVERSARY_KIND_LABEL, kLabelX, Row(1) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_KIND, kFieldX, Row(1), 80, kListHeight},
    {IDC_ANNIVERSARY_LUNAR, 140, Row(1) + 1, 60, 18},
    {IDC_ANNIVERSARY_DATE_LABEL, kLabelX, Row(2) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_MONTH, kFieldX, Row(2), 44, kListHeight},
    {IDC_ANNIVERSARY_MONTH_LABEL, 96, Row(2) + 2, 16, 18},
    {IDC_ANNIVERSARY_DAY, 114, Row(2), 44, kListHeight},
    {IDC_ANNIVERSARY_DAY_LABEL, 160, Row(2) + 2, 16, 18},
    {IDC_ANNIVERSARY_YEAR_KNOWN, kFieldX, Row(3) + 1, 52, 18},
    {IDC_ANNIVERSARY_YEAR, 104, Row(3), 54, kRowHeight},
    {IDC_ANNIVERSARY_TIME_LABEL, kLabelX, Row(4) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_TIME, kFieldX, Row(4), 70, kRowHeight},
    {IDC_ANNIVERSARY_REMINDER_LABEL, kLabelX, Row(5) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_REMINDER, kFieldX, Row(5) + 1, 76, 18},
    {IDC_ANNIVERSARY_REMINDER_CHOICE, 128, Row(5), 80, kListHeight},
    {IDC_ANNIVERSARY_PERSON_LABEL, kLabelX, Row(6) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_PERSON, kFieldX, Row(6), 110, kRowHeight},
    {IDC_ANNIVERSARY_NOTE_LABEL, kLabelX, Row(7) + 2, kLabelWidth, 18},
    {IDC_ANNIVERSARY_NOTE, kFieldX, Row(7), 188, 266 - Row(7)},
};

bool updating = false;

void Select(HWND dialog, int id, int index)
{
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void EnableByChecks(HWND dialog)
{
    EnableControl(dialog, IDC_ANNIVERSARY_YEAR, IsChecked(dialog, IDC_ANNIVERSARY_YEAR_KNOWN));
    EnableControl(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, IsChecked(dialog, IDC_ANNIVERSARY_REMINDER));
}

void ShowDate(HWND dialog, int year, int month, int day)
{
    if (year > 0)
        SetDlgItemInt(dialog, IDC_ANNIVERSARY_YEAR, static_cast<UINT>(year), FALSE);
    Select(dialog, IDC_ANNIVERSARY_MONTH, month - 1);
    Select(dialog, IDC_ANNIVERSARY_DAY, day - 1);
}

void ShowNewAnniversary(HWND dialog)
{
    SYSTEMTIME today;
    GetLocalTime(&today);
    ShowDate(dialog, today.wYear, today.wMonth, today.wDay);
    // The kind the list shows, when it shows one.
    wchar_t kind = AnniversaryKindCode(AnniversaryKindChoice);
    Select(dialog, IDC_ANNIVERSARY_KIND, kind ? kind - L'0' : 0);
    SetPickerClock(dialog, IDC_ANNIVERSARY_TIME, kDefaultAnniversaryTime);
    Select(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, 0);
}

void ShowLoadedAnniversary(HWND dialog)
{
    const AnniversaryFormFields& form = ItemFormState.Anniversary;
    SetDlgItemTextW(dialog, IDC_ANNIVERSARY_TITLE, form.Title);
    int kind = form.Kind - L'0';
    Select(dialog, IDC_ANNIVERSARY_KIND, kind >= 0 && kind < 4 ? kind : 0);
    int year = 0, month = 1, day = 1;
    if (wcslen(form.Date) == 10)
        swscanf(form.Date, L"%4d-%2d-%2d", &year, &month, &day);
    else
        swscanf(form.Date, L"%2d/%2d", &month, &day);
    if (year == 0)
        year = _wtoi(form.StartYear);
    ShowDate(dialog, year, month, day);
    SetChecked(dialog, IDC_ANNIVERSARY_YEAR_KNOWN, form.YearKnown == L'1');
    SetChecked(dialog, IDC_ANNIVERSARY_LUNAR, form.Lunar == L'1');
    if (!SetPickerClock(dialog, IDC_ANNIVERSARY_TIME, form.Time))
        SetPickerClock(dialog, IDC_ANNIVERSARY_TIME, kDefaultAnniversaryTime);
    SetChecked(dialog, IDC_ANNIVERSARY_REMINDER, form.ReminderFlag == L'1');
    int choice = form.ReminderChoice;
    Select(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, choice >= 0 && choice < 12 ? choice : 0);
    SetDlgItemTextW(dialog, IDC_ANNIVERSARY_NOTE, form.Note);
}

BOOL OnAnniversaryInit(HWND dialog)
{
    updating = EditMode == kEditUpdate;
    StartDiaryForm(dialog, kPlaces);
    FillCombo(dialog, IDC_ANNIVERSARY_KIND, kKinds, 0);
    FillCombo(dialog, IDC_ANNIVERSARY_MONTH, kMonths, 0);
    FillCombo(dialog, IDC_ANNIVERSARY_DAY, kDays, 0);
    FillCombo(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, kReminderChoices, 0);
    SetPickerFormat(dialog, IDC_ANNIVERSARY_TIME, kTimeFormat);
    SendDlgItemMessageW(dialog, IDC_ANNIVERSARY_TITLE, EM_LIMITTEXT, kTitleChars, 0);
    SendDlgItemMessageW(dialog, IDC_ANNIVERSARY_YEAR, EM_LIMITTEXT, kYearDigits, 0);
    SendDlgItemMessageW(dialog, IDC_ANNIVERSARY_NOTE, EM_LIMITTEXT, kAnniversaryNoteChars - 1, 0);
    if (updating)
        ShowLoadedAnniversary(dialog);
    else
        ShowNewAnniversary(dialog);
    EnableByChecks(dialog);
    SetFocus(GetDlgItem(dialog, IDC_ANNIVERSARY_TITLE));
    return FALSE;
}

// ---- the person ---------------------------------------------------------------------------

// The picker chooses whose anniversary it is; the pending link of the items
// made afterwards stays as it was, and so does the main selection.
void PickPerson(HWND dialog)
{
    CEOID picked = 0;
    {
        PendingLinkKept link;
        AssigneeOid = 0;
        AssigneeName[0] = L'\0';
        RunAssigneePicker(dialog);
        picked = AssigneeOid;
    }
    if (picked == 0 || !LoadContactForm(picked))
        return;
    const ContactFormFields& contact = ItemFormState.Contact;
    // The person's name is the title only while the user has typed none.
    if (TrimmedText(dialog, IDC_ANNIVERSARY_TITLE, kTitleChars).empty()) {
        wchar_t name[kFormTitleChars];
        StringCchCopyW(name, ARRAYSIZE(name), contact.Name);
        StringCchCatW(name, ARRAYSIZE(name), contact.FirstName);
        SetDlgItemTextW(dialog, IDC_ANNIVERSARY_TITLE, name);
    }
    int year = 0, month = 0, day = 0;
    if (ComboIndex(dialog, IDC_ANNIVERSARY_KIND) == 0 && contact.Birthday[0] &&
        swscanf(contact.Birthday, L"%4d-%2d-%2d", &year, &month, &day) == 3) {
        ShowDate(dialog, year, month, day);
        SetChecked(dialog, IDC_ANNIVERSARY_YEAR_KNOWN, true);
        SetChecked(dialog, IDC_ANNIVERSARY_LUNAR, false);
        EnableByChecks(dialog);
    }
    SetFocus(GetDlgItem(dialog, IDC_ANNIVERSARY_TITLE));
}

// ---- saving --------------------------------------------------------------------------------

struct ChosenDay {
    int year;  // 0 when not known
    int month, day;
    bool lunar;
};

// The day as chosen; false, with the control to fix, when it cannot be saved.
bool ReadChosenDay(HWND dialog, ChosenDay* chosen, int* badControl)
{
    chosen->month = ComboIndex(dialog, IDC_ANNIVERSARY_MONTH) + 1;
    chosen->day = ComboIndex(dialog, IDC_ANNIVERSARY_DAY) + 1;
    chosen->lunar = IsChecked(dialog, IDC_ANNIVERSARY_LUNAR);
    chosen->year = 0;
    if (IsChecked(dialog, IDC_ANNIVERSARY_YEAR_KNOWN)) {
        BOOL read = FALSE;
        chosen->year = static_cast<int>(GetDlgItemInt(dialog, IDC_ANNIVERSARY_YEAR, &read, FALSE));
        int first = chosen->lunar ? kFirstLunarYear : kFirstYear;
        int last = chosen->lunar ? kLastLunarYear : 9999;
        if (!read || chosen->year < first || chosen->year > last) {
            *badControl = IDC_ANNIVERSARY_YEAR;
            return false;
        }
    }
    if (!AnniversaryDayValid(chosen->month, chosen->day, chosen->lunar, chosen->year)) {
        *badControl = IDC_ANNIVERSARY_DAY;
        return false;
    }
    return true;
}

void CopyForm(HWND dialog, const ChosenDay& chosen)
{
    AnniversaryFormFields& form = ItemFormState.Anniversary;
    ReadText(dialog, IDC_ANNIVERSARY_TITLE, form.Title, ARRAYSIZE(form.Title));
    TrimBlanks(form.Title);
    int kind = ComboIndex(dialog, IDC_ANNIVERSARY_KIND);
    form.Kind = static_cast<wchar_t>(L'0' + (kind >= 0 && kind < 4 ? kind : 0));
    form.YearKnown = chosen.year ? L'1' : L'0';
    if (chosen.year)
        StringCchPrintfW(form.Date, ARRAYSIZE(form.Date), L"%04d-%02d-%02d", chosen.year, chosen.month, chosen.day);
    else
        StringCchPrintfW(form.Date, ARRAYSIZE(form.Date), L"%02d/%02d", chosen.month, chosen.day);
    form.StartYear[0] = L'\0';
    if (chosen.year)
        StringCchPrintfW(form.StartYear, ARRAYSIZE(form.StartYear), L"%04d", chosen.year);
    form.Lunar = chosen.lunar ? L'1' : L'0';
    PickerTimeText(dialog, IDC_ANNIVERSARY_TIME, form.Time, ARRAYSIZE(form.Time));
    form.ReminderFlag = IsChecked(dialog, IDC_ANNIVERSARY_REMINDER) ? L'1' : L'0';
    form.ReminderChoice = ComboIndex(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE);
    if (form.ReminderChoice < 0)
        form.ReminderChoice = 0;
    ReadText(dialog, IDC_ANNIVERSARY_NOTE, form.Note, ARRAYSIZE(form.Note));
}

bool SaveUnderId(int32_t id, const ChosenDay& chosen)
{
    AnniversaryFormFields& form = ItemFormState.Anniversary;
    wchar_t month[3], day[3];
    StringCchPrintfW(month, ARRAYSIZE(month), L"%02d", chosen.month);
    StringCchPrintfW(day, ARRAYSIZE(day), L"%02d", chosen.day);
    return SaveNewAnniversary(id, form.Title, form.YearKnown, form.Date, form.Lunar, form.Kind, form.ReminderFlag,
                              form.ReminderChoice, form.Time, form.StartYear, month, day, form.Note);
}

// A changed anniversary is saved again under its id before its old rows
// go, so a save that fails leaves the old one whole.
bool WriteAnniversary(const ChosenDay& chosen, int32_t* id)
{
    if (!updating) {
        *id = NextAnniversaryId();
        return SaveUnderId(*id, chosen);
    }
    *id = static_cast<int32_t>(SelectedAnniversaryId);
    const std::vector<StoredAnniversary> old = FindStoredAnniversaries(*id);
    if (!SaveUnderId(*id, chosen))
        return false;
    if (DeleteStoredAnniversaries(old))
        return true;
    // Never stored twice: the new rows go again, and what the old ones left
    // is found by the id on the next try.
    DeleteStoredAnniversaries(AnniversaryRowsBeside(*id, old));
    return false;
}

void AfterSave(int32_t id)
{
    SelectedAnniversaryId = id;
    AnniversaryToReselect = id;
    if (CurrentView == kAnniversaryView) {
        const wchar_t* kind = kKinds[ItemFormState.Anniversary.Kind - L'0'];
        if (wcscmp(kind, AnniversaryKindChoice) != 0 && wcscmp(AnniversaryKindChoice, kAllKindsChoice) != 0) {
            AnniversaryKindRow = 0;
            RunHook(Hooks.FillAnniversaryKindPickList);
        }
        RunHook(Hooks.LoadAnniversaryList);
    }
    ViewStale[kScheduleView] = 1;
    ViewStale[kAnniversaryView] = 1;
    RunHook(Hooks.ForgetMonthSchedule);
}

void SaveAnniversary(HWND dialog)
{
    if (TrimmedText(dialog, IDC_ANNIVERSARY_TITLE, kTitleChars).empty()) {
        TellUser(dialog, kNeedTitle, kErrorCaption, IDC_ANNIVERSARY_TITLE);
        return;
    }
    ChosenDay chosen;
    int badControl = 0;
    if (!ReadChosenDay(dialog, &chosen, &badControl)) {
        TellUser(dialog, kBadDate, kErrorCaption, badControl);
        return;
    }
    bool saved = false;
    int32_t id = 0;
    {
        WaitCursor wait;
        CopyForm(dialog, chosen);
        saved = WriteAnniversary(chosen, &id);
        if (saved)
            AfterSave(id);
    }
    if (!saved) {
        TellUser(dialog, updating ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_EDITOR_OK);
        return;
    }
    EndDialog(dialog, IDOK);
}

void OnAnniversaryCommand(HWND dialog, int id, int code)
{
    switch (id) {
    case IDC_ANNIVERSARY_TITLE:
    case IDC_ANNIVERSARY_NOTE:
        if (code == EN_SETFOCUS)
            UseHangulInput(GetDlgItem(dialog, id));
        break;
    case IDC_ANNIVERSARY_YEAR_KNOWN:
    case IDC_ANNIVERSARY_REMINDER:
        if (code == BN_CLICKED)
            EnableByChecks(dialog);
        break;
    case IDC_ANNIVERSARY_PERSON:
        if (code == BN_CLICKED)
            PickPerson(dialog);
        break;
    case IDC_EDITOR_OK:
        if (code == BN_CLICKED)
            SaveAnniversary(dialog);
        break;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
    }
}

}  // namespace

bool AnniversaryDayValid(int month, int day, bool lunar, int knownYear)
{
    if (month < 1 || month > 12 || day < 1)
        return false;
    if (lunar)
        return day <= kLongestLunarMonth;
    // Without a year 29 February stands for the leap years' day.
    constexpr int kAnyLeapYear = 2000;
    return day <= DaysInMonth(knownYear ? knownYear : kAnyLeapYear, month);
}

INT_PTR CALLBACK AnniversaryEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnAnniversaryInit(dialog);
    case WM_COMMAND:
        OnAnniversaryCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        return DrawDiaryFormButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), updating);
    }
    return FALSE;
}
