#include "mainwindow/toolbars.h"

#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_controls.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

constexpr int kStripX = 0, kStripY = 245, kStripWidth = 240, kStripHeight = 23;
// Child, visible, flat, transparent, not aligned to the parent (0x50008808).
constexpr DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | TBSTYLE_TRANSPARENT | TBSTYLE_FLAT | CCS_NOPARENTALIGN;
constexpr int kToolbarBitmaps = 2;
constexpr int kButtonSize = 16;
constexpr int kToolbarX = 1, kToolbarY = -2, kToolbarHeight = 16;
constexpr int kMemoInkZoom = 200;

// A button record: image, command, enabled, a button; a separator has image
// and command 0.
constexpr TBBUTTON Button(int image, int command)
{
    TBBUTTON b = {};
    b.iBitmap = image;
    b.idCommand = command;
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_BUTTON;
    return b;
}
constexpr TBBUTTON Separator()
{
    TBBUTTON b = {};
    b.fsState = TBSTATE_ENABLED;
    b.fsStyle = BTNS_SEP;
    return b;
}

// Images of bitmap 105 by what they show.
enum ToolbarImage {
    kNewContact = 0, kEditContact = 1, kDeleteContact = 2, kDialMobile = 3, kMail = 6, kCard = 7, kPreviousRow = 8,
    kNextRow = 9, kBack = 10, kPrevious = 14, kNext = 15, kToday = 16, kNewItem = 17, kEditItem = 18,
    kDeleteItem = 19, kDone = 20, kShowContact = 21, kShowAppointment = 22, kShowTask = 23, kDialHome = 25,
    kDialBusiness = 26,
};

