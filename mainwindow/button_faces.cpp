#include "mainwindow/button_faces.h"

#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <span>

namespace {

constexpr int kNotesFiles = 2;
constexpr int kNameAndKindColumns = 1;

struct Face {
    int bitmap;
    int width, height;  // the bitmap's own size
};

// A button and its two faces: the pressed one when `pressed` says so (or
// always, when it is null), else the normal one.
struct FaceRow {
    HWND* button;
    int width, height;
    int pressedFace;
    int normalFace;
    bool (*pressed)();
};
using FaceTable = std::span<const FaceRow>;

// ---- the faces of every view: tabs and detail marks --------------------------------

const FaceRow kTabFaces[] = {
    {&ContactViewTab, 40, 16, IDB_TAB_CONTACT_ON, IDB_TAB_CONTACT_OFF, [] { return CurrentView == 0; }},
    {&SearchViewTab, 40, 16, IDB_TAB_SEARCH_ON, IDB_TAB_SEARCH_OFF, [] { return CurrentView == 1; }},
    {&CompanyViewTab, 40, 16, IDB_TAB_COMPANY_ON, IDB_TAB_COMPANY_OFF, [] { return CurrentView == 2; }},
    {&GroupViewTab, 40, 16, IDB_TAB_GROUP_ON, IDB_TAB_GROUP_OFF, [] { return CurrentView == 3; }},
    {&ScheduleViewTab, 40, 16, IDB_TAB_SCHEDULE_ON, IDB_TAB_SCHEDULE_OFF, [] { return CurrentView == 4; }},
    {&AnniversaryViewTab, 40, 16, IDB_TAB_ANNIVERSARY_ON, IDB_TAB_ANNIVERSARY_OFF, [] { return CurrentView == 5; }},
    {&TaskViewTab, 40, 16, IDB_TAB_TASK_ON, IDB_TAB_TASK_OFF, [] { return CurrentView == 6; }},
    {&MemoViewTab, 40, 16, IDB_TAB_MEMO_ON, IDB_TAB_MEMO_OFF, [] { return CurrentView == 7; }},
    {&TabBarEnd, 4, 16, IDB_TAB_END, IDB_TAB_END, nullptr},
    {&DetailButtonA, 16, 16, IDB_MARK_REMINDER, IDB_MARK_REMINDER, nullptr},
    {&DetailButtonB, 16, 16, IDB_MARK_REPEAT, IDB_MARK_REPEAT, nullptr},
    {&DetailButtonC, 16, 16, IDB_MARK_DONE, IDB_MARK_DONE, nullptr},
};

// ---- the four contact views: column headings and the contact card ---------------------

bool NameAndKindColumns() { return Settings.ContactListColumns == kNameAndKindColumns; }

const FaceRow kContactViewsFaces[] = {
    {&ContactColumnButtons[0], 51, 16, IDB_COLUMN_KIND_NAME, IDB_COLUMN_NAME, NameAndKindColumns},
    {&ContactColumnButtons[1], 89, 16, IDB_COLUMN_KIND_PHONE, IDB_COLUMN_MOBILE, NameAndKindColumns},
    {&ContactColumnButtons[2], 98, 16, IDB_COLUMN_KIND_MARK, IDB_COLUMN_OFFICE, NameAndKindColumns},
    {&CardScheduleTab, 40, 16, IDB_CARD_TAB_SCHEDULE_ON, IDB_CARD_TAB_SCHEDULE_OFF,
     [] { return ContactCardPanel == 0; }},
    {&CardTaskTab, 40, 16, IDB_CARD_TAB_TASK_ON, IDB_CARD_TAB_TASK_OFF, [] { return ContactCardPanel == 1; }},
    {&CardMemoTab, 40, 16, IDB_CARD_TAB_MEMO_ON, IDB_CARD_TAB_MEMO_OFF, [] { return ContactCardPanel == 2; }},
    {&CardScheduleHeader[0], 106, 16, IDB_CARD_SCHEDULE_DATE, IDB_CARD_SCHEDULE_DATE, nullptr},
    {&CardScheduleHeader[1], 132, 16, IDB_CARD_SCHEDULE_TEXT, IDB_CARD_SCHEDULE_TEXT, nullptr},
    {&CardTaskHeader[0], 148, 16, IDB_CARD_TASK_TITLE, IDB_CARD_TASK_TITLE, nullptr},
    {&CardTaskHeader[1], 90, 16, IDB_CARD_TASK_PERIOD, IDB_CARD_TASK_PERIOD, nullptr},
    {&CardMemoHeader[0], 106, 16, IDB_CARD_MEMO_TITLE_ON, IDB_CARD_MEMO_TITLE_OFF, [] { return MemoSortKey == 'T'; }},
    {&CardMemoHeader[1], 132, 16, IDB_CARD_MEMO_DATE_ON, IDB_CARD_MEMO_DATE_OFF, [] { return MemoSortKey == 'D'; }},
    {&CardPortrait, 240, 150, IDB_CARD_BACKGROUND, IDB_CARD_BACKGROUND, nullptr},
    {&CardLines[7], 13, 12, IDB_CARD_MOBILE, IDB_CARD_MOBILE, nullptr},
    {&CardLines[9], 13, 12, IDB_CARD_OFFICE, IDB_CARD_OFFICE, nullptr},
    {&CardLines[11], 13, 12, IDB_CARD_HOME, IDB_CARD_HOME, nullptr},
    {&CardLines[14], 13, 12, IDB_CARD_MAIL, IDB_CARD_MAIL, nullptr},
};

// ---- view by view ---------------------------------------------------------------------

const FaceRow kContactViewFaces[] = {
    {&SearchBoxButton, 20, 20, IDB_SEARCH_BUTTON, IDB_SEARCH_BUTTON, nullptr},
};

// The side tabs of the three contact sub-views: one column that each draws
// with its own tab pressed.
const FaceRow kSearchViewFaces[] = {
    {&KeypadSideTabs[0], 19, 35, IDB_SIDE_SEARCH_ON, IDB_SIDE_SEARCH_ON, nullptr},
    {&KeypadSideTabs[1], 19, 34, IDB_SIDE_COMPANY_OFF, IDB_SIDE_COMPANY_OFF, nullptr},
    {&KeypadSideTabs[2], 19, 35, IDB_SIDE_GROUP_OFF, IDB_SIDE_GROUP_OFF, nullptr},
};
const FaceRow kCompanyViewFaces[] = {
    {&CompanySideTabs[0], 19, 35, IDB_SIDE_SEARCH_OFF, IDB_SIDE_SEARCH_OFF, nullptr},
    {&CompanySideTabs[1], 19, 34, IDB_SIDE_COMPANY_ON, IDB_SIDE_COMPANY_ON, nullptr},
    {&CompanySideTabs[2], 19, 35, IDB_SIDE_GROUP_OFF, IDB_SIDE_GROUP_OFF, nullptr},
};
const FaceRow kGroupViewFaces[] = {
    {&GroupSideTabs[0], 19, 35, IDB_SIDE_SEARCH_OFF, IDB_SIDE_SEARCH_OFF, nullptr},
    {&GroupSideTabs[1], 19, 34, IDB_SIDE_COMPANY_OFF, IDB_SIDE_COMPANY_OFF, nullptr},
    {&GroupSideTabs[2], 19, 35, IDB_SIDE_GROUP_ON, IDB_SIDE_GROUP_ON, nullptr},
};

const FaceRow kScheduleViewFaces[] = {
    {&ScheduleHeaderButtons[0], 106, 16, IDB_SCHEDULE_DATE, IDB_SCHEDULE_DATE, nullptr},
    {&ScheduleHeaderButtons[1], 132, 16, IDB_SCHEDULE_TEXT, IDB_SCHEDULE_TEXT, nullptr},
    {&ScheduleModeTabs[0], 19, 35, IDB_SIDE_DAY_ON, IDB_SIDE_DAY_OFF, [] { return ScheduleMode == 'D'; }},
    {&ScheduleModeTabs[1], 19, 34, IDB_SIDE_WEEK_ON, IDB_SIDE_WEEK_OFF, [] { return ScheduleMode == 'W'; }},
    {&ScheduleModeTabs[2], 19, 35, IDB_SIDE_MONTH_ON, IDB_SIDE_MONTH_OFF, [] { return ScheduleMode == 'M'; }},
    {&PrevMonthButton, 12, 12, IDB_MONTH_PREVIOUS, IDB_MONTH_PREVIOUS, nullptr},
    {&NextMonthButton, 12, 12, IDB_MONTH_NEXT, IDB_MONTH_NEXT, nullptr},
};

const FaceRow kAnniversaryViewFaces[] = {
    {&AnniversarySortButtons[0], 128, 16, IDB_ANNIVERSARY_TITLE_ON, IDB_ANNIVERSARY_TITLE_OFF,
     [] { return AnniversarySortKey == 'T'; }},
    {&AnniversarySortButtons[1], 110, 16, IDB_ANNIVERSARY_DATE_ON, IDB_ANNIVERSARY_DATE_OFF,
     [] { return AnniversarySortKey != 'T'; }},
};

const FaceRow kTaskViewFaces[] = {
    {&TaskHeaderButtons[0], 148, 16, IDB_TASK_TITLE, IDB_TASK_TITLE, nullptr},
    {&TaskHeaderButtons[1], 90, 16, IDB_TASK_PERIOD, IDB_TASK_PERIOD, nullptr},
};

const FaceRow kMemoViewFaces[] = {
    {&MemoHeaderButtons[0], 106, 16, IDB_MEMO_TITLE_ON, IDB_MEMO_TITLE_OFF, [] { return MemoSortKey == 'T'; }},
    {&MemoHeaderButtons[1], 132, 16, IDB_MEMO_DATE_ON, IDB_MEMO_DATE_OFF, [] { return MemoSortKey == 'D'; }},
    {&MemoSideTabs[1], 19, 52, IDB_SIDE_BY_DATE_ON, IDB_SIDE_BY_DATE_OFF, [] { return MemoPickByDate == 1; }},
};

// The keypad's digit keys show the faces of the keypad layout, or the plain
// digits while the search field is the phones ('T'). By key, in the order
// of KeypadKeys (1-9, 0, back, field).
enum KeypadColumn { kPhoneFaces = 0, kLayoutFaces = 1 };
const int kKeypadFaces[kKeypadKeyCount][5] = {
    // phones, layout 0, layout 1, layout 2, layout 3
    {IDB_KEY_PHONE_1, IDB_KEY_BASIC_1, IDB_KEY_SAMSUNG_1, IDB_KEY_LGHP_1, IDB_KEY_POSE_1},
    {IDB_KEY_PHONE_2, IDB_KEY_BASIC_2, IDB_KEY_SAMSUNG_2, IDB_KEY_LGHP_2, IDB_KEY_POSE_2},
    {IDB_KEY_PHONE_3, IDB_KEY_BASIC_3, IDB_KEY_SAMSUNG_3, IDB_KEY_LGHP_3, IDB_KEY_POSE_3},
    {IDB_KEY_PHONE_4, IDB_KEY_BASIC_4, IDB_KEY_SAMSUNG_4, IDB_KEY_LGHP_4, IDB_KEY_POSE_4},
    {IDB_KEY_PHONE_5, IDB_KEY_BASIC_5, IDB_KEY_SAMSUNG_5, IDB_KEY_LGHP_5, IDB_KEY_POSE_5},
    {IDB_KEY_PHONE_6, IDB_KEY_BASIC_6, IDB_KEY_SAMSUNG_6, IDB_KEY_LGHP_6, IDB_KEY_POSE_6},
    {IDB_KEY_PHONE_7, IDB_KEY_BASIC_7, IDB_KEY_SAMSUNG_7, IDB_KEY_LGHP_7, IDB_KEY_POSE_7},
    {IDB_KEY_PHONE_8, IDB_KEY_BASIC_8, IDB_KEY_SAMSUNG_8, IDB_KEY_LGHP_8, IDB_KEY_POSE_8},
    {IDB_KEY_PHONE_9, IDB_KEY_BASIC_9, IDB_KEY_SAMSUNG_9, IDB_KEY_LGHP_9, IDB_KEY_POSE_9},
    {IDB_KEY_PHONE_0, IDB_KEY_BASIC_0, IDB_KEY_SAMSUNG_0, IDB_KEY_LGHP_0, IDB_KEY_POSE_0},
    {IDB_KEY_BACK, IDB_KEY_BACK, IDB_KEY_BACK, IDB_KEY_BACK, IDB_KEY_BACK},
    {IDB_KEY_FIELD, IDB_KEY_FIELD, IDB_KEY_FIELD, IDB_KEY_FIELD, IDB_KEY_FIELD},
};
constexpr int kKeyWidth = 70, kKeyHeight = 18;

// ---- painting --------------------------------------------------------------------------

// The bitmap stretched over the item's rectangle; loaded, used and freed at
// every paint.
void PaintFace(const DRAWITEMSTRUCT& item, const Face& face)
{
    HBITMAP bitmap = LoadBitmapW(AppInstance, MAKEINTRESOURCEW(face.bitmap));
    if (!bitmap)
        return;
    HDC memory = CreateCompatibleDC(item.hDC);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom, memory, 0, 0,
                   face.width, face.height, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

bool FindFace(FaceTable table, HWND button, Face* face)
{
    for (const FaceRow& row : table) {
        if (*row.button && *row.button == button) {
            const bool pressed = !row.pressed || row.pressed();
            *face = {pressed ? row.pressedFace : row.normalFace, row.width, row.height};
            return true;
        }
    }
    return false;
}

bool DrawFrom(const DRAWITEMSTRUCT& item, std::initializer_list<FaceTable> tables)
{
    Face face = {};
    for (FaceTable table : tables) {
        if (FindFace(table, item.hwndItem, &face)) {
            PaintFace(item, face);
            return true;
        }
    }
    return false;
}

// Tab 0 is "all", 1-14 the consonants ㄱ..ㅎ, 15 the search box.
bool IndexTabFace(HWND button, Face* face)
{
    for (int k = 0; k < kIndexTabCount; ++k) {
        if (!IndexBarButtons[k] || IndexBarButtons[k] != button)
            continue;
        const bool pressed = IndexTab == k;
        if (k == kIndexTabAll)
            *face = {pressed ? IDB_INDEX_ALL_ON : IDB_INDEX_ALL_OFF, 28, 16};
        else if (k == kIndexTabSearch)
            *face = {pressed ? IDB_INDEX_SEARCH_ON : IDB_INDEX_SEARCH_OFF, 29, 16};
        else
            *face = {pressed ? IDB_INDEX_CONSONANT_1_ON + k - 1 : IDB_INDEX_CONSONANT_1_OFF + k - 1, 14, 16};
        return true;
    }
    return false;
}

bool KeypadFace(HWND button, Face* face)
{
    // Layouts outside 0-3 count as the basic one.
    const int layout = ActiveKeypadLayout >= 0 && ActiveKeypadLayout <= 3 ? ActiveKeypadLayout : 0;
    const int column = KeypadSearchField == 'T' ? kPhoneFaces : kLayoutFaces + layout;
    for (int key = 0; key < kKeypadKeyCount; ++key) {
        if (KeypadKeys[key] && KeypadKeys[key] == button) {
            *face = {kKeypadFaces[key][column], kKeyWidth, kKeyHeight};
            return true;
        }
    }
    return false;
}

// The category-or-folder side tab of the memo view: pressed unless memos
// are picked by date; "folder" when the memos are Notes files.
bool MemoPickTabFace(HWND button, Face* face)
{
    if (!MemoSideTabs[0] || MemoSideTabs[0] != button)
        return false;
    const bool folders = Settings.MemoSource == kNotesFiles;
    if (MemoPickByDate == 1)
        *face = {folders ? IDB_SIDE_BY_FOLDER_OFF : IDB_SIDE_BY_CATEGORY_OFF, 19, 52};
    else
        *face = {folders ? IDB_SIDE_BY_FOLDER_ON : IDB_SIDE_BY_CATEGORY_ON, 19, 52};
    return true;
}

bool DrawComputed(const DRAWITEMSTRUCT& item, bool (*lookup)(HWND, Face*))
{
    Face face = {};
    if (!lookup(item.hwndItem, &face))
        return false;
    PaintFace(item, face);
    return true;
}

void InvalidateAll(std::initializer_list<HWND> buttons)
{
    for (HWND button : buttons) {
        if (button)
            InvalidateRect(button, nullptr, TRUE);
    }
}

}  // namespace

bool DrawTabButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kTabFaces});
}

