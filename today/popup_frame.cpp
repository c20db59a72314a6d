#include "today/popup_frame.h"

#include "today/resource.h"

#include <windowsx.h>

namespace {

constexpr COLORREF kTitleColour = RGB(0, 0, 128);
constexpr COLORREF kFrameColour = RGB(0, 0, 128);
constexpr COLORREF kStaticTextColour = RGB(0x40, 0x40, 0x40);
constexpr COLORREF kPageColour = RGB(255, 255, 255);
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
constexpr RECT kTitleText = {3, 1, 160, 16};

struct PopupFrame {
    const PopupLayout* layout = nullptr;
    RECT titleBar = {};
    RECT closeBox = {};
    bool dragging = false;
    POINT dragFrom = {};
    bool closePressed = false;
};
PopupFrame Frames[kPopupCount];

HIMAGELIST ButtonFaces = nullptr;
HIMAGELIST PopupMarks = nullptr;

HIMAGELIST LoadStrip(int resource, int width, int height, int count)
{
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 1);
    HBITMAP strip = static_cast<HBITMAP>(
        LoadImageW(ItemInstance, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (list && strip)
        ImageList_AddMasked(list, strip, kMaskColour);
    if (strip)
        DeleteObject(strip);
    return list;
}

void LoadPopupBitmaps()
{
    if (!ButtonFaces)
        ButtonFaces = LoadStrip(IDB_POPUP_BUTTONS, kPopupButtonWidth, kPopupButtonHeight,
                                static_cast<int>(PopupFace::Count));
    if (!PopupMarks)
        PopupMarks = LoadStrip(IDB_POPUP_MARKS, kPopupMarkSize, kPopupMarkSize, static_cast<int>(PopupMark::Count));
}

HBRUSH PageBrush()
{
    return WhiteBrush ? WhiteBrush : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

// The title bar and close box of the pop-up's client area.
void ComputeZones(HWND dialog, PopupFrame& frame)
{
    RECT client = {};
    GetClientRect(dialog, &client);
    const int band = frame.layout ? frame.layout->titleBand : kPopupTitleBand;
    frame.titleBar = RECT{1, 1, client.right - 1, band};
    frame.closeBox = RECT{client.right - kPopupMarkSize, 0, client.right, band};
}

void InvertZone(HWND dialog, const RECT& zone)
{
    HDC dc = GetDC(dialog);
    if (!dc)
        return;
    PatBlt(dc, zone.left, zone.top, zone.right - zone.left, zone.bottom - zone.top, DSTINVERT);
    ReleaseDC(dialog, dc);
}

void PaintFrame(HWND dialog, const PopupFrame& frame)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT client = {};
    GetClientRect(dialog, &client);
    HBRUSH border = CreateSolidBrush(kFrameColour);
    FrameRect(dc, &client, border);
    DeleteObject(border);

    wchar_t title[64] = L"";
    GetWindowTextW(dialog, title, ARRAYSIZE(title));
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTitleColour);
    RECT titleText = kTitleText;
    DrawTextW(dc, title, -1, &titleText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    DrawPopupMark(dc, PopupMark::CloseBox, frame.closeBox.left - 1, frame.closeBox.top + 1);
    if (frame.layout && frame.layout->paintExtra)
        frame.layout->paintExtra(dialog, dc);
    SelectObject(dc, oldFont);
    EndPaint(dialog, &paint);
}

const ButtonFace* FaceOf(const PopupFrame& frame, int id)
{
    for (size_t i = 0; frame.layout && i < frame.layout->faceCount; ++i) {
        if (frame.layout->faces[i].id == id)
            return &frame.layout->faces[i];
    }
    return nullptr;
}

// A pressed face sinks by a pixel; a disabled one is washed out.
void DrawFaceButton(const DRAWITEMSTRUCT& item, PopupFace face)
{
    const RECT& area = item.rcItem;
    FillRect(item.hDC, &area, PageBrush());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    ImageList_DrawEx(ButtonFaces, static_cast<int>(face), item.hDC, area.left + (pressed ? 1 : 0),
                     area.top + (pressed ? 1 : 0), 0, 0, CLR_NONE, kPageColour,
                     disabled ? ILD_BLEND50 : ILD_NORMAL);
}

bool OnPenDown(HWND dialog, PopupFrame& frame, POINT at)
{
    if (PtInRect(&frame.closeBox, at)) {
        frame.closePressed = true;
        InvertZone(dialog, frame.closeBox);
        SetCapture(dialog);
        return true;
    }
    if (PtInRect(&frame.titleBar, at)) {
        frame.dragging = true;
        ClientToScreen(dialog, &at);
        frame.dragFrom = at;
        SetCapture(dialog);
        return true;
    }
    return false;
}

bool OnPenUp(PopupKind kind, HWND dialog, PopupFrame& frame, POINT at)
{
    if (GetCapture() == dialog)
        ReleaseCapture();
    if (frame.closePressed) {
        frame.closePressed = false;
        InvertZone(dialog, frame.closeBox);
        if (PtInRect(&frame.closeBox, at))
            HidePopup(kind);
        return true;
    }
    if (frame.dragging) {
        frame.dragging = false;
        ClientToScreen(dialog, &at);
        RECT place = {};
        GetWindowRect(dialog, &place);
        SetWindowPos(dialog, nullptr, place.left + at.x - frame.dragFrom.x, place.top + at.y - frame.dragFrom.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    return false;
}

}  // namespace

HWND EnsurePopup(PopupKind kind, const PopupLayout& layout)
{
    if (PopupWindows[kind] && IsWindow(PopupWindows[kind]))
        return PopupWindows[kind];
    LoadPopupBitmaps();
    Frames[kind] = PopupFrame();
    Frames[kind].layout = &layout;
    PopupWindows[kind] = CreateDialogParamW(ItemInstance, MAKEINTRESOURCEW(layout.resource), ItemWindow,
                                            layout.procedure, 0);
    if (!PopupWindows[kind])
        NKDbgPrintfW(L"Glimmor: pop-up %d could not be made (%lu)\r\n", layout.resource, GetLastError());
    return PopupWindows[kind];
}

void ShowPopup(PopupKind kind, int x, int y, int width, int height)
{
    for (int other = 0; other < kPopupCount; ++other) {
        if (other != kind && PopupWindows[other])
            ShowWindow(PopupWindows[other], SW_HIDE);
    }
    HWND dialog = PopupWindows[kind];
    if (!dialog)
        return;
    SetWindowPos(dialog, HWND_NOTOPMOST, x, y, width, height, SWP_SHOWWINDOW);
    ComputeZones(dialog, Frames[kind]);
    InvalidateRect(dialog, nullptr, TRUE);
}

void HidePopup(PopupKind kind)
{
    if (PopupWindows[kind])
        ShowWindow(PopupWindows[kind], SW_HIDE);
}

void DestroyPopups()
{
    for (int kind = 0; kind < kPopupCount; ++kind) {
        if (PopupWindows[kind] && IsWindow(PopupWindows[kind]))
            DestroyWindow(PopupWindows[kind]);
        PopupWindows[kind] = nullptr;
        Frames[kind] = PopupFrame();
    }
    DetailRichInk = nullptr;
    for (HIMAGELIST* list : {&ButtonFaces, &PopupMarks}) {
        if (*list)
            ImageList_Destroy(*list);
        *list = nullptr;
    }
}

void PlaceControls(HWND dialog, const ControlPlace* places, size_t count, int popupWidth)
{
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    for (size_t i = 0; i < count; ++i) {
        const ControlPlace& place = places[i];
        const int x = place.from == PlaceFrom::Middle ? popupWidth / 2 + place.x : place.x;
        const int width = place.width > 0 ? place.width : screen + place.width;
        HWND control = GetDlgItem(dialog, place.id);
        if (control)
            SetWindowPos(control, nullptr, x, place.y, width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SetControlText(HWND dialog, int id, const wchar_t* text)
{
    SetDlgItemTextW(dialog, id, text ? text : L"");
}

std::wstring ControlText(HWND dialog, int id)
{
    wchar_t text[256] = L"";
    GetDlgItemTextW(dialog, id, text, ARRAYSIZE(text));
    return text;
}

void DrawPopupMark(HDC dc, PopupMark mark, int x, int y)
{
    if (PopupMarks)
        ImageList_Draw(PopupMarks, static_cast<int>(mark), dc, x, y, ILD_TRANSPARENT);
}

bool HandlePopupMessage(PopupKind kind, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result)
{
    PopupFrame& frame = Frames[kind];
    *result = TRUE;
    switch (message) {
    case WM_PAINT:
        PaintFrame(dialog, frame);
        return true;
    case WM_CTLCOLORDLG:
        *result = reinterpret_cast<INT_PTR>(PageBrush());
        return true;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kStaticTextColour);
        SetBkColor(dc, kPageColour);
        *result = reinterpret_cast<INT_PTR>(PageBrush());
        return true;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const ButtonFace* face = item ? FaceOf(frame, static_cast<int>(item->CtlID)) : nullptr;
        if (!face)
            return false;
        DrawFaceButton(*item, face->face);
        return true;
    }
    case WM_LBUTTONDOWN:
        return OnPenDown(dialog, frame, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_LBUTTONUP:
        return OnPenUp(kind, dialog, frame, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_CLOSE:
        HidePopup(kind);
        return true;
    default:
        return false;
    }
}
