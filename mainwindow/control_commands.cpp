#include "mainwindow/control_commands.h"

#include "core/dates.h"
#include "mainwindow/button_faces.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <cstdio>
#include <cwchar>

namespace {

// A row acts on every notification code, or on this one only.
constexpr UINT kAnyCode = 0xFFFFFFFF;
// The search-field letters in the order of the combo boxes' entries.
constexpr char kSearchFieldLetters[] = {'S', 'N', 'C', 'T'};
// Both search texts are read back with room for 19 characters.
constexpr int kSearchTextRoom = 20;
constexpr DWORD kHangulMode = IME_CMODE_HANGUL;
constexpr int kSteppedDay = 7;

void Focus(HWND control)
{
    if (control)
        SetFocus(control);
}

void Repaint(HWND control)
{
    if (control)
        InvalidateRect(control, nullptr, TRUE);
}

// ---- focus only --------------------------------------------------------------------

void FocusCurrent(HWND, UINT) { FocusCurrentView(); }
void FocusKeypadList(HWND, UINT) { Focus(KeypadResultList); }
void FocusCompanyList(HWND, UINT) { Focus(CompanyContactList); }
void FocusGroupList(HWND, UINT) { Focus(GroupContactList); }
void FocusContactList(HWND, UINT) { Focus(ContactList); }
void FocusSearchBox(HWND, UINT) { Focus(ContactSearchBox); }

void KeypadFieldFocused(HWND, UINT)
{
    SetLatinInputSamsung(KeypadTextBox);
    Focus(KeypadResultList);
}

void ScheduleFieldFocused(HWND, UINT)
{
    SetLatinInput(GridMonthLabel);
    Focus(ScheduleList);
}

void AnniversaryFieldFocused(HWND, UINT)
{
    SetLatinInput(AnniversaryYearLabel);
    Focus(AnniversaryList);
}

void GoToMonth(HWND window, UINT)
{
    Focus(ScheduleList);
    if (Hooks.RunGoToMonthDialog)
        Hooks.RunGoToMonthDialog(window);
}

// ---- the keypad search -------------------------------------------------------------------

void RefilterKeypad()
{
    RunHook(Hooks.FilterContactsByKeypad);
    Focus(KeypadResultList);
}

// Reads the keypad text back; at most 19 characters come back, so a 20th
// is replaced by the next digit.
void ReadKeypadText()
{
    KeypadText[0] = L'\0';
    if (KeypadTextBox)
        GetWindowTextW(KeypadTextBox, KeypadText, kSearchTextRoom);
}

void WriteKeypadText()
{
    if (KeypadTextBox)
        SetWindowTextW(KeypadTextBox, KeypadText);
}

void TypeKeypadDigit(HWND, UINT id)
{
    const wchar_t digit = id == IDC_KEY_0 ? L'0' : static_cast<wchar_t>(L'1' + (id - IDC_KEY_1));
    ReadKeypadText();
    const size_t length = wcslen(KeypadText);
    KeypadText[length] = digit;
    KeypadText[length + 1] = L'\0';
    WriteKeypadText();
    ViewSelection[kContactSearchView] = 0;
    RefilterKeypad();
}

void KeypadBack(HWND, UINT)
{
    ReadKeypadText();
    const size_t length = wcslen(KeypadText);
    if (length == 0) {
        Focus(KeypadResultList);
        return;
    }
    KeypadText[length - 1] = L'\0';
    WriteKeypadText();
    ViewSelection[kContactSearchView] = 0;
    RefilterKeypad();
}

void EmptyKeypadText()
{
    KeypadText[0] = L'\0';
    WriteKeypadText();
}

void KeypadFieldChosen(HWND, UINT)
{
    const int index = static_cast<int>(SendMessageW(KeypadFieldCombo, CB_GETCURSEL, 0, 0));
    if (index >= 0 && index < kSearchFieldCount)
        KeypadSearchField = kSearchFieldLetters[index];
    RepaintViewWindows();
    EmptyKeypadText();
    RefilterKeypad();
}

// Steps the field S, N, C, T, S ... through the combo box.
void KeypadNextField(HWND, UINT)
{
    const int index = KeypadFieldCombo ? static_cast<int>(SendMessageW(KeypadFieldCombo, CB_GETCURSEL, 0, 0)) : -1;
    if (index >= 0 && index < kSearchFieldCount) {
        const int next = (index + 1) % kSearchFieldCount;
        SendMessageW(KeypadFieldCombo, CB_SETCURSEL, static_cast<WPARAM>(next), 0);
        KeypadSearchField = kSearchFieldLetters[next];
        EmptyKeypadText();
    }
    RunHook(Hooks.FilterContactsByKeypad);
    RepaintViewWindows();
    Focus(KeypadResultList);
}

// ---- the contact view's search row and index bar ------------------------------------------

void SearchFieldChosen(HWND, UINT)
{
    const int index = static_cast<int>(SendMessageW(ContactSearchFieldCombo, CB_GETCURSEL, 0, 0));
    if (index >= 0 && index < kSearchFieldCount)
        ContactSearchField = kSearchFieldLetters[index];
    Focus(ContactList);
}

void SearchBoxFocused(HWND, UINT)
{
    if (HIMC context = ImmGetContext(ContactSearchBox)) {
        ImmSetConversionStatus(context, kHangulMode, 0);
        ImmReleaseContext(ContactSearchBox, context);
    }
    if (!SamsungImeFlag && !SamsungSipFlag)
        SipShowIM(SIPF_ON);
    SendMessageW(ContactSearchBox, EM_SETSEL, 0, -1);
    InvalidateIndexBar();
    IndexTab = kIndexTabSearch;
    ViewSelection[kContactView] = 0;
    RunHook(Hooks.FilterContactsByInitial);
}

void SearchTextChanged(HWND, UINT)
{
    ContactSearchText[0] = L'\0';
    GetWindowTextW(ContactSearchBox, ContactSearchText, kSearchTextRoom);
    RunHook(Hooks.FilterContactsByInitial);
}

void SearchButton(HWND, UINT)
{
    SipShowIM(SIPF_OFF);
    Focus(ContactList);
}

void IndexTabChosen(HWND, UINT id)
{
    InvalidateIndexBar();
    IndexTab = static_cast<int>(id - IDC_INDEX_TAB_FIRST);
    ViewSelection[kContactView] = 0;
    RunHook(Hooks.FilterContactsByInitial);
    Focus(ContactList);
}

// ---- sub-view side tabs, schedule side tabs and the card's action buttons --------------------

void SwitchToSearchView(HWND window, UINT) { SendMessageW(window, WM_COMMAND, IDC_SEARCH_VIEW_TAB, 0); }
void SwitchToCompanyView(HWND window, UINT) { SendMessageW(window, WM_COMMAND, IDC_COMPANY_VIEW_TAB, 0); }
void SwitchToGroupView(HWND window, UINT) { SendMessageW(window, WM_COMMAND, IDC_GROUP_VIEW_TAB, 0); }

void ScheduleModeTab(HWND, UINT id)
{
    SendItemCommand(ID_SCHEDULE_DAY_MODE + (id - IDC_SCHEDULE_DAY_TAB));
}

void CardActionButton(HWND, UINT id)
{
    static const UINT kCommands[] = {ID_CONTACT_DIAL_MOBILE, ID_CONTACT_DIAL_MAIN, ID_CONTACT_DIAL_HOME,
                                     ID_CONTACT_MAIL};
    SendItemCommand(kCommands[id - IDC_CARD_DIAL_MOBILE]);
}

// ---- sort buttons ---------------------------------------------------------------------------

// Sets the sort key when it changes (repainting its two buttons and
// reloading the list), then focuses the list either way.
void ChooseSort(char* key, char letter, HWND (&buttons)[2], void (*reload)(), HWND list)
{
    if (*key != letter) {
        *key = letter;
        Repaint(buttons[0]);
        Repaint(buttons[1]);
        RunHook(reload);
    }
    Focus(list);
}

void AnniversarySort(HWND, UINT id)
{
    ChooseSort(&AnniversarySortKey, id == IDC_ANNIVERSARY_SORT_TITLE ? 'T' : 'D', AnniversarySortButtons,
               Hooks.LoadAnniversaryList, AnniversaryList);
}

void CardMemoSort(HWND, UINT id)
{
    ChooseSort(&MemoSortKey, id == IDC_CARD_MEMO_HEADER_TITLE ? 'T' : 'D', CardMemoHeader, Hooks.LoadContactMemoList,
               CardMemoList);
}

void MemoSort(HWND, UINT id)
{
    ChooseSort(&MemoSortKey, id == IDC_MEMO_HEADER_TITLE ? 'T' : 'D', MemoHeaderButtons, Hooks.LoadMemoList,
               MemoList);
}

void MemoSideTab(HWND, UINT id)
{
    PickMemosBy(id == IDC_MEMO_SIDE_DATE ? 1 : 0);
}

// ---- the contact card's panel tabs and task headings ------------------------------------------

void ChooseCardPanel(int panel)
{
    InvalidatePanelTabs();
    ContactCardPanel = panel;
    CardPanelSelection[panel] = 0;
    ShowCardPanel(panel);
}

void CardScheduleTabChosen(HWND, UINT)
{
    ChooseCardPanel(0);
    GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"yyyy-MM-dd", ContactScheduleDate, kDateTextChars);
    // The panel has a table of its own: the schedule view's month stays.
    RunHook(Hooks.LoadContactSchedule);
    Focus(CardScheduleList);
}