bool DrawContactViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kContactViewsFaces, kContactViewFaces}) || DrawComputed(item, IndexTabFace);
}

bool DrawSearchViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kContactViewsFaces, kSearchViewFaces}) || DrawComputed(item, KeypadFace);
}

bool DrawCompanyViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kContactViewsFaces, kCompanyViewFaces});
}

bool DrawGroupViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kContactViewsFaces, kGroupViewFaces});
}

bool DrawScheduleViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kScheduleViewFaces});
}

bool DrawAnniversaryViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kAnniversaryViewFaces});
}

bool DrawTaskViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kTaskViewFaces});
}

bool DrawMemoViewButtons(const DRAWITEMSTRUCT& item)
{
    return DrawFrom(item, {kMemoViewFaces}) || DrawComputed(item, MemoPickTabFace);
}

void OnMainDrawItem(const DRAWITEMSTRUCT& item)
{
    using Painter = bool (*)(const DRAWITEMSTRUCT&);
    static const Painter kPainters[kViewCount] = {
        DrawContactViewButtons, DrawSearchViewButtons, DrawCompanyViewButtons, DrawGroupViewButtons,
        DrawScheduleViewButtons, DrawAnniversaryViewButtons, DrawTaskViewButtons, DrawMemoViewButtons,
    };
    DrawTabButtons(item);
    if (CurrentView >= 0 && CurrentView < kViewCount)
        kPainters[CurrentView](item);
    const bool taskRow = item.CtlType == ODT_LISTVIEW && item.hwndItem &&
                         (item.hwndItem == TaskList || item.hwndItem == CardTaskList);
    if (taskRow && Hooks.PaintTaskRow)
        Hooks.PaintTaskRow(item);
}

void InvalidateViewTabs()
{
    InvalidateAll({ContactViewTab, SearchViewTab, CompanyViewTab, GroupViewTab, ScheduleViewTab, AnniversaryViewTab,
                   TaskViewTab, MemoViewTab});
}

void InvalidatePanelTabs()
{
    InvalidateAll({CardScheduleTab, CardTaskTab, CardMemoTab});
}

void InvalidateIndexBar()
{
    for (HWND tab : IndexBarButtons) {
        if (tab)
            InvalidateRect(tab, nullptr, TRUE);
    }
}
