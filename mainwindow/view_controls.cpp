#include "mainwindow/view_controls.h"

#include "mainwindow/fitted_font.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbars.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <initializer_list>

namespace {

// The device clips every window to its siblings; the desktop does so only
// when asked, and the views' controls overlap by design.
constexpr DWORD kChildVisible = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD kListBase = LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
constexpr DWORD kMainListExtended = LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE;
constexpr DWORD kEditCentred = ES_CENTER | ES_MULTILINE;                 // 0x5
constexpr DWORD kEditRight = ES_RIGHT | ES_MULTILINE;                    // 0x6
constexpr DWORD kEditDisplay = ES_CENTER | ES_RIGHT | ES_UPPERCASE;      // 0xB
constexpr DWORD kEditText = ES_WANTRETURN | ES_MULTILINE;                // 0x1004
constexpr int kImageWidth = 16;
constexpr COLORREF kPickMask = RGB(255, 255, 255);
constexpr COLORREF kTaskRowMask = RGB(255, 0, 255);
constexpr int kPickGrowth = 1;
constexpr int kTaskRowGrowth = 4;
constexpr int kDetailInkZoom = 100;

using K = ControlKind;

// ---- list views ------------------------------------------------------------------

const ColumnDef kContactColumns[] = {{L"이름", 50}, {L"휴대폰", 89}, {L"회사전화", 84}, {L"ID", 0}};
const ColumnDef kScheduleColumns[] = {{L"일자", 75}, {L"내용", 146}, {L"ID", 0}, {L"NC_ID", 0}, {L"MEMO_ID", 0}};
const ColumnDef kAnniversaryColumns[] = {{L"제목", 130}, {L"일자", 91}, {L"ID", 0}, {L"ILJA", 0}, {L"FGLUNAR", 0}};
const ColumnDef kTaskColumns[] = {{L"제목", 159}, {L"일자", 62}, {L"ID", 0}};
const ColumnDef kMemoColumns[] = {{L"제목", 159}, {L"일자", 62}, {L"ID", 0}};
const ColumnDef kCardScheduleColumns[] = {{L"일자", 92}, {L"내용", 129}, {L"ID", 0}};
const ColumnDef kCardTaskColumns[] = {{L"일자", 92}, {L"내용", 131}, {L"ID", 0}};
const ColumnDef kCardMemoColumns[] = {{L"제목", 161}, {L"일자", 62}, {L"ID", 0}};
const ColumnDef kCompanyPickColumns[] = {{L"회사명", 201}};
const ColumnDef kGroupPickColumns[] = {{L"그룹명", 201}};
const ColumnDef kKindPickColumns[] = {{L"구분", 120}};
const ColumnDef kTaskFilterColumns[] = {{L"구분", 111}};
const ColumnDef kTaskSortColumns[] = {{L"구분", 117}};
const ColumnDef kMemoPickColumns[] = {{L"구분", 201}};

#define COLUMNS(table) table, static_cast<int>(std::size(table))

const ListDef kContactListDef = {LVS_OWNERDATA, true, ListImages::None, COLUMNS(kContactColumns)};
const ListDef kScheduleListDef = {0, true, ListImages::None, COLUMNS(kScheduleColumns)};
const ListDef kAnniversaryListDef = {0, true, ListImages::None, COLUMNS(kAnniversaryColumns)};
const ListDef kTaskListDef = {LVS_OWNERDRAWFIXED, true, ListImages::TaskRows, COLUMNS(kTaskColumns)};
const ListDef kMemoListDef = {0, true, ListImages::None, COLUMNS(kMemoColumns)};
const ListDef kCardScheduleListDef = {0, true, ListImages::None, COLUMNS(kCardScheduleColumns)};
const ListDef kCardTaskListDef = {LVS_OWNERDRAWFIXED, true, ListImages::None, COLUMNS(kCardTaskColumns)};
const ListDef kCardMemoListDef = {0, true, ListImages::None, COLUMNS(kCardMemoColumns)};
const ListDef kCompanyPickDef = {LVS_SHOWSELALWAYS, false, ListImages::Pick, COLUMNS(kCompanyPickColumns)};
const ListDef kGroupPickDef = {LVS_SHOWSELALWAYS, false, ListImages::Pick, COLUMNS(kGroupPickColumns)};
const ListDef kKindPickDef = {LVS_SHOWSELALWAYS, false, ListImages::Pick, COLUMNS(kKindPickColumns)};
const ListDef kTaskFilterPickDef = {LVS_SHOWSELALWAYS, false, ListImages::Pick, COLUMNS(kTaskFilterColumns)};
const ListDef kTaskSortPickDef = {0, false, ListImages::TaskSort, COLUMNS(kTaskSortColumns)};
const ListDef kMemoPickDef = {LVS_SHOWSELALWAYS, false, ListImages::Pick, COLUMNS(kMemoPickColumns)};

#undef COLUMNS

// ---- the creation tables, in creation order ------------------------------------------

// Step 1: the detail panes (the memo detail's ink follows them).
const ControlDef kDetailPanes[] = {
    {&DetailTitleLabel, IDC_CARD_LABEL, K::Static, 8, 141, 190, 14, SS_LEFT, nullptr, nullptr},
    {&DetailSubtitleLabel, IDC_CARD_LABEL, K::Static, 8, 154, 190, 14, SS_LEFT, nullptr, nullptr},
    {&DetailButtonA, IDC_DETAIL_BUTTON_A, K::Button, 200, 141, 16, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&DetailButtonB, IDC_DETAIL_BUTTON_B, K::Button, 216, 141, 16, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&DetailButtonC, IDC_DETAIL_BUTTON_C, K::Button, 216, 141, 16, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&DetailMarker, IDC_CARD_LABEL, K::Static, 2, 154, 1, 14, SS_LEFT, nullptr, nullptr},
    {&DetailLine3, IDC_CARD_LABEL, K::Static, 8, 167, 220, 14, SS_LEFT, nullptr, nullptr},
    {&DetailInk, IDC_DETAIL_INK, K::RichInk, 3, 185, 234, 57, WS_VSCROLL, nullptr, nullptr},
    {&DetailTextBox, IDC_DETAIL_TEXT, K::Edit, 9, 184, 221, 56, kEditText, nullptr, nullptr},
    {&DetailTextBox2, IDC_DETAIL_TEXT_2, K::Edit, 8, 183, 223, 58, kEditText, nullptr, nullptr},
    {&DetailFrame, IDC_DETAIL_FRAME, K::Edit, 2, 141, 236, 102, ES_LEFT, nullptr, nullptr},
};

// Step 2: the contact card, its panels and its lines.
const ControlDef kContactCard[] = {
    {&CardPanelLabel, IDC_CARD_LABEL, K::Static, 128, 134, 212, 14, SS_LEFT, nullptr, nullptr},
    {&CardTaskFilterHeading, IDC_CARD_TASK_FILTER, K::Edit, 120, 135, 60, 14, kEditRight, L"모든▽", nullptr},
    {&CardTaskSortHeading, IDC_CARD_TASK_SORT, K::Edit, 180, 135, 60, 14, kEditRight, L"우선순위▽", nullptr},
    {&CardPanelLabel2, IDC_CARD_LABEL, K::Static, 128, 134, 212, 14, SS_LEFT, nullptr, nullptr},
    {&CardScheduleTab, IDC_CARD_SCHEDULE_TAB, K::Button, 1, 134, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardTaskTab, IDC_CARD_TASK_TAB, K::Button, 40, 134, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardMemoTab, IDC_CARD_MEMO_TAB, K::Button, 79, 134, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardScheduleList, 0, K::List, 3, 167, 234, 75, 0, nullptr, &kCardScheduleListDef},
    {&CardScheduleHeader[0], IDC_CARD_SCHEDULE_HEADER_DATE, K::Button, 1, 150, 106, 16, BS_OWNERDRAW, nullptr,
     nullptr},
    {&CardScheduleHeader[1], IDC_CARD_SCHEDULE_HEADER_TEXT, K::Button, 107, 150, 132, 16, BS_OWNERDRAW, nullptr,
     nullptr},
    {&CardTaskList, 0, K::List, 3, 167, 234, 75, 0, nullptr, &kCardTaskListDef},
    {&CardTaskHeader[0], IDC_CARD_TASK_HEADER_TITLE, K::Button, 1, 150, 148, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardTaskHeader[1], IDC_CARD_TASK_HEADER_PERIOD, K::Button, 149, 150, 90, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardMemoList, 0, K::List, 3, 167, 234, 75, 0, nullptr, &kCardMemoListDef},
    {&CardMemoHeader[0], IDC_CARD_MEMO_HEADER_TITLE, K::Button, 1, 150, 106, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardMemoHeader[1], IDC_CARD_MEMO_HEADER_DATE, K::Button, 107, 150, 132, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CardNoteBox, IDC_CARD_PORTRAIT, K::Edit, 2, 153, 236, 90, ES_LEFT, nullptr, nullptr},
    {&CardLines[9], IDC_CARD_DIAL_MAIN, K::Button, 7, 77, 13, 12, BS_OWNERDRAW, nullptr, nullptr},
    {&CardLines[11], IDC_CARD_DIAL_HOME, K::Button, 7, 90, 13, 12, BS_OWNERDRAW, nullptr, nullptr},
    {&CardLines[7], IDC_CARD_DIAL_MOBILE, K::Button, 7, 64, 13, 12, BS_OWNERDRAW, nullptr, nullptr},
    {&CardLines[14], IDC_CARD_MAIL, K::Button, 7, 116, 13, 12, BS_OWNERDRAW, nullptr, nullptr},
    {&CardLines[0], IDC_CARD_LABEL, K::Static, 25, 5, 213, 16, SS_LEFT, nullptr, nullptr},
    {&CardLines[1], IDC_CARD_LABEL, K::Static, 140, 25, 100, 20, SS_LEFT, nullptr, nullptr},
    {&CardLines[2], IDC_CARD_LABEL, K::Static, 5, 22, 175, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[3], IDC_CARD_LABEL, K::Static, 170, 22, 68, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[4], IDC_CARD_LABEL, K::Static, 5, 35, 233, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[5], IDC_CARD_LABEL, K::Static, 5, 48, 233, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[8], IDC_CARD_LABEL, K::Static, 22, 76, 216, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[10], IDC_CARD_LABEL, K::Static, 22, 89, 216, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[12], IDC_CARD_LABEL, K::Static, 22, 102, 216, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[6], IDC_CARD_LABEL, K::Static, 22, 63, 216, 14, SS_LEFT, nullptr, nullptr},
    {&CardLines[13], IDC_CARD_LABEL, K::Static, 22, 115, 216, 14, SS_LEFT, nullptr, nullptr},
    {&CardPortrait, IDC_CARD_PORTRAIT, K::Button, 0, 0, 240, 150, BS_OWNERDRAW, nullptr, nullptr},
    {&CardBackground, IDC_CARD_LABEL, K::Static, 2, 0, 236, 243, SS_LEFT, nullptr, nullptr},
};

// Step 3: the search row of the contact view.
const ControlDef kSearchRow[] = {
    {&ContactSearchFieldCombo, IDC_SEARCH_FIELD_COMBO, K::ComboBox, 29, 221, 80, 100, CBS_DROPDOWNLIST, nullptr,
     nullptr},
    {&ContactSearchBox, IDC_SEARCH_BOX, K::Edit, 114, 221, 100, 20, WS_BORDER, nullptr, nullptr},
    {&SearchBoxButton, IDC_SEARCH_BUTTON, K::Button, 215, 166, 20, 20, BS_OWNERDRAW, nullptr, nullptr},
    {&SearchRowFrame, IDC_SEARCH_ROW_FRAME, K::Edit, 2, 219, 236, 24, ES_LEFT, nullptr, nullptr},
};

// Step 4: the keypad search view. Keys by row: 1 2 3 / 4 5 6 / 7 8 9 /
// back 0 field.
constexpr int kKeyColumn[3] = {23, 94, 165};
constexpr int kKeyRow[4] = {166, 185, 204, 223};
const ControlDef kKeypadView[] = {
    {&KeypadResultList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kContactListDef},
    {&KeypadFieldCombo, IDC_KEYPAD_FIELD_COMBO, K::ComboBox, 36, 142, 80, 100, CBS_DROPDOWNLIST, nullptr, nullptr},
};
const ControlDef kKeypadKeys[] = {
    {&KeypadKeys[0], IDC_KEY_1, K::Button, kKeyColumn[0], kKeyRow[0], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[1], IDC_KEY_1 + 1, K::Button, kKeyColumn[1], kKeyRow[0], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[2], IDC_KEY_1 + 2, K::Button, kKeyColumn[2], kKeyRow[0], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[3], IDC_KEY_1 + 3, K::Button, kKeyColumn[0], kKeyRow[1], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[4], IDC_KEY_1 + 4, K::Button, kKeyColumn[1], kKeyRow[1], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[5], IDC_KEY_1 + 5, K::Button, kKeyColumn[2], kKeyRow[1], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[6], IDC_KEY_1 + 6, K::Button, kKeyColumn[0], kKeyRow[2], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[7], IDC_KEY_1 + 7, K::Button, kKeyColumn[1], kKeyRow[2], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[8], IDC_KEY_9, K::Button, kKeyColumn[2], kKeyRow[2], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[9], IDC_KEY_0, K::Button, kKeyColumn[1], kKeyRow[3], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[10], IDC_KEY_BACK, K::Button, kKeyColumn[0], kKeyRow[3], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadKeys[11], IDC_KEY_FIELD, K::Button, kKeyColumn[2], kKeyRow[3], 70, 18, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadTextBox, IDC_KEYPAD_TEXT, K::Edit, 121, 142, 100, 20, WS_BORDER, nullptr, nullptr},
    {&KeypadSideTabs[0], IDC_SEARCH_SIDE_SEARCH, K::Button, 1, 140, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadSideTabs[1], IDC_SEARCH_SIDE_COMPANY, K::Button, 1, 175, 19, 34, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadSideTabs[2], IDC_SEARCH_SIDE_GROUP, K::Button, 1, 209, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&KeypadInnerFrame, IDC_KEYPAD_INNER_FRAME, K::Edit, 20, 164, 218, 79, ES_LEFT, nullptr, nullptr},
    {&KeypadFrame, IDC_KEYPAD_FRAME, K::Edit, 19, 141, 219, 102, ES_LEFT, nullptr, nullptr},
};

// Step 5: the company and group views.
const ControlDef kCompanyAndGroupViews[] = {
    {&CompanyContactList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kContactListDef},
    {&CompanySideTabs[0], IDC_COMPANY_SIDE_SEARCH, K::Button, 1, 140, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&CompanySideTabs[1], IDC_COMPANY_SIDE_COMPANY, K::Button, 1, 175, 19, 34, BS_OWNERDRAW, nullptr, nullptr},
    {&CompanySideTabs[2], IDC_COMPANY_SIDE_GROUP, K::Button, 1, 209, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&CompanyPickList, 0, K::List, 19, 141, 219, 102, 0, nullptr, &kCompanyPickDef},
    {&GroupContactList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kContactListDef},
    {&GroupSideTabs[0], IDC_GROUP_SIDE_SEARCH, K::Button, 1, 140, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&GroupSideTabs[1], IDC_GROUP_SIDE_COMPANY, K::Button, 1, 175, 19, 34, BS_OWNERDRAW, nullptr, nullptr},
    {&GroupSideTabs[2], IDC_GROUP_SIDE_GROUP, K::Button, 1, 209, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&GroupPickList, 0, K::List, 19, 141, 219, 102, 0, nullptr, &kGroupPickDef},
};

// Step 6: the schedule view, in three runs around its two families.
const ControlDef kScheduleListAndHeaders[] = {
    {&ScheduleList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kScheduleListDef},
    {&ScheduleHeaderButtons[0], IDC_SCHEDULE_HEADER_DATE, K::Button, 1, 17, 106, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&ScheduleHeaderButtons[1], IDC_SCHEDULE_HEADER_TEXT, K::Button, 107, 17, 132, 16, BS_OWNERDRAW, nullptr,
     nullptr},
};
const ControlDef kScheduleLabels[] = {
    {&GridYearLabel, IDC_GRID_YEAR_LABEL, K::Edit, 35, 159, 57, 16, kEditCentred, nullptr, nullptr},
    {&GridMonthLabel, IDC_GRID_MONTH_LABEL, K::Edit, 45, 175, 37, 16, kEditCentred, nullptr, nullptr},
    {&PrevMonthButton, IDC_PREVIOUS_MONTH, K::Button, 33, 177, 12, 12, BS_OWNERDRAW, L"◁", nullptr},
    {&NextMonthButton, IDC_NEXT_MONTH, K::Button, 81, 177, 12, 12, BS_OWNERDRAW, L"▷", nullptr},
    {&GridDateLabel, IDC_GRID_DATE_LABEL, K::Edit, 20, 184, 87, 16, kEditCentred, nullptr, nullptr},
    {&GridLunarLabel, IDC_GRID_LUNAR_LABEL, K::Edit, 20, 204, 87, 16, kEditCentred, nullptr, nullptr},
    {&RangeEndLabel, IDC_RANGE_END_LABEL, K::Edit, 127, 141, 84, 15, kEditDisplay, nullptr, nullptr},
    {&RangeSpareLabel, IDC_RANGE_SPARE_LABEL, K::Edit, 113, 141, 84, 15, kEditDisplay, nullptr, nullptr},
    {&RangeStartLabel, IDC_RANGE_START_LABEL, K::Edit, 44, 141, 84, 15, kEditDisplay, nullptr, nullptr},
};
const ControlDef kScheduleGridAndTabs[] = {
    {&MonthGridWindow, IDC_MONTH_GRID, K::MonthGrid, 108, 159, 128, 83, 0, nullptr, nullptr},
    {&ScheduleInnerFrame, IDC_SCHEDULE_INNER_FRAME, K::Edit, 20, 141, 217, 100, ES_LEFT, nullptr, nullptr},
    {&ScheduleModeTabs[0], IDC_SCHEDULE_DAY_TAB, K::Button, 1, 140, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&ScheduleModeTabs[1], IDC_SCHEDULE_WEEK_TAB, K::Button, 1, 175, 19, 34, BS_OWNERDRAW, nullptr, nullptr},
    {&ScheduleModeTabs[2], IDC_SCHEDULE_MONTH_TAB, K::Button, 1, 209, 19, 35, BS_OWNERDRAW, nullptr, nullptr},
    {&ScheduleFrame, IDC_SCHEDULE_FRAME, K::Edit, 19, 141, 219, 102, ES_LEFT, nullptr, nullptr},
};

// Step 7: the anniversary view, around its day-name family.
const ControlDef kAnniversaryListAndLabels[] = {
    {&AnniversaryList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kAnniversaryListDef},
    {&AnniversarySortButtons[0], IDC_ANNIVERSARY_SORT_TITLE, K::Button, 1, 17, 128, 16, BS_OWNERDRAW, nullptr,
     nullptr},
    {&AnniversarySortButtons[1], IDC_ANNIVERSARY_SORT_DATE, K::Button, 129, 17, 110, 16, BS_OWNERDRAW, nullptr,
     nullptr},
    {&AnniversaryYearLabel, IDC_ANNIVERSARY_YEAR_LABEL, K::Edit, 126, 165, 111, 16, kEditCentred, nullptr, nullptr},
    {&AnniversaryAgeLabel, IDC_ANNIVERSARY_AGE_LABEL, K::Edit, 126, 211, 111, 16, kEditCentred, nullptr, nullptr},
    {&AnniversaryLunarLabel, IDC_ANNIVERSARY_LUNAR_LABEL, K::Edit, 126, 194, 111, 16, kEditCentred, nullptr,
     nullptr},
};
const ControlDef kAnniversaryFrameAndPick[] = {
    {&AnniversaryHeaderFrame, IDC_ANNIVERSARY_HEADER_FRAME, K::Edit, 125, 141, 113, 102, ES_LEFT, nullptr, nullptr},
    {&AnniversaryKindPickList, 0, K::List, 2, 141, 122, 102, 0, nullptr, &kKindPickDef},
};

// Step 8: the task and memo views.
const ControlDef kTaskAndMemoViews[] = {
    {&TaskList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kTaskListDef},
    {&TaskHeaderButtons[0], IDC_TASK_HEADER_TITLE, K::Button, 1, 17, 148, 16, BS_OWNERDRAW, L"제목", nullptr},
    {&TaskHeaderButtons[1], IDC_TASK_HEADER_PERIOD, K::Button, 149, 17, 90, 16, BS_OWNERDRAW, L"기간", nullptr},
    {&TaskFilterPickList, 0, K::List, 2, 141, 117, 102, 0, nullptr, &kTaskFilterPickDef},
    {&TaskSortPickList, 0, K::List, 120, 141, 118, 102, 0, nullptr, &kTaskSortPickDef},
    {&MemoList, 0, K::List, 3, 34, 234, 105, 0, nullptr, &kMemoListDef},
    {&MemoHeaderButtons[0], IDC_MEMO_HEADER_TITLE, K::Button, 1, 17, 106, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&MemoHeaderButtons[1], IDC_MEMO_HEADER_DATE, K::Button, 107, 17, 132, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&MemoSideTabs[0], IDC_MEMO_SIDE_CATEGORY, K::Button, 1, 140, 19, 52, BS_OWNERDRAW, nullptr, nullptr},
    {&MemoSideTabs[1], IDC_MEMO_SIDE_DATE, K::Button, 1, 192, 19, 52, BS_OWNERDRAW, nullptr, nullptr},
    {&MemoPickList, 0, K::List, 19, 141, 219, 102, 0, nullptr, &kMemoPickDef},
};

// Step 10: what stays shown: the view tabs, the index bar and the contact
// list with its column buttons and frame.
const ControlDef kViewTabs[] = {
    {&ContactViewTab, IDC_CONTACT_VIEW_TAB, K::Button, 1, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&SearchViewTab, IDC_SEARCH_VIEW_TAB, K::Button, 40, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&CompanyViewTab, IDC_COMPANY_VIEW_TAB, K::Button, 40, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&GroupViewTab, IDC_GROUP_VIEW_TAB, K::Button, 40, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&ScheduleViewTab, IDC_SCHEDULE_VIEW_TAB, K::Button, 79, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&AnniversaryViewTab, IDC_ANNIVERSARY_VIEW_TAB, K::Button, 196, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&TaskViewTab, IDC_TASK_VIEW_TAB, K::Button, 118, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&MemoViewTab, IDC_MEMO_VIEW_TAB, K::Button, 157, 1, 40, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&TabBarEnd, IDC_TAB_BAR_END, K::Button, 235, 1, 4, 16, BS_OWNERDRAW, nullptr, nullptr},
};
const ControlDef kContactList[] = {
    {&ContactList, 0, K::List, 3, 34, 234, 183, 0, nullptr, &kContactListDef},
    {&ContactColumnButtons[0], IDC_CONTACT_COLUMN_NAME, K::Button, 1, 17, 51, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&ContactColumnButtons[1], IDC_CONTACT_COLUMN_MOBILE, K::Button, 52, 17, 89, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&ContactColumnButtons[2], IDC_CONTACT_COLUMN_OFFICE, K::Button, 141, 17, 98, 16, BS_OWNERDRAW, nullptr, nullptr},
    {&ContactListFrame, IDC_CONTACT_LIST_FRAME, K::Edit, 2, 33, 236, 181, ES_LEFT, nullptr, nullptr},
};

// Tab i of the index bar: "all", the fourteen consonants, the search box.
// Neighbours overlap by one pixel; the first and last are wider. The paint
// of the contact view moves the bar up to its place.
ControlDef IndexTabDef(int i)
{
    const bool first = i == 0, last = i == kIndexTabCount - 1;
    const int x = first ? 1 : last ? 210 : 28 + 13 * (i - 1);
    const int width = first ? 28 : last ? 29 : 14;
    return {&IndexBarButtons[i], IDC_INDEX_TAB_FIRST + i, K::Button, x, 228, width, 16, BS_OWNERDRAW, nullptr, nullptr};
}

// The seven-control families: the day names sit in one place and show one
// at a time.
const ControlFamily kWeekdayHeaders = {WeekdayHeaderWindows, IDC_WEEKDAY_HEADER_FIRST, 107, 18, 145, 20, 15,
                                       kEditDisplay};
const ControlFamily kScheduleDayNames = {ScheduleDayNameLabels, IDC_SCHEDULE_DAY_NAME_FIRST, 20, 0, 189, 87, 16,
                                         kEditCentred};
const ControlFamily kAnniversaryDayNames = {AnniversaryDayNameLabels, IDC_ANNIVERSARY_DAY_NAME_FIRST, 126, 0, 179,
                                            111, 16, kEditCentred};

// The four search fields of the two search-field combo boxes, in the order
// of their letters S, N, C, T.
const wchar_t* const kSearchFieldNames[] = {L"통합검색", L"이름", L"회사", L"전화"};

// ---- creators --------------------------------------------------------------------------

HWND CreateChild(HWND parent, const wchar_t* cls, const ControlDef& def, DWORD style)
{
    return CreateWindowExW(0, cls, def.text ? def.text : L"", kChildVisible | style, def.x, def.y, def.width,
                           def.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(def.id)), AppInstance,
                           nullptr);
}

