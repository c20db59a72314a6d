#include "editors/bitmap_buttons.h"

namespace {

constexpr COLORREF kPlainFace = RGB(200, 212, 236);
constexpr COLORREF kPlainEdge = RGB(16, 44, 99);

void DrawPlainFace(const DRAWITEMSTRUCT& item)
{
    HBRUSH fill = CreateSolidBrush(kPlainFace);
    FillRect(item.hDC, &item.rcItem, fill);
    DeleteObject(fill);
    HBRUSH edge = CreateSolidBrush(kPlainEdge);
    FrameRect(item.hDC, &item.rcItem, edge);
    DeleteObject(edge);
    wchar_t text[40] = L"";
    GetWindowTextW(item.hwndItem, text, ARRAYSIZE(text));
    RECT r = item.rcItem;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    DrawTextW(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

bool DrawButtonFace(HINSTANCE module, const DRAWITEMSTRUCT& item, std::span<const ButtonFace> faces)
{
    if (item.CtlType != ODT_BUTTON)
        return false;
    const ButtonFace* face = nullptr;
    for (const ButtonFace& f : faces) {
        if (static_cast<UINT>(f.id) == item.CtlID)
            face = &f;
    }
    if (!face)
        return false;
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(face->bitmap));
    if (!bitmap) {
        DrawPlainFace(item);
    } else {
        int shift = (item.itemState & ODS_SELECTED) ? 1 : 0;
        BITMAP size = {};
        GetObjectW(bitmap, sizeof(size), &size);
        HDC memory = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(memory, bitmap);
        FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        StretchBlt(item.hDC, item.rcItem.left + shift, item.rcItem.top + shift, item.rcItem.right - item.rcItem.left,
                   item.rcItem.bottom - item.rcItem.top, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(bitmap);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    if (item.itemState & ODS_DISABLED) {
        // A disabled button keeps its face, greyed by a light hatch.
        HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, RGB(192, 192, 192));
        int mode = SetBkMode(item.hDC, TRANSPARENT);
        FillRect(item.hDC, &item.rcItem, hatch);
        SetBkMode(item.hDC, mode);
        DeleteObject(hatch);
    }
    return true;
}

void SetPictureBitmap(HINSTANCE module, HWND dialog, int id, int bitmap)
{
    HBITMAP picture = LoadBitmapW(module, MAKEINTRESOURCEW(bitmap));
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
        SendDlgItemMessageW(dialog, id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
    if (old)
        DeleteObject(old);
}

void FreePictureBitmap(HWND dialog, int id)
{
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(dialog, id, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (old)
        DeleteObject(old);
}
