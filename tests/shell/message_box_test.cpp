// Message boxes: inside the work area and centred in it, no wider than the
// screen, longer text wrapped and shown whole, caption and text as given,
// and every button's answer returned.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

constexpr RECT kWorkArea = {0, 26, 240, 320};
constexpr UINT kReadAfterMs = 200;

const wchar_t kLongText[] = L"백업 파일을 만들 수 없습니다. 저장 카드에 남은 공간이 "
                            L"충분한지 확인한 뒤 다시 시도하십시오.";

struct SeenBox {
    bool seen = false;
    RECT window = {};
    RECT text = {};  // screen coordinates
    std::wstring caption;
    std::wstring message;
    int lineHeight = 0;
    bool textFits = false;  // drawn at its width, the text needs no more height
    std::vector<RECT> buttons;
};

struct BoxRun {
    const wchar_t* screenshot;
    UINT answer;  // the button pressed
    SeenBox box;
};
BoxRun* g_run = nullptr;

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t found[32] = L"";
    GetClassNameW(window, found, ARRAYSIZE(found));
    return lstrcmpiW(found, name) == 0;
}

BOOL CALLBACK FindBox(HWND window, LPARAM param)
{
    if (IsClass(window, L"#32770") && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

HWND ThreadBox()
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

void ReadText(HWND text, SeenBox* seen)
{
    seen->text = testkit::ScreenRect(text);
    seen->message = testkit::WindowText(text);
    HDC dc = GetDC(text);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    seen->lineHeight = metrics.tmHeight;
    RECT needed = {0, 0, seen->text.right - seen->text.left, 0};
    DrawTextW(dc, seen->message.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    seen->textFits = needed.bottom <= seen->text.bottom - seen->text.top &&
                     needed.right <= seen->text.right - seen->text.left;
    SelectObject(dc, old);
    ReleaseDC(text, dc);
}

SeenBox ReadBox(HWND box)
{
    SeenBox seen;
    seen.seen = true;
    seen.window = testkit::ScreenRect(box);
    seen.caption = testkit::WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        if (IsClass(child, L"Button"))
            seen.buttons.push_back(testkit::ScreenRect(child));
        else if (IsClass(child, L"Static") && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON &&
                 seen.message.empty())
            ReadText(child, &seen);
    }
    return seen;
}

// Reads the open box of this thread and presses the run's button.
void CALLBACK ReadAndAnswer(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = ThreadBox();
    if (!box || g_run->box.seen)
        return;
    KillTimer(nullptr, timer);
    g_run->box = ReadBox(box);
    if (g_run->screenshot)
        testkit::SaveScreenshot(testkit::CaptureScreen(), g_run->screenshot);
    if (HWND button = GetDlgItem(box, static_cast<int>(g_run->answer)))
        SendMessageW(button, BM_CLICK, 0, 0);
}

void EndOpenBox()
{
    if (HWND box = ThreadBox())
        EndDialog(box, 0);
}

// Shows the box; the timer reads it and presses the button.
int RunBox(BoxRun& run, HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    g_run = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, kReadAfterMs, ReadAndAnswer);
    shelltest::Failsafe failsafe(10000, EndOpenBox);
    int answer = MessageBoxW(owner, text, caption, type);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(failsafe.fired()) << "the box was not answered";
    g_run = nullptr;
    return answer;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

struct BoxCase {
    const char* name;
    const wchar_t* text;
    const wchar_t* caption;
    UINT type;
    UINT press;
    bool wrapped;
    const wchar_t* screenshot;
};

const BoxCase kBoxes[] = {
    {"short text", L"저장했습니다.", L"다이어리", MB_OK, IDOK, false, L"message-box-short"},
    {"long text", kLongText, L"다이어리", MB_OKCANCEL | MB_ICONEXCLAMATION, IDCANCEL, true, L"message-box-long"},
    {"error report", L"Generic, Line=45, File=.\\main_create", L"An 3 error occured.",
     MB_ICONEXCLAMATION | MB_OK, IDOK, true, nullptr},
    {"yes of yes and no", L"지울까요?", L"다이어리", MB_YESNO | MB_ICONQUESTION, IDYES, false, nullptr},
    {"no of three", L"바꾼 내용을 저장할까요?", L"다이어리", MB_YESNOCANCEL, IDNO, false, nullptr},
    {"retry", L"저장 카드를 읽을 수 없습니다.", L"다이어리", MB_RETRYCANCEL | MB_ICONSTOP, IDRETRY, false,
     nullptr},
    {"ignore of three", kLongText, L"다이어리", MB_ABORTRETRYIGNORE, IDIGNORE, true, L"message-box-three"},
};

}  // namespace

TEST(MessageBoxes, StaysInTheWorkAreaWrapsItsTextAndAnswers)
{
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    ASSERT_NE(owner, nullptr);
    const int workMiddleX = (kWorkArea.left + kWorkArea.right) / 2;
    const int workMiddleY = (kWorkArea.top + kWorkArea.bottom) / 2;
    for (const BoxCase& c : kBoxes) {
        SCOPED_TRACE(c.name);
        BoxRun run = {c.screenshot, c.press, {}};
        const int answer = RunBox(run, owner, c.text, c.caption, c.type);
        EXPECT_EQ(answer, static_cast<int>(c.press));
        const SeenBox& box = run.box;
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.message, c.text);
        EXPECT_TRUE(Inside(box.window, kWorkArea)) << Describe(box.window);
        EXPECT_LE(std::abs((box.window.left + box.window.right) / 2 - workMiddleX), 1) << Describe(box.window);
        EXPECT_LE(std::abs((box.window.top + box.window.bottom) / 2 - workMiddleY), 1) << Describe(box.window);
        EXPECT_TRUE(Inside(box.text, box.window)) << Describe(box.text);
        EXPECT_TRUE(box.textFits) << "the text is cut: " << Describe(box.text);
        EXPECT_EQ(box.text.bottom - box.text.top >= 2 * box.lineHeight, c.wrapped) << Describe(box.text);
        if (!c.wrapped) {
            EXPECT_LT(box.window.right - box.window.left, kWorkArea.right - kWorkArea.left)
                << "a short text takes less than the screen's width";
        }
        EXPECT_FALSE(box.buttons.empty());
        for (const RECT& button : box.buttons) {
            EXPECT_TRUE(Inside(button, box.window)) << Describe(button);
            EXPECT_GE(button.top, box.text.bottom) << "a button over the text";
        }
    }
    DestroyWindow(owner);
}

TEST(MessageBoxes, TextTallerThanTheScreenKeepsTheBoxAndItsButtonsOnIt)
{
    std::wstring text;
    for (int line = 1; line <= 40; ++line)
        text += L"줄 " + std::to_wstring(line) + L"\n";
    BoxRun run = {L"message-box-tall", IDCANCEL, {}};
    EXPECT_EQ(RunBox(run, nullptr, text.c_str(), L"다이어리", MB_OKCANCEL), IDCANCEL);
    const SeenBox& box = run.box;
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.message, text);
    EXPECT_TRUE(Inside(box.window, kWorkArea)) << Describe(box.window);
    ASSERT_EQ(box.buttons.size(), 2u);
    for (const RECT& button : box.buttons)
        EXPECT_TRUE(Inside(button, box.window)) << Describe(button);
}