HIMAGELIST LoadImageStrip(int bitmap, int growth, COLORREF mask)
{
    return ImageList_LoadBitmap(AppInstance, MAKEINTRESOURCEW(bitmap), kImageWidth, growth, mask);
}

// The shared lists are made by the first list that needs them; the lists
// keep them (LVS_SHAREIMAGELISTS), the main window's destruction frees them.
void GiveListImages(HWND list, ListImages images)
{
    switch (images) {
    case ListImages::Pick:
        if (!PickListImages)
            PickListImages = LoadImageStrip(IDB_PICK_IMAGES, kPickGrowth, kPickMask);
        ListView_SetImageList(list, PickListImages, LVSIL_SMALL);
        break;
    case ListImages::TaskSort:
        if (!TaskSortImages)
            TaskSortImages = LoadImageStrip(IDB_TASK_SORT_IMAGES, kPickGrowth, kPickMask);
        ListView_SetImageList(list, TaskSortImages, LVSIL_SMALL);
        break;
    case ListImages::TaskRows:
        // Drawn by the task rows' painter; not the list's own.
        if (!TaskRowImages)
            TaskRowImages = LoadImageStrip(IDB_TASK_ROW_IMAGES, kTaskRowGrowth, kTaskRowMask);
        break;
    case ListImages::None:
        break;
    }
}

