// The Rich Ink control window: an outer window that owns the state and the
// scroll bar, and the page, a multi-line edit whose painting and pen input
// it extends with ink.
#include "platform/richink/control_state.h"
#include "platform/richink/ink_painter.h"
#include "platform/richink/streaming.h"

#include <commctrl.h>

namespace richink {

namespace {

constexpr int kPageId = 1;
constexpr int kBaseFontHeight = 13;
constexpr int kMinZoom = 25;
constexpr int kMaxZoom = 400;
constexpr int kPageMargin = 2;
const wchar_t kFontFace[] = L"굴림체";

HINSTANCE PlatformInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&PlatformInstance), &module);
    return module;
}

void SendCommandToParent(const Control& control, WORD code)
{
    const int id = GetDlgCtrlID(control.window);
    SendMessageW(GetParent(control.window), WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(control.window));
}

void SendNotifyToParent(const Control& control, UINT code)
{
    NMHDR header = {};
    header.hwndFrom = control.window;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control.window));
    header.code = code;
    SendMessageW(GetParent(control.window), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void SetPageText(Control& control, const std::wstring& text)
{
    control.settingPage = true;
    SetWindowTextW(control.page, text.c_str());
    control.settingPage = false;
    control.pageTyped = false;
}

void SyncScrollBar(const Control& control)
{
    if (!(GetWindowLongW(control.window, GWL_STYLE) & WS_VSCROLL))
        return;
    RECT client = {};
    GetClientRect(control.page, &client);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMax = static_cast<int>(SendMessageW(control.page, EM_GETLINECOUNT, 0, 0)) - 1;
    info.nPage = static_cast<UINT>(client.bottom / (control.lineHeight > 0 ? control.lineHeight : 1));
    info.nPos = static_cast<int>(SendMessageW(control.page, EM_GETFIRSTVISIBLELINE, 0, 0));
    SetScrollInfo(control.window, SB_VERT, &info, TRUE);
}

void ApplyFont(Control& control)
{
    LOGFONTW lf = {};
    lf.lfHeight = MulDiv(kBaseFontHeight, control.zoom, 100);
    lf.lfCharSet = HANGUL_CHARSET;
    lstrcpynW(lf.lfFaceName, kFontFace, LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    if (!font)
        return;
    SendMessageW(control.page, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (control.font)
        DeleteObject(control.font);
    control.font = font;
    HDC dc = GetDC(control.page);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control.page, dc);
    control.lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
}

void ApplyPageStyle(Control& control, int style)
{
    control.pageStyle = style;
    const int margin = style == RIPS_PREVIEW ? 0 : kPageMargin;
    SendMessageW(control.page, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    InvalidateRect(control.page, nullptr, TRUE);
}

bool PenWritesInk(const Control& control)
{
    return control.view == RIV_INK && control.inkMode && !control.readOnly;
}

// ---- the page: pen input and painting over the edit -------------------------

void BeginStroke(Control& control, POINT at)
{
    control.inking = true;
    control.stroke = Stroke{};
    control.stroke.points.push_back(WindowToPage(control, at, PageScrollY(control)));
    SetCapture(control.page);
    SetFocus(control.page);
}

void ExtendStroke(Control& control, POINT at)
{
    const POINT point = WindowToPage(control, at, PageScrollY(control));
    const POINT& last = control.stroke.points.back();
    if (point.x == last.x && point.y == last.y)
        return;
    control.stroke.points.push_back(point);
    HDC dc = GetDC(control.page);
    PaintStroke(dc, control, control.stroke, PageScrollY(control), control.stroke.points.size() - 1);
    ReleaseDC(control.page, dc);
}

void EndStroke(Control& control)
{
    if (!control.inking)
        return;
    control.inking = false;
    AppendStroke(control.ink, control.stroke);
    control.strokes = DecodeStrokes(control.ink.data(), control.ink.size());
    control.stroke = Stroke{};
    if (GetCapture() == control.page)
        ReleaseCapture();
    InvalidateRect(control.page, nullptr, FALSE);
    SendCommandToParent(control, EN_CHANGE);
}

LRESULT PaintPage(Control& control)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control.page, &ps);
    CallWindowProcW(control.pageProc, control.page, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    PaintInkLayer(dc, control);
    EndPaint(control.page, &ps);
    SyncScrollBar(control);
    return 0;
}

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK PageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Control* control = ControlOf(GetParent(page));
    if (!control || !control->pageProc)
        return DefWindowProcW(page, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT:
        return PaintPage(*control);
    case WM_LBUTTONDOWN:
        SendNotifyToParent(*control, NM_CLICK);
        if (!PenWritesInk(*control))
            break;
        BeginStroke(*control, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (!control->inking)
            break;
        ExtendStroke(*control, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (!control->inking)
            break;
        ExtendStroke(*control, PointOf(lParam));
        EndStroke(*control);
        return 0;
    case WM_CAPTURECHANGED:
        EndStroke(*control);
        break;
    }
    return CallWindowProcW(control->pageProc, page, msg, wParam, lParam);
}

// ---- the outer window ---------------------------------------------------------

bool OnCreate(HWND window, const CREATESTRUCTW* create)
{
    auto* control = new Control;
    control->window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    RECT client = {};
    GetClientRect(window, &client);
    control->page = CreateWindowExW(0, L"EDIT", L"",
                                    WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                                    0, 0, client.right, client.bottom, window,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPageId)), PlatformInstance(), nullptr);
    if (!control->page)
        return false;
    SendMessageW(control->page, EM_SETLIMITTEXT, 0, 0);
    control->pageProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control->page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PageProc)));
    ApplyFont(*control);
    ApplyPageStyle(*control, RIPS_LINED);
    ReplaceContent(*control, create->lpszName ? create->lpszName : L"", {});
    return true;
}