const TBBUTTON kContactsButtons[] = {
    Button(kNewContact, ID_CONTACT_NEW), Button(kEditContact, ID_CONTACT_EDIT),
    Button(kDeleteContact, ID_CONTACT_DELETE), Separator(), Button(kCard, ID_CONTACT_CARD_OPEN), Separator(),
    Button(kDialMobile, ID_CONTACT_DIAL_MOBILE), Button(kDialHome, ID_CONTACT_DIAL_HOME),
    Button(kDialBusiness, ID_CONTACT_DIAL_BUSINESS), Button(kMail, ID_CONTACT_MAIL), Separator(),
    Button(kShowContact, ID_CONTACT_SHOW_OUTLOOK),
};
const TBBUTTON kCardScheduleButtons[] = {
    Button(kNewItem, ID_APPOINTMENT_NEW), Button(kEditItem, ID_APPOINTMENT_EDIT),
    Button(kDeleteItem, ID_APPOINTMENT_DELETE), Separator(), Button(kBack, ID_CONTACT_CARD_CLOSE), Separator(),
    Button(kDialMobile, ID_CONTACT_DIAL_MOBILE), Button(kDialHome, ID_CONTACT_DIAL_HOME),
    Button(kDialBusiness, ID_CONTACT_DIAL_BUSINESS), Separator(), Button(kPrevious, ID_CARD_PREVIOUS_MONTH),
    Button(kNext, ID_CARD_NEXT_MONTH),
};
const TBBUTTON kScheduleDetailButtons[] = {
    Button(kDialMobile, ID_APPOINTMENT_DIAL_MOBILE), Button(kDialHome, ID_APPOINTMENT_DIAL_HOME),
    Button(kDialBusiness, ID_APPOINTMENT_DIAL_BUSINESS), Separator(), Button(kBack, ID_SCHEDULE_BACK), Separator(),
    Button(kEditItem, ID_APPOINTMENT_EDIT), Button(kDeleteItem, ID_APPOINTMENT_DELETE), Separator(),
    Button(kPreviousRow, ID_SCHEDULE_PREVIOUS_ROW), Button(kNextRow, ID_SCHEDULE_NEXT_ROW),
};
const TBBUTTON kScheduleButtons[] = {
    Button(kNewItem, ID_APPOINTMENT_NEW), Button(kEditItem, ID_APPOINTMENT_EDIT),
    Button(kDeleteItem, ID_APPOINTMENT_DELETE), Separator(), Button(kCard, ID_SCHEDULE_DETAIL), Separator(),
    Button(kPrevious, ID_SCHEDULE_PREVIOUS_PERIOD), Button(kToday, ID_SCHEDULE_TODAY),
    Button(kNext, ID_SCHEDULE_NEXT_PERIOD), Separator(), Button(kShowAppointment, ID_APPOINTMENT_SHOW_OUTLOOK),
};
const TBBUTTON kAnniversaryButtons[] = {
    Button(kNewItem, ID_ANNIVERSARY_NEW), Button(kEditItem, ID_ANNIVERSARY_EDIT),
    Button(kDeleteItem, ID_ANNIVERSARY_DELETE), Separator(), Button(kPrevious, ID_ANNIVERSARY_PREVIOUS_YEAR),
    Button(kToday, ID_ANNIVERSARY_THIS_YEAR), Button(kNext, ID_ANNIVERSARY_NEXT_YEAR),
};
const TBBUTTON kCardTaskButtons[] = {
    Button(kNewItem, ID_TASK_NEW), Button(kEditItem, ID_TASK_EDIT), Button(kDeleteItem, ID_TASK_DELETE),
    Separator(), Button(kBack, ID_CONTACT_CARD_CLOSE), Separator(), Button(kDialMobile, ID_CONTACT_DIAL_MOBILE),
    Button(kDialHome, ID_CONTACT_DIAL_HOME), Button(kDialBusiness, ID_CONTACT_DIAL_BUSINESS), Separator(),
    Button(kDone, ID_TASK_TOGGLE_DONE),
};
const TBBUTTON kTaskDetailButtons[] = {
    Button(kDialMobile, ID_TASK_DIAL_MOBILE), Button(kDialHome, ID_TASK_DIAL_HOME),
    Button(kDialBusiness, ID_TASK_DIAL_BUSINESS), Separator(), Button(kBack, ID_TASK_BACK), Separator(),
    Button(kEditItem, ID_TASK_EDIT), Button(kDeleteItem, ID_TASK_DELETE), Separator(),
    Button(kPreviousRow, ID_TASK_PREVIOUS_ROW), Button(kNextRow, ID_TASK_NEXT_ROW),
};
const TBBUTTON kTaskButtons[] = {
    Button(kNewItem, ID_TASK_NEW), Button(kEditItem, ID_TASK_EDIT), Button(kDeleteItem, ID_TASK_DELETE),
    Separator(), Button(kCard, ID_TASK_DETAIL), Separator(), Button(kDone, ID_TASK_TOGGLE_DONE), Separator(),
    Button(kShowTask, ID_TASK_SHOW_OUTLOOK),
};
const TBBUTTON kCardMemoButtons[] = {
    Button(kNewItem, ID_MEMO_NEW), Button(kEditItem, ID_MEMO_EDIT), Button(kDeleteItem, ID_MEMO_DELETE),
    Separator(), Button(kBack, ID_CONTACT_CARD_CLOSE), Separator(), Button(kDialMobile, ID_CONTACT_DIAL_MOBILE),
    Button(kDialHome, ID_CONTACT_DIAL_HOME), Button(kDialBusiness, ID_CONTACT_DIAL_BUSINESS),
};
const TBBUTTON kMemoButtons[] = {
    Button(kNewItem, ID_MEMO_NEW), Button(kEditItem, ID_MEMO_EDIT), Button(kDeleteItem, ID_MEMO_DELETE),
    Separator(), Button(kCard, ID_MEMO_DETAIL),
};
const TBBUTTON kMemoDetailButtons[] = {
    Button(kDialMobile, ID_MEMO_DIAL_MOBILE), Button(kDialHome, ID_MEMO_DIAL_HOME),
    Button(kDialBusiness, ID_MEMO_DIAL_BUSINESS), Separator(), Button(kBack, ID_MEMO_BACK), Separator(),
    Button(kEditItem, ID_MEMO_EDIT), Button(kDeleteItem, ID_MEMO_DELETE), Separator(),
    Button(kPreviousRow, ID_MEMO_PREVIOUS_ROW), Button(kNextRow, ID_MEMO_NEXT_ROW),
};