HWND CreateViewList(HWND parent, const ControlDef& def)
{
    const ListDef& list = *def.list;
    const bool sharesImages = list.images == ListImages::Pick || list.images == ListImages::TaskSort;
    HWND control = CreateChild(parent, WC_LISTVIEWW, def, kListBase | list.style |
                                                               (sharesImages ? LVS_SHAREIMAGELISTS : 0));
    if (!control)
        return nullptr;
    if (list.mainList)
        ListView_SetExtendedListViewStyle(control, kMainListExtended);
    for (int i = 0; i < list.columnCount; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = list.columns[i].width;
        column.pszText = const_cast<LPWSTR>(list.columns[i].heading);
        column.iSubItem = i;
        ListView_InsertColumn(control, i, &column);
    }
    GiveListImages(control, list.images);
    return control;
}

HWND CreateViewInk(HWND parent, const ControlDef& def)
{
    HWND control = CreateChild(parent, WC_RICHINKW, def, def.style);
    if (control) {
        SendMessageW(control, EM_SETPAGESTYLE, RIPS_PLAIN, 0);
        SendMessageW(control, EM_SETZOOMPERCENT, 0, kDetailInkZoom);
    }
    return control;
}

void AddSearchFieldNames(HWND combo)
{
    if (!combo)
        return;
    for (const wchar_t* name : kSearchFieldNames)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

template <size_t N>
void CreateViewControls(HWND parent, const ControlDef (&table)[N])
{
    for (const ControlDef& def : table)
        CreateViewControl(parent, def);
}

void CreateFamily(HWND parent, const ControlFamily& family)
{
    for (int i = 0; i < kWeekDays; ++i)
        CreateFamilyControl(parent, family, i);
}

template <size_t N>
void HideControls(const ControlDef (&table)[N])
{
    for (const ControlDef& def : table) {
        // The task list is hidden with the other main lists a little later.
        if (def.handle != &TaskList)
            ShowControl(*def.handle, false);
    }
}

void CreateDetailPanes(HWND parent)
{
    CreateViewControls(parent, kDetailPanes);
    MemoDetailInk = CreateMemoDetailInk(parent);
    for (const ControlDef& def : kDetailPanes)
        ShowControl(*def.handle, false);
    ShowControl(MemoDetailInk, false);
}

void CreateSearchRow(HWND parent)
{
    CreateViewControl(parent, kSearchRow[0]);
    AddSearchFieldNames(ContactSearchFieldCombo);
    for (size_t i = 1; i < std::size(kSearchRow); ++i)
        CreateViewControl(parent, kSearchRow[i]);
}

void CreateKeypadView(HWND parent)
{
    CreateViewControls(parent, kKeypadView);
    AddSearchFieldNames(KeypadFieldCombo);
    CreateViewControls(parent, kKeypadKeys);
}

void CreateScheduleView(HWND parent)
{
    CreateViewControls(parent, kScheduleListAndHeaders);
    CreateFamily(parent, kWeekdayHeaders);
    SetWeekdayHeaderTexts();
    CreateViewControls(parent, kScheduleLabels);
    CreateFamily(parent, kScheduleDayNames);
    CreateViewControls(parent, kScheduleGridAndTabs);
}

void CreateAnniversaryView(HWND parent)
{
    CreateViewControls(parent, kAnniversaryListAndLabels);
    CreateFamily(parent, kAnniversaryDayNames);
    CreateViewControls(parent, kAnniversaryFrameAndPick);
}

void HideViewsAndCard()
{
    HideControls(kContactCard);
    HideControls(kSearchRow);
    HideControls(kKeypadView);
    HideControls(kKeypadKeys);
    HideControls(kCompanyAndGroupViews);
    HideControls(kScheduleListAndHeaders);
    HideControls(kScheduleLabels);
    HideControls(kScheduleGridAndTabs);
    HideControls(kAnniversaryListAndLabels);
    HideControls(kAnniversaryFrameAndPick);
    HideControls(kTaskAndMemoViews);
    for (HWND header : WeekdayHeaderWindows)
        ShowControl(header, false);
}

}  // namespace

