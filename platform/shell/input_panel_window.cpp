// The input panel's window: a small keyboard whose keys type into the
// focused window of the active program (the panel itself never takes the
// activation or the focus).
#include "platform/shell/state.h"

#include <windowsx.h>

namespace {

constexpr int kKeyWidth = 24;
constexpr int kKeyHeight = 20;
constexpr COLORREF kPanelColour = RGB(214, 211, 206);
constexpr COLORREF kKeyColour = RGB(255, 255, 255);
constexpr COLORREF kEdgeColour = RGB(128, 128, 128);

const wchar_t* const kRows[] = {L"1234567890", L"qwertyuiop", L"asdfghjkl", L"zxcvbnm"};

struct PanelKey {
    wchar_t character;  // typed as itself, or 0 for a virtual key
    WORD virtualKey;
    const wchar_t* label;
    int row;
    int column;
    int span;
};

const PanelKey kSpecialKeys[] = {
    {0, VK_BACK, L"<-", 2, 9, 1},
    {L' ', 0, L"", 3, 7, 2},
    {0, VK_RETURN, L"Ent", 3, 9, 1},
};

HWND g_panel = nullptr;  // the panel this process made, if any

RECT KeyRect(const PanelKey& key)
{
    return RECT{key.column * kKeyWidth, key.row * kKeyHeight, (key.column + key.span) * kKeyWidth,
                (key.row + 1) * kKeyHeight};
}

// Calls visit for every key of the panel, letters first.
template <typename Visit>
void ForEachKey(Visit visit)
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; kRows[row][column]; ++column) {
            wchar_t label[2] = {kRows[row][column], 0};
            visit(PanelKey{kRows[row][column], 0, label, row, column, 1});
        }
    }
    for (const PanelKey& key : kSpecialKeys)
        visit(key);
}

void PaintPanel(HWND panel)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(panel, &ps);
    RECT client;
    GetClientRect(panel, &client);
    HBRUSH background = CreateSolidBrush(kPanelColour);
    FillRect(dc, &client, background);
    DeleteObject(background);
    HBRUSH face = CreateSolidBrush(kKeyColour);
    HBRUSH edge = CreateSolidBrush(kEdgeColour);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    ForEachKey([&](const PanelKey& key) {
        RECT r = KeyRect(key);
        InflateRect(&r, -1, -1);
        FillRect(dc, &r, face);
        FrameRect(dc, &r, edge);
        DrawTextW(dc, key.label, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    });
    SelectObject(dc, oldFont);
    DeleteObject(edge);
    DeleteObject(face);
    EndPaint(panel, &ps);
}

void TypeKey(const PanelKey& key)
{
    INPUT input[2] = {};
    for (INPUT& event : input) {
        event.type = INPUT_KEYBOARD;
        if (key.character) {
            event.ki.wScan = key.character;
            event.ki.dwFlags = KEYEVENTF_UNICODE;
        } else {
            event.ki.wVk = key.virtualKey;
        }
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

void OnPanelTap(POINT at)
{
    ForEachKey([&](const PanelKey& key) {
        RECT r = KeyRect(key);
        if (PtInRect(&r, at))
            TypeKey(key);
    });
}

LRESULT CALLBACK PanelWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: PaintPanel(hwnd); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONUP: OnPanelTap(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case shell::kPanelShowMessage: ShowWindow(hwnd, wParam ? SW_SHOWNOACTIVATE : SW_HIDE); return 1;
    case WM_DESTROY:
        if (g_panel == hwnd)
            g_panel = nullptr;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ResetPanel()
{
    if (g_panel)
        DestroyWindow(g_panel);
    g_panel = nullptr;
}

const bool kResetRegistered = (CeRegisterTestReset(ResetPanel), true);

}  // namespace

namespace shell {

HWND EnsurePanelWindow()
{
    if (HWND existing = FindWindowW(CE_INPUT_PANEL_CLASS, nullptr))
        return existing;
    g_panel = CreateFurnitureWindow(CE_INPUT_PANEL_CLASS, PanelWndProc, PanelRect());
    return g_panel;
}

}  // namespace shell
