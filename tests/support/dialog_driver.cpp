#include "tests/support/dialog_driver.h"

#include <commctrl.h>

namespace dialogdriver {

namespace {

constexpr UINT kTickMs = 30;
Driver* activeDriver = nullptr;

bool IsDialog(HWND window)
{
    wchar_t name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return lstrcmpW(name, L"#32770") == 0;
}

struct Search {
    std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param)
{
    if (IsDialog(window) && IsWindowVisible(window))
        reinterpret_cast<Search*>(param)->dialogs.push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadDialogs()
{
    Search search;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.dialogs;
}

// The system's message box holds its buttons (ids below 100), its icon
// (1088) and its text (0xffff); a dialog of ours has other ids.
constexpr int kMessageBoxIcon = 1088;
BOOL CALLBACK FindOwnControl(HWND child, LPARAM param)
{
    int id = GetDlgCtrlID(child);
    if (id >= 100 && id < 0xffff && id != kMessageBoxIcon) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ForemostDialog()
{
    for (HWND dialog : ThreadDialogs()) {
        if (IsWindowEnabled(dialog))
            return dialog;
    }
    return nullptr;
}

Match DialogWith(int controlId)
{
    return [controlId](HWND dialog) { return GetDlgItem(dialog, controlId) != nullptr; };
}

Match AnyMessageBox()
{
    return [](HWND dialog) {
        bool own = false;
        EnumChildWindows(dialog, FindOwnControl, reinterpret_cast<LPARAM>(&own));
        return !own;
    };
}

Driver& Driver::Then(const std::string& name, Match match, Action act)
{
    steps_.push_back({name, std::move(match), std::move(act)});
    return *this;
}

Driver& Driver::AnswerBox(boxwatch::SeenBox* seen, int button)
{
    return Then("message box", AnyMessageBox(), [seen, button](HWND box) {
        if (seen)
            *seen = boxwatch::ReadBox(box);
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    });
}

Driver& Driver::CancelDialogWith(int controlId)
{
    return Then("cancel", DialogWith(controlId), [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
}

void CALLBACK Driver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (activeDriver)
        activeDriver->Work();
}

void Driver::Work()
{
    if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
        timedOut = true;
        for (HWND dialog : ThreadDialogs())
            EndDialog(dialog, IDCANCEL);
        return;
    }
    HWND dialog = ForemostDialog();
    if (!dialog || next_ >= steps_.size() || !steps_[next_].match(dialog))
        return;
    // Taken before it runs: the step may open a dialog whose loop ticks on.
    Step step = steps_[next_++];
    step.act(dialog);
}

bool Driver::Run(const std::function<void()>& open, DWORD timeoutMs)
{
    Driver* outer = activeDriver;
    activeDriver = this;
    deadline_ = GetTickCount() + timeoutMs;
    UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, Tick);
    open();
    KillTimer(nullptr, timer);
    activeDriver = outer;
    for (size_t i = next_; i < steps_.size(); ++i)
        missed.push_back(steps_[i].name);
    return !timedOut && missed.empty();
}

// ---- acting as the user ---------------------------------------------------------------

void ChooseComboItem(HWND dialog, int id, int index)
{
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

namespace {

void SetPickerAndNotify(HWND dialog, int id, SYSTEMTIME time)
{
    HWND picker = GetDlgItem(dialog, id);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = time;
    SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
}

}  // namespace

SYSTEMTIME PickerValue(HWND dialog, int id)
{
    SYSTEMTIME time = {};
    SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

void SetPickerDate(HWND dialog, int id, int year, int month, int day)
{
    SYSTEMTIME time = PickerValue(dialog, id);
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    SetPickerAndNotify(dialog, id, time);
}

void SetPickerClock(HWND dialog, int id, int hour, int minute)
{
    SYSTEMTIME time = PickerValue(dialog, id);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = 0;
    SetPickerAndNotify(dialog, id, time);
}

void Click(HWND dialog, int id)
{
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void SetCheck(HWND dialog, int id, bool checked)
{
    if ((IsDlgButtonChecked(dialog, id) == BST_CHECKED) != checked)
        Click(dialog, id);
}

void Focus(HWND dialog, int id)
{
    SetFocus(GetDlgItem(dialog, id));
}

namespace {

void TypeChars(HWND edit, const std::wstring& text)
{
    SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (wchar_t c : text)
        SendMessageW(edit, WM_CHAR, c, 0);
}

}  // namespace

void Type(HWND dialog, int id, const std::wstring& text)
{
    HWND control = GetDlgItem(dialog, id);
    HWND edit = GetWindow(control, GW_CHILD);
    wchar_t name[16] = L"";
    GetClassNameW(control, name, ARRAYSIZE(name));
    if (lstrcmpiW(name, L"ComboBox") == 0 && edit) {
        SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else {
        edit = control;
        SendMessageW(edit, EM_SETSEL, 0, -1);
    }
    TypeChars(edit, text);
}

void TypeIntoRichInk(HWND richInk, const std::wstring& text)
{
    HWND edit = GetWindow(richInk, GW_CHILD);
    HWND target = edit ? edit : richInk;
    SendMessageW(target, EM_SETSEL, 0, -1);
    TypeChars(target, text);
}

std::wstring ControlText(HWND dialog, int id)
{
    return testkit::WindowText(GetDlgItem(dialog, id));
}

bool IsControlShown(HWND dialog, int id)
{
    return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsControlEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

RECT ControlRect(HWND dialog, int id)
{
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace dialogdriver