HWND CreateViewControl(HWND parent, const ControlDef& def)
{
    HWND control = nullptr;
    switch (def.kind) {
    case K::Button:    control = CreateChild(parent, WC_BUTTONW, def, def.style); break;
    case K::Edit:      control = CreateChild(parent, WC_EDITW, def, def.style); break;
    case K::Static:    control = CreateChild(parent, WC_STATICW, def, def.style); break;
    case K::ComboBox:  control = CreateChild(parent, WC_COMBOBOXW, def, def.style); break;
    case K::List:      control = CreateViewList(parent, def); break;
    case K::RichInk:   control = CreateViewInk(parent, def); break;
    // Null until the month grid's class is registered.
    case K::MonthGrid: control = CreateChild(parent, L"CalWindow", def, def.style); break;
    }
    *def.handle = control;
    return control;
}

HWND CreateFamilyControl(HWND parent, const ControlFamily& family, int index)
{
    const ControlDef member = {&family.handles[index], family.firstId + index, K::Edit,
                                family.x + family.step * index, family.y, family.width, family.height,
                                family.style, nullptr, nullptr};
    return CreateViewControl(parent, member);
}

void SetWeekdayHeaderTexts()
{
    static const wchar_t* const kSundayFirst[kWeekDays] = {L" 일", L" 월", L" 화", L" 수", L" 목", L" 금", L" 토"};
    static const wchar_t* const kMondayFirst[kWeekDays] = {L" 월", L" 화", L" 수", L" 목", L" 금", L" 토", L" 일"};
    const wchar_t* const* names = ActiveWeekStart == 1 ? kMondayFirst : kSundayFirst;
    for (int i = 0; i < kWeekDays; ++i) {
        if (WeekdayHeaderWindows[i])
            SetWindowTextW(WeekdayHeaderWindows[i], names[i]);
    }
}