void CardTaskTabChosen(HWND, UINT)
{
    ChooseCardPanel(1);
    // The panel reuses the task view's rows.
    ViewStale[kTaskView] = 1;
    RunHook(Hooks.LoadContactTaskList);
    Focus(CardTaskList);
}

void CardMemoTabChosen(HWND, UINT)
{
    ChooseCardPanel(2);
    ViewStale[kMemoView] = 1;
    RunHook(Hooks.LoadContactMemoList);
    Focus(CardMemoList);
}

void TaskFilterHeadingFocused(HWND window, UINT)
{
    Focus(CardTaskList);
    if (Hooks.ShowTaskFilterMenu)
        Hooks.ShowTaskFilterMenu(window);
}

void TaskSortHeadingFocused(HWND window, UINT)
{
    Focus(CardTaskList);
    if (Hooks.ShowTaskSortMenu)
        Hooks.ShowTaskSortMenu(window);
}

// ---- month stepping ---------------------------------------------------------------------

void StepMonthCommand(HWND, UINT id)
{
    Focus(ScheduleList);
    StepCurrentDateByMonth(id == IDC_PREVIOUS_MONTH ? -1 : 1);
    SendItemCommand(ScheduleModeCommand());
}

// ---- the table -----------------------------------------------------------------------------

