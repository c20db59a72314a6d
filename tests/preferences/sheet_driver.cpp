#include "tests/preferences/sheet_driver.h"

#include "core/registry.h"
#include "core/settings_file.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace prefs {

namespace {

constexpr UINT kPollMs = 30;
constexpr DWORD kSheetPatienceMs = 20000;

struct Waiting {
    const wchar_t* caption;
    std::function<void(HWND)> act;
    DWORD since;
    bool done;
    UINT_PTR timer;
};
Waiting* g_waiting = nullptr;

struct CaptionSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindByCaption(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<CaptionSearch*>(param);
    wchar_t name[32] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    // The top bar shows the same title; only the dialog is wanted.
    if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0 && testkit::WindowText(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ThreadWindowWithCaption(const wchar_t* caption)
{
    CaptionSearch search = {caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindByCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND g_leftOpen = nullptr;

void CALLBACK CloseLeftOpen(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_leftOpen && IsWindow(g_leftOpen) && IsWindowVisible(g_leftOpen))
        PostMessageW(g_leftOpen, WM_COMMAND, IDCANCEL, 0);
    g_leftOpen = nullptr;
}

void CALLBACK PollForDialog(HWND, UINT, UINT_PTR, DWORD)
{
    Waiting* waiting = g_waiting;
    if (!waiting || waiting->done)
        return;
    HWND dialog = ThreadWindowWithCaption(waiting->caption);
    if (!dialog) {
        if (GetTickCount() - waiting->since > kSheetPatienceMs)
            waiting->done = true;
        return;
    }
    waiting->done = true;
    KillTimer(nullptr, waiting->timer);
    waiting->timer = 0;
    g_waiting = nullptr;
    waiting->act(dialog);
    // A failed check may have left the dialog open: close it a little
    // later if it is still there, so the case ends instead of waiting.
    if (testing::Test::HasFailure()) {
        g_leftOpen = dialog;
        SetTimer(nullptr, 0, 2000, CloseLeftOpen);
    }
}

// Waits for the dialog while `open` runs its modal loop.
bool RunWithWaiting(const wchar_t* caption, const std::function<void()>& open,
                    const std::function<void(HWND)>& act)
{
    Waiting waiting = {caption, act, GetTickCount(), false, 0};
    Waiting* outer = g_waiting;
    g_waiting = &waiting;
    waiting.timer = SetTimer(nullptr, 0, kPollMs, PollForDialog);
    bool acted = false;
    auto wrapped = waiting.act;
    waiting.act = [&](HWND dialog) {
        acted = true;
        wrapped(dialog);
    };
    open();
    if (waiting.timer)
        KillTimer(nullptr, waiting.timer);
    g_waiting = outer;
    return acted;
}

std::vector<std::wstring> g_noticeTexts;
std::vector<HWND> g_noticeOwners;
UINT_PTR g_noticeTimer = 0;

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0 && GetDlgItem(window, 0xFFFF) &&
        testkit::WindowText(window) == L"정보") {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK AnswerNotice(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box || GetPropW(box, L"answered"))
        return;
    SetPropW(box, L"answered", reinterpret_cast<HANDLE>(1));
    g_noticeTexts.push_back(testkit::WindowText(GetDlgItem(box, 0xFFFF)));
    g_noticeOwners.push_back(GetWindow(box, GW_OWNER));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

BroadcastProbe* g_probe = nullptr;

LRESULT CALLBACK ProbeProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_WININICHANGE && g_probe) {
        DWORD enabled = 0xFFFFFFFF;
        DWORD bytes = sizeof(enabled);
        RegGetValueW(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey, kTodayItemEnabledValue, RRF_RT_REG_DWORD, nullptr,
                     &enabled, &bytes);
        g_probe->seen.push_back({wParam, enabled});
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

bool RunSheet(int startPage, const std::function<void(HWND sheet)>& act)
{
    SettingsStartPage = startPage;
    return RunWithWaiting(L"다이어리 설정", [] { testkit::ChooseCommand(MainWindow, IDM_PREFERENCES); }, act);
}

HWND ShowPage(HWND sheet, int index)
{
    PropSheet_SetCurSel(sheet, nullptr, index);
    testkit::PumpPending();
    return PropSheet_GetCurrentPageHwnd(sheet);
}

void PressOk(HWND page)
{
    const bool colours = page == SettingsPageWindows[kTodayColorsPage];
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(colours ? IDC_COLORS_OK : IDC_PAGE_OK, BN_CLICKED), 0);
}

void PressCancel(HWND page)
{
    const bool colours = page == SettingsPageWindows[kTodayColorsPage];
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(colours ? IDC_COLORS_CANCEL : IDC_PAGE_CANCEL, BN_CLICKED), 0);
}

bool WithDialog(const wchar_t* caption, const std::function<void()>& open,
                const std::function<void(HWND dialog)>& act)
{
    return RunWithWaiting(caption, open, act);
}

NoticeCounter::NoticeCounter()
{
    g_noticeTexts.clear();
    g_noticeOwners.clear();
    g_noticeTimer = SetTimer(nullptr, 0, kPollMs, AnswerNotice);
}

NoticeCounter::~NoticeCounter()
{
    KillTimer(nullptr, g_noticeTimer);
    g_noticeTimer = 0;
}

const std::vector<std::wstring>& NoticeCounter::texts() const
{
    return g_noticeTexts;
}

std::vector<HWND> NoticeCounter::owners() const
{
    return g_noticeOwners;
}

BroadcastProbe::BroadcastProbe()
{
    window = CreateWindowExW(0, testkit::RegisterTestClass(ProbeProc).c_str(), L"probe", WS_POPUP, 0, 0, 10, 10,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_probe = this;
}

BroadcastProbe::~BroadcastProbe()
{
    g_probe = nullptr;
    DestroyWindow(window);
}

std::string SettingsFileBytes()
{
    const std::vector<uint8_t> bytes = testkit::ReadFileBytes(L"\\Windows\\Quillon.ini");
    return std::string(bytes.begin(), bytes.end());
}

std::string RecordOf(const DiarySettings& settings)
{
    return FormatSettingsRecord(settings);
}

void SetCombo(HWND page, int id, int item)
{
    SendDlgItemMessageW(page, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

void SetCheck(HWND page, int id, bool checked)
{
    SendDlgItemMessageW(page, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Click(HWND page, int id, int code)
{
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

}  // namespace prefs