void CreateAllViewControls(HWND parent)
{
    CreateDetailPanes(parent);
    CreateViewControls(parent, kContactCard);
    CreateSearchRow(parent);
    CreateKeypadView(parent);
    CreateViewControls(parent, kCompanyAndGroupViews);
    CreateScheduleView(parent);
    CreateAnniversaryView(parent);
    CreateViewControls(parent, kTaskAndMemoViews);
    HideViewsAndCard();
    CreateViewControls(parent, kViewTabs);
    for (int i = 0; i < kIndexTabCount; ++i)
        CreateViewControl(parent, IndexTabDef(i));
    CreateViewControls(parent, kContactList);
}

namespace {

// The detail's time line at its widest: two dates, each with a time.
constexpr wchar_t kWidestTimeLine[] = L"0000-00-00 00:00 ~ 0000-00-00 00:00";

// Made once per face, as the views live as long as the program.
HFONT TimeLineFont(HWND label, HFONT font)
{
    static HFONT baseFont = nullptr, fitted = nullptr;
    if (font == baseFont && fitted)
        return fitted;
    RECT client = {};
    GetClientRect(label, &client);
    HFONT made = CreateFittedFont(font, kWidestTimeLine, client.right);
    if (!made)
        return font;
    if (fitted)
        DeleteObject(fitted);
    baseFont = font;
    fitted = made;
    return fitted;
}

}  // namespace

void SetViewControlsFont(HWND parent, HFONT font)
{
    if (!font)
        return;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = L"";
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, WC_RICHINKW) == 0)
            continue;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // The narrow labels (the weekday headers are 20 pixels) need the
        // room the desktop's edits keep for margins.
        if (lstrcmpiW(cls, WC_EDITW) == 0)
            SendMessageW(child, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
    if (DetailSubtitleLabel)
        SendMessageW(DetailSubtitleLabel, WM_SETFONT, reinterpret_cast<WPARAM>(TimeLineFont(DetailSubtitleLabel, font)),
                     FALSE);
}

void ShowControl(HWND control, bool show)
{
    if (control)
        ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}
