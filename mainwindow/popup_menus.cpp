#include "mainwindow/popup_menus.h"

#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/task_headings.h"
#include "resources/resource.h"

#include <span>
#include <string>

namespace {

constexpr int kNotesFiles = 2;

// An item checked while its test holds.
struct CheckRule {
    UINT item;
    bool (*on)();
};

// An item grayed while the contact's text it acts on is empty.
struct GrayRule {
    UINT item;
    const wchar_t* (*text)();
};

void Check(HMENU menu, std::span<const CheckRule> rules)
{
    for (const CheckRule& rule : rules) {
        if (rule.on())
            CheckMenuItem(menu, rule.item, MF_BYCOMMAND | MF_CHECKED);
    }
}

void Gray(HMENU menu, std::span<const GrayRule> rules)
{
    for (const GrayRule& rule : rules) {
        if (!rule.text()[0])
            EnableMenuItem(menu, rule.item, MF_BYCOMMAND | MF_GRAYED);
    }
}

// Loads the menu, lets `prepare` set its items' states and tracks its first
// submenu at the point.
template <class Prepare>
void TrackMenu(HWND owner, int resource, POINT at, Prepare prepare)
{
    HMENU menu = LoadMenuW(AppInstance, MAKEINTRESOURCEW(resource));
    if (!menu)
        return;
    if (HMENU popup = GetSubMenu(menu, 0)) {
        prepare(popup);
        TrackPopupMenuEx(popup, 0, at.x, at.y, owner, nullptr);
    }
    DestroyMenu(menu);
}

// ---- the contact menus ------------------------------------------------------------

const wchar_t* Mobile() { return ContactDialInfo.PreviewMobileDigits; }
const wchar_t* Office() { return ContactDialInfo.PreviewOfficeDigits; }
const wchar_t* Home() { return ContactDialInfo.PreviewHomeDigits; }
const wchar_t* Email() { return ContactDialInfo.PreviewEmail; }

const GrayRule kContactListGrays[] = {
    {IDM_CONTACT_DIAL_MOBILE, Mobile}, {IDM_CONTACT_DIAL_BUSINESS, Office}, {IDM_CONTACT_DIAL_HOME, Home},
    {IDM_CONTACT_MAIL, Email},         {IDM_CONTACT_MESSAGE, Mobile},
};
const GrayRule kCardGrays[] = {
    {IDM_CARD_DIAL_MOBILE, Mobile}, {IDM_CARD_DIAL_BUSINESS, Office}, {IDM_CARD_DIAL_HOME, Home},
    {IDM_CARD_MAIL, Email},         {IDM_CARD_MESSAGE, Mobile},
};
const CheckRule kSubViewChecks[] = {
    {IDM_VIEW_SEARCH, [] { return CurrentView == kContactSearchView; }},
    {IDM_VIEW_COMPANY, [] { return CurrentView == kCompanyView; }},
    {IDM_VIEW_GROUP, [] { return CurrentView == kGroupView; }},
};

// The menu with "문자 보내기" on the devices that have the messaging menus.
int ContactMenu(int plain, int withMessage)
{
    return SamsungSmsMenus ? withMessage : plain;
}

// ---- the item menus ----------------------------------------------------------------

const CheckRule kScheduleModeChecks[] = {
    {IDM_SCHEDULE_DAY, [] { return ScheduleMode == 'D'; }},
    {IDM_SCHEDULE_WEEK, [] { return ScheduleMode == 'W'; }},
    {IDM_SCHEDULE_MONTH, [] { return ScheduleMode == 'M'; }},
};

const CheckRule kMemoChecks[] = {
    {IDM_MEMO_BY_CATEGORY, [] { return MemoPickByDate == 0; }},
    {IDM_MEMO_BY_DATE, [] { return MemoPickByDate == 1; }},
    {IDM_MEMO_SORT_TITLE, [] { return MemoSortKey == 'T'; }},
    {IDM_MEMO_SORT_DATE, [] { return MemoSortKey == 'D'; }},
};

const CheckRule kAnniversaryChecks[] = {
    {IDM_ANNIVERSARY_SORT_TITLE, [] { return AnniversarySortKey == 'T'; }},
    {IDM_ANNIVERSARY_SORT_DATE, [] { return AnniversarySortKey == 'D'; }},
};

std::wstring HeadingText(HWND heading)
{
    wchar_t text[32] = L"";
    if (heading)
        GetWindowTextW(heading, text, 32);
    return text;
}

// The item of the choice the heading shows; a text naming none checks none.
void TrackHeadingMenu(HWND owner, int resource, POINT at, HWND heading, std::span<const TaskHeadingText> texts)
{
    const std::wstring shown = HeadingText(heading);
    TrackMenu(owner, resource, at, [&](HMENU popup) {
        for (const TaskHeadingText& entry : texts) {
            if (shown == entry.text)
                CheckMenuItem(popup, entry.command, MF_BYCOMMAND | MF_CHECKED);
        }
    });
}

}  // namespace

void ShowContactListMenu(HWND owner, POINT at)
{
    RunHook(Hooks.ShowContactPreview);
    TrackMenu(owner, ContactMenu(IDR_CONTACT_MENU, IDR_CONTACT_SMS_MENU), at,
              [](HMENU popup) { Gray(popup, kContactListGrays); });
}

void ShowContactSubViewMenu(HWND owner, POINT at)
{
    RunHook(Hooks.ShowContactPreview);
    TrackMenu(owner, ContactMenu(IDR_CONTACT_SUBVIEW_MENU, IDR_CONTACT_SUBVIEW_SMS_MENU), at, [](HMENU popup) {
        Gray(popup, kContactListGrays);
        Check(popup, kSubViewChecks);
    });
}

void ShowContactCardMenu(HWND owner, POINT at)
{
    TrackMenu(owner, ContactMenu(IDR_CARD_MENU, IDR_CARD_SMS_MENU), at,
              [](HMENU popup) { Gray(popup, kCardGrays); });
}

void ShowLinkedContactMenu(HWND owner, POINT at)
{
    TrackMenu(owner, IDR_CARD_MENU, at, [](HMENU popup) { Gray(popup, kCardGrays); });
}

void ShowScheduleMenu(HWND owner, POINT at)
{
    TrackMenu(owner, IDR_SCHEDULE_MENU, at, [](HMENU popup) { Check(popup, kScheduleModeChecks); });
}

void ShowTaskMenu(HWND owner, POINT at)
{
    TrackMenu(owner, IDR_TASK_MENU, at, [](HMENU) {});
}

void ShowMemoMenu(HWND owner, POINT at)
{
    const int resource = Settings.MemoSource == kNotesFiles ? IDR_NOTES_MEMO_MENU : IDR_MEMO_MENU;
    TrackMenu(owner, resource, at, [](HMENU popup) { Check(popup, kMemoChecks); });
}

void ShowAnniversaryMenu(HWND owner, POINT at)
{
    TrackMenu(owner, IDR_ANNIVERSARY_MENU, at, [](HMENU popup) { Check(popup, kAnniversaryChecks); });
}

void ShowTaskFilterMenu(HWND owner)
{
    TrackHeadingMenu(owner, IDR_TASK_FILTER_MENU, kTaskFilterMenuPoint, CardTaskFilterHeading, kTaskFilterHeadings);
}

void ShowTaskSortMenu(HWND owner)
{
    TrackHeadingMenu(owner, IDR_TASK_SORT_MENU, kTaskSortMenuPoint, CardTaskSortHeading, kTaskSortHeadings);
}