void OnDestroy(HWND window)
{
    Control* control = ControlOf(window);
    if (!control)
        return;
    if (control->page && control->pageProc)
        SetWindowLongPtrW(control->page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->pageProc));
    if (control->font)
        DeleteObject(control->font);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete control;
}

void OnPageCommand(Control& control, WORD code)
{
    switch (code) {
    case EN_SETFOCUS:
        SendCommandToParent(control, EN_SETFOCUS);
        SendNotifyToParent(control, NM_SETFOCUS);
        break;
    case EN_KILLFOCUS:
        SendCommandToParent(control, EN_KILLFOCUS);
        break;
    case EN_CHANGE:
        if (control.settingPage)
            break;
        control.pageTyped = true;
        SendCommandToParent(control, EN_CHANGE);
        break;
    case EN_VSCROLL:
        SyncScrollBar(control);
        InvalidateRect(control.page, nullptr, FALSE);
        break;
    }
}

void OnVScroll(Control& control, WORD request)
{
    const int first = static_cast<int>(SendMessageW(control.page, EM_GETFIRSTVISIBLELINE, 0, 0));
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(control.window, SB_VERT, &info);
    int target = first;
    switch (request) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: target = first + static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = info.nTrackPos; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = info.nMax; break;
    default: return;
    }
    SendMessageW(control.page, EM_LINESCROLL, 0, target - first);
    InvalidateRect(control.page, nullptr, FALSE);
    SyncScrollBar(control);
}

LRESULT OnGetText(Control& control, WPARAM count, LPARAM buffer)
{
    auto* out = reinterpret_cast<wchar_t*>(buffer);
    if (!out || count == 0)
        return 0;
    const std::wstring& text = ContentText(control);
    const size_t copied = text.size() < count - 1 ? text.size() : count - 1;
    text.copy(out, copied);
    out[copied] = L'\0';
    return static_cast<LRESULT>(copied);
}