struct ToolbarDef {
    HWND* handle;
    const TBBUTTON* buttons;
    int count;
};

#define BUTTONS(table) table, static_cast<int>(std::size(table))
// In creation order.
const ToolbarDef kToolbars[] = {
    {&ContactsToolbar, BUTTONS(kContactsButtons)},
    {&CardScheduleToolbar, BUTTONS(kCardScheduleButtons)},
    {&ScheduleDetailToolbar, BUTTONS(kScheduleDetailButtons)},
    {&ScheduleToolbar, BUTTONS(kScheduleButtons)},
    {&AnniversaryToolbar, BUTTONS(kAnniversaryButtons)},
    {&CardTaskToolbar, BUTTONS(kCardTaskButtons)},
    {&TaskDetailToolbar, BUTTONS(kTaskDetailButtons)},
    {&TaskToolbar, BUTTONS(kTaskButtons)},
    {&CardMemoToolbar, BUTTONS(kCardMemoButtons)},
    {&MemoToolbar, BUTTONS(kMemoButtons)},
    {&MemoDetailToolbar, BUTTONS(kMemoDetailButtons)},
};
#undef BUTTONS

HWND CreateViewToolbar(HWND strip, const ToolbarDef& def)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    // The record size is the platform's own (20 bytes on the device).
    HWND toolbar = CreateToolbarEx(strip, kToolbarStyle, IDC_VIEW_TOOLBAR, kToolbarBitmaps, AppInstance, IDB_TOOLBAR,
                                   def.buttons, def.count, kButtonSize, kButtonSize, kButtonSize, kButtonSize,
                                   sizeof(TBBUTTON));
    if (!toolbar)
        return nullptr;
    RECT client = {};
    GetClientRect(strip, &client);
    MoveWindow(toolbar, kToolbarX, kToolbarY, client.right, kToolbarHeight, TRUE);
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImageList));
    return toolbar;
}

}  // namespace

HWND CreateToolbarStrip(HWND parent)
{
    return CreateWindowExW(0, kToolbarClassName, L"", WS_CHILD | WS_VISIBLE, kStripX, kStripY, kStripWidth,
                           kStripHeight, parent, nullptr, AppInstance, nullptr);
}

void CreateViewToolbars(HWND strip)
{
    for (const ToolbarDef& def : kToolbars)
        *def.handle = strip ? CreateViewToolbar(strip, def) : nullptr;
    for (const ToolbarDef& def : kToolbars)
        ShowControl(*def.handle, def.handle == &ContactsToolbar);
}

std::span<const HWND> AllToolbars()
{
    static HWND toolbars[std::size(kToolbars)];
    for (size_t i = 0; i < std::size(kToolbars); ++i)
        toolbars[i] = *kToolbars[i].handle;
    return toolbars;
}

void ShowOnlyToolbar(HWND shown, std::span<const HWND> others)
{
    for (HWND toolbar : others) {
        if (toolbar != shown)
            ShowControl(toolbar, false);
    }
    ShowControl(shown, true);
}

bool CurrentListHasItems()
{
    HWND lists[] = {ContactList, KeypadResultList, CompanyContactList, GroupContactList};
    if (CurrentView < kContactView || CurrentView > kGroupView)
        return true;
    HWND list = lists[CurrentView];
    return list && ListView_GetItemCount(list) > 0;
}

HWND CreateMemoDetailInk(HWND parent)
{
    HWND ink = CreateWindowExW(0, WC_RICHINKW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL, 2, 141, 236,
                               102, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MEMO_DETAIL_INK)),
                               AppInstance, nullptr);
    if (!ink)
        return nullptr;
    SetWindowPos(ink, HWND_TOP, 2, 141, 236, 102, SWP_SHOWWINDOW);
    SendMessageW(ink, EM_SETZOOMPERCENT, 0, kMemoInkZoom);
    SendMessageW(ink, EM_SETPAGESTYLE, RIPS_PLAIN, 0);
    return ink;
}
