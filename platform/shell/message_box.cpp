// The system's message box, laid out again once it has made itself (after
// its WM_INITDIALOG) and before it is shown: icon and text side by side,
// the buttons in a centred row below them.
#include "platform/shell/state.h"

#include <algorithm>
#include <string>
#include <vector>

#undef MessageBoxW

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kButtonClass[] = L"Button";
constexpr wchar_t kStaticClass[] = L"Static";
constexpr int kMargin = 8;        // around the contents of the box
constexpr int kIconGap = 8;       // between the icon and the text
constexpr int kRowGap = 10;       // between the text and the buttons
constexpr int kButtonGap = 6;     // between two buttons
constexpr int kCaptionPadding = 12;

// The box this thread is about to make (boxes are modal: one at a time).
thread_local bool t_boxPending = false;

struct BoxParts {
    HWND icon = nullptr;
    HWND text = nullptr;
    std::vector<HWND> buttons;  // left to right
};

SIZE SizeOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

int LeftOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r.left;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BoxParts FindParts(HWND box)
{
    BoxParts parts;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE))
            continue;
        if (shell::IsWindowOfClass(child, kButtonClass))
            parts.buttons.push_back(child);
        else if (shell::IsWindowOfClass(child, kStaticClass) && (style & SS_TYPEMASK) == SS_ICON)
            parts.icon = SendMessageW(child, STM_GETICON, 0, 0) ? child : nullptr;  // empty without an icon
        else if (shell::IsWindowOfClass(child, kStaticClass) && !parts.text)
            parts.text = child;
    }
    std::sort(parts.buttons.begin(), parts.buttons.end(),
              [](HWND a, HWND b) { return LeftOf(a) < LeftOf(b); });
    return parts;
}

// The flags the static control draws its text with.
UINT TextFlagsOf(HWND text)
{
    UINT flags = DT_LEFT | DT_EXPANDTABS;
    if (GetWindowLongW(text, GWL_STYLE) & SS_NOPREFIX)
        flags |= DT_NOPREFIX;
    return flags;
}

// The text's size at its widest (its own line breaks only), and wrapped to
// the width.
SIZE MeasureText(HWND text, int maxWidth)
{
    std::wstring content = TextOf(text);
    HDC dc = GetDC(text);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
    UINT flags = TextFlagsOf(text) | DT_CALCRECT;
    RECT natural = {0, 0, 0, 0};
    DrawTextW(dc, content.c_str(), -1, &natural, flags);
    RECT wrapped = {0, 0, std::min<int>(natural.right, maxWidth), 0};
    DrawTextW(dc, content.c_str(), -1, &wrapped, flags | DT_WORDBREAK);
    SelectObject(dc, oldFont);
    ReleaseDC(text, dc);
    // A word longer than the width stays as wide as the width allows.
    return SIZE{std::min<int>(wrapped.right, maxWidth), wrapped.bottom};
}

// The client width the caption needs beside the close button.
int CaptionWidth(HWND box)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return 0;
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    std::wstring caption = TextOf(box);
    HDC dc = GetDC(box);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    SelectObject(dc, oldFont);
    ReleaseDC(box, dc);
    DeleteObject(font);
    return extent.cx + metrics.iCaptionWidth + kCaptionPadding;
}

// The buttons side by side in their own sizes, or sharing the room alike
// when there are too many for it.
struct ButtonRow {
    std::vector<SIZE> sizes;
    int width = 0;
    int height = 0;
};

ButtonRow PlanButtonRow(const std::vector<HWND>& buttons, int room)
{
    ButtonRow row;
    const int count = static_cast<int>(buttons.size());
    if (count == 0)
        return row;
    for (HWND button : buttons) {
        row.sizes.push_back(SizeOf(button));
        row.width += row.sizes.back().cx;
        row.height = std::max<int>(row.height, row.sizes.back().cy);
    }
    row.width += kButtonGap * (count - 1);
    if (row.width > room) {
        const int each = (room - kButtonGap * (count - 1)) / count;
        for (SIZE& size : row.sizes)
            size.cx = each;
        row.width = each * count + kButtonGap * (count - 1);
    }
    return row;
}

// The frame's width and height around a client area of the box.
SIZE FrameOf(HWND box)
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)));
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void FitBox(HWND box)
{
    BoxParts parts = FindParts(box);
    if (!parts.text)
        return;
    const RECT work = shell::WorkArea();
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;
    const SIZE frame = FrameOf(box);
    const int maxClientWidth = workWidth - frame.cx;

    const SIZE icon = parts.icon ? SizeOf(parts.icon) : SIZE{0, 0};
    const int textLeft = kMargin + (parts.icon ? icon.cx + kIconGap : 0);
    SIZE text = MeasureText(parts.text, maxClientWidth - textLeft - kMargin);
    const ButtonRow row = PlanButtonRow(parts.buttons, maxClientWidth - 2 * kMargin);

    const int textWidth = textLeft + static_cast<int>(text.cx) + kMargin;
    const int clientWidth = std::min(std::max({textWidth, row.width + 2 * kMargin, CaptionWidth(box)}), maxClientWidth);
    const int rowBelow = row.sizes.empty() ? 0 : kRowGap + row.height;
    // Taller than the work area: the text is cut, the buttons stay.
    const int maxBlockHeight = workHeight - frame.cy - 2 * kMargin - rowBelow;
    text.cy = std::min<int>(text.cy, maxBlockHeight);
    const int blockHeight = std::min<int>(std::max(icon.cy, text.cy), maxBlockHeight);
    const int width = clientWidth + frame.cx;
    const int height = kMargin + blockHeight + rowBelow + kMargin + frame.cy;

    SetWindowPos(box, nullptr, work.left + (workWidth - width) / 2, work.top + (workHeight - height) / 2, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (parts.icon)
        MoveWindow(parts.icon, kMargin, kMargin + (blockHeight - icon.cy) / 2, icon.cx, icon.cy, FALSE);
    MoveWindow(parts.text, textLeft, kMargin + (blockHeight - text.cy) / 2, text.cx, text.cy, FALSE);
    int x = (clientWidth - row.width) / 2;
    for (size_t i = 0; i < parts.buttons.size(); ++i) {
        MoveWindow(parts.buttons[i], x, kMargin + blockHeight + kRowGap, row.sizes[i].cx, row.sizes[i].cy, FALSE);
        x += row.sizes[i].cx + kButtonGap;
    }
}

LRESULT CALLBACK BoxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && t_boxPending) {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (sent->message == WM_INITDIALOG && shell::IsWindowOfClass(sent->hwnd, kDialogClass)) {
            t_boxPending = false;
            FitBox(sent->hwnd);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

CEAPI int WINAPI CeMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    shell::ThreadHook hook(WH_CALLWNDPROCRET, BoxHookProc);
    t_boxPending = true;
    int answer = ::MessageBoxW(owner, text, caption, type);
    t_boxPending = false;
    return answer;
}