LRESULT OnRichInkMessage(Control& control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case EM_SETVIEW:
        control.view = static_cast<int>(wParam);
        return TRUE;
    case EM_SETPAGESTYLE:
        ApplyPageStyle(control, static_cast<int>(wParam));
        return TRUE;
    case EM_SETZOOMPERCENT:
        control.zoom = lParam < kMinZoom ? kMinZoom : (lParam > kMaxZoom ? kMaxZoom : static_cast<int>(lParam));
        ApplyFont(control);
        InvalidateRect(control.page, nullptr, TRUE);
        SyncScrollBar(control);
        return TRUE;
    case EM_SETINKMODE:
        control.inkMode = wParam != 0;
        return TRUE;
    case EM_SETREADONLY:
        control.readOnly = wParam != 0;
        return SendMessageW(control.page, EM_SETREADONLY, wParam, 0);
    case EM_STREAMIN:
        return StreamIn(control, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_STREAMOUT:
        return StreamOut(control, wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case WM_SETTEXT:
        ReplaceContent(control, lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"", control.ink);
        return TRUE;
    case WM_GETTEXT:
        return OnGetText(control, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(ContentText(control).size());
    }
    return -1;
}

bool IsRichInkMessage(UINT msg)
{
    return msg == EM_SETVIEW || msg == EM_SETPAGESTYLE || msg == EM_SETZOOMPERCENT || msg == EM_SETINKMODE ||
           msg == EM_SETREADONLY || msg == EM_STREAMIN || msg == EM_STREAMOUT || msg == WM_SETTEXT ||
           msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH;
}

LRESULT CALLBACK RichInkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Control* control = ControlOf(window);
    if (control && IsRichInkMessage(msg))
        return OnRichInkMessage(*control, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE:
        return OnCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_NCDESTROY:
        OnDestroy(window);
        break;
    case WM_SIZE:
        if (control)
            MoveWindow(control->page, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (control)
            SetFocus(control->page);
        return 0;
    case WM_COMMAND:
        if (control && reinterpret_cast<HWND>(lParam) == control->page)
            OnPageCommand(*control, HIWORD(wParam));
        return 0;
    case WM_VSCROLL:
        if (control)
            OnVScroll(*control, LOWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        // A read-only page stays a white page.
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void UnregisterRichInkClass()
{
    UnregisterClassW(WC_RICHINKW, PlatformInstance());
}

}  // namespace

Control* ControlOf(HWND window)
{
    return window ? reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

const std::wstring& ContentText(Control& control)
{
    // A syllable still being composed has changed the page without a notice.
    if (control.pageTyped || SendMessageW(control.page, EM_GETMODIFY, 0, 0)) {
        const int length = GetWindowTextLengthW(control.page);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(control.page, text.data(), length + 1);
        text.resize(static_cast<size_t>(got > 0 ? got : 0));
        control.text = text;
        control.pageTyped = false;
        SendMessageW(control.page, EM_SETMODIFY, FALSE, 0);
    }
    return control.text;
}

void ReplaceContent(Control& control, const std::wstring& text, std::vector<BYTE> ink)
{
    control.inking = false;
    control.text = text;
    control.ink = std::move(ink);
    control.strokes = DecodeStrokes(control.ink.data(), control.ink.size());
    SetPageText(control, text);
    SendMessageW(control.page, EM_SETSEL, 0, 0);
    SendMessageW(control.page, EM_SCROLLCARET, 0, 0);
    InvalidateRect(control.page, nullptr, TRUE);
    SyncScrollBar(control);
}

}  // namespace richink

CEAPI void WINAPI InitRichInkDLL()
{
    WNDCLASSW existing = {};
    if (GetClassInfoW(richink::PlatformInstance(), WC_RICHINKW, &existing))
        return;
    WNDCLASSW wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = richink::RichInkWndProc;
    wc.hInstance = richink::PlatformInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = WC_RICHINKW;
    if (RegisterClassW(&wc))
        CeRegisterTestReset(richink::UnregisterRichInkClass);
}