struct ControlCommandRow {
    UINT first, last;
    UINT code;
    void (*run)(HWND window, UINT id);
};

const ControlCommandRow kControlCommands[] = {
    {IDC_CONTACT_COLUMN_NAME, IDC_CONTACT_COLUMN_OFFICE, kAnyCode, FocusCurrent},
    {IDC_CARD_SCHEDULE_HEADER_DATE, IDC_CARD_SCHEDULE_HEADER_TEXT, kAnyCode, FocusCurrent},
    {IDC_SCHEDULE_HEADER_DATE, IDC_SCHEDULE_HEADER_TEXT, kAnyCode, FocusCurrent},
    {IDC_TASK_HEADER_TITLE, IDC_TASK_HEADER_PERIOD, kAnyCode, FocusCurrent},
    {IDC_CARD_TASK_HEADER_TITLE, IDC_CARD_TASK_HEADER_PERIOD, kAnyCode, FocusCurrent},
    {IDC_KEYPAD_FRAME, IDC_KEYPAD_TEXT, EN_SETFOCUS, KeypadFieldFocused},
    {IDC_KEY_1, IDC_KEY_0, kAnyCode, TypeKeypadDigit},
    {IDC_KEY_BACK, IDC_KEY_BACK, kAnyCode, KeypadBack},
    {IDC_KEY_FIELD, IDC_KEY_FIELD, kAnyCode, KeypadNextField},
    {IDC_KEYPAD_FIELD_COMBO, IDC_KEYPAD_FIELD_COMBO, CBN_SELCHANGE, KeypadFieldChosen},
    {IDC_SCHEDULE_FRAME, IDC_SCHEDULE_DISPLAY_LAST, EN_SETFOCUS, ScheduleFieldFocused},
    {IDC_RANGE_SPARE_LABEL, IDC_GRID_LUNAR_LABEL, EN_SETFOCUS, ScheduleFieldFocused},
    {IDC_SCHEDULE_DAY_NAME_FIRST, IDC_SCHEDULE_DAY_NAME_FIRST + 6, EN_SETFOCUS, ScheduleFieldFocused},
    {IDC_GRID_YEAR_LABEL, IDC_GRID_MONTH_LABEL, EN_SETFOCUS, GoToMonth},
    {IDC_ANNIVERSARY_SORT_TITLE, IDC_ANNIVERSARY_SORT_DATE, kAnyCode, AnniversarySort},
    {IDC_ANNIVERSARY_HEADER_FRAME, IDC_ANNIVERSARY_HEADER_LAST, EN_SETFOCUS, AnniversaryFieldFocused},
    {IDC_CARD_SCHEDULE_TAB, IDC_CARD_SCHEDULE_TAB, kAnyCode, CardScheduleTabChosen},
    {IDC_CARD_TASK_TAB, IDC_CARD_TASK_TAB, kAnyCode, CardTaskTabChosen},
    {IDC_CARD_MEMO_TAB, IDC_CARD_MEMO_TAB, kAnyCode, CardMemoTabChosen},
    {IDC_CARD_MEMO_HEADER_TITLE, IDC_CARD_MEMO_HEADER_DATE, kAnyCode, CardMemoSort},
    {IDC_MEMO_HEADER_TITLE, IDC_MEMO_HEADER_DATE, kAnyCode, MemoSort},
    {IDC_PREVIOUS_MONTH, IDC_NEXT_MONTH, kAnyCode, StepMonthCommand},
    {IDC_INDEX_TAB_FIRST, IDC_INDEX_TAB_LAST, kAnyCode, IndexTabChosen},
    // The card's note box, the detail panes and the detail buttons hand the
    // focus to the list of the present state (never to a hidden list).
    {IDC_CARD_PORTRAIT, IDC_CARD_PORTRAIT, EN_SETFOCUS, FocusCurrent},
    {IDC_DETAIL_FRAME, IDC_DETAIL_TEXT, EN_SETFOCUS, FocusCurrent},
    {IDC_DETAIL_BUTTON_A, IDC_DETAIL_BUTTON_B, kAnyCode, FocusCurrent},
    {IDC_COMPANY_SIDE_COMPANY, IDC_COMPANY_SIDE_COMPANY, kAnyCode, FocusCompanyList},
    {IDC_COMPANY_SIDE_GROUP, IDC_COMPANY_SIDE_GROUP, kAnyCode, SwitchToGroupView},
    {IDC_SEARCH_SIDE_GROUP, IDC_SEARCH_SIDE_GROUP, kAnyCode, SwitchToGroupView},
    {IDC_GROUP_SIDE_COMPANY, IDC_GROUP_SIDE_COMPANY, kAnyCode, SwitchToCompanyView},
    {IDC_SEARCH_SIDE_COMPANY, IDC_SEARCH_SIDE_COMPANY, kAnyCode, SwitchToCompanyView},
    {IDC_GROUP_SIDE_GROUP, IDC_GROUP_SIDE_GROUP, kAnyCode, FocusGroupList},
    {IDC_COMPANY_SIDE_SEARCH, IDC_GROUP_SIDE_SEARCH, kAnyCode, SwitchToSearchView},
    {IDC_SEARCH_SIDE_SEARCH, IDC_SEARCH_SIDE_SEARCH, kAnyCode, FocusKeypadList},
    {IDC_CARD_TASK_FILTER, IDC_CARD_TASK_FILTER, EN_SETFOCUS, TaskFilterHeadingFocused},
    {IDC_CARD_TASK_SORT, IDC_CARD_TASK_SORT, EN_SETFOCUS, TaskSortHeadingFocused},
    {IDC_SCHEDULE_DAY_TAB, IDC_SCHEDULE_MONTH_TAB, kAnyCode, ScheduleModeTab},
    {IDC_MEMO_SIDE_CATEGORY, IDC_MEMO_SIDE_DATE, kAnyCode, MemoSideTab},
    {IDC_SEARCH_ROW_FRAME, IDC_SEARCH_ROW_FRAME, kAnyCode, FocusSearchBox},
    {IDC_SEARCH_FIELD_COMBO, IDC_SEARCH_FIELD_COMBO, CBN_SELCHANGE, SearchFieldChosen},
    {IDC_SEARCH_BOX, IDC_SEARCH_BOX, EN_SETFOCUS, SearchBoxFocused},
    {IDC_SEARCH_BOX, IDC_SEARCH_BOX, EN_CHANGE, SearchTextChanged},
    {IDC_SEARCH_BUTTON, IDC_SEARCH_BUTTON, kAnyCode, SearchButton},
    {IDC_CONTACT_LIST_FRAME, IDC_CONTACT_LIST_FRAME, kAnyCode, FocusContactList},
    {IDC_CARD_DIAL_MOBILE, IDC_CARD_MAIL, kAnyCode, CardActionButton},
};

}  // namespace

UINT ScheduleModeCommand()
{
    switch (ScheduleMode) {
    case 'W': return ID_SCHEDULE_WEEK_MODE;
    case 'M': return ID_SCHEDULE_MONTH_MODE;
    default:  return ID_SCHEDULE_DAY_MODE;
    }
}

void StepCurrentDateByMonth(int delta)
{
    int year = 0, month = 0, day = 0;
    if (swscanf(CurrentDate, L"%4d-%2d-%2d", &year, &month, &day) != 3 || year < kFirstDateYear ||
        year > kLastDateYear) {
        // Whatever the text held, the step lands on a real month: today's.
        SYSTEMTIME today;
        GetLocalTime(&today);
        year = today.wYear;
        month = today.wMonth;
        day = today.wDay;
    }
    month += delta;
    if (month < 1) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (day > 28)
        day = DaysInMonth(year, month);
    SYSTEMTIME normal = {};
    if (AddDaysToDate(&normal, year, month, day, 0)) {
        year = normal.wYear;
        month = normal.wMonth;
    }
    _snwprintf(CurrentDate, kDateTextChars, L"%4d-%02d-%02d", year, month, kSteppedDay);
    CurrentDate[kDateTextChars - 1] = L'\0';
}

void PickMemosBy(BYTE byDate)
{
    MemoPickByDate = byDate;
    MemoPickRow = 0;
    Repaint(MemoSideTabs[0]);
    Repaint(MemoSideTabs[1]);
    RunHook(Hooks.FillMemoCategoryPickList);
    RunHook(Hooks.LoadMemoList);
    Focus(MemoList);
}

bool RunControlCommand(HWND window, UINT id, UINT code)
{
    bool named = false;
    for (const ControlCommandRow& row : kControlCommands) {
        if (id < row.first || id > row.last)
            continue;
        named = true;
        if (row.code == kAnyCode || row.code == code) {
            row.run(window, id);
            return true;
        }
    }
    return named;
}
