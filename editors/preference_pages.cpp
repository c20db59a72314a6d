#include "editors/preference_pages.h"

#include "core/state.h"
#include "editors/settings_apply.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// The "취소" face.
constexpr int kCancelFaceBitmap = 123;

constexpr int kRegionStep = 100;

bool IsDropList(FieldEncoding encoding)
{
    return encoding == FieldEncoding::DropIndex || encoding == FieldEncoding::DropIndexPlusOne ||
           encoding == FieldEncoding::WeatherRegion;
}

// The item a field's value selects, -1 none.
int ItemOfValue(const PageControl& control, int32_t value)
{
    const int count = static_cast<int>(control.items.size());
    int item = -1;
    switch (control.encoding) {
    case FieldEncoding::DropIndex:        item = value; break;
    case FieldEncoding::DropIndexPlusOne: item = value - 1; break;
    case FieldEncoding::WeatherRegion:
        // 1, 101, ... 901; any other value selects the first region.
        item = (value - 1) % kRegionStep == 0 ? (value - 1) / kRegionStep : 0;
        if (item < 0 || item >= count)
            item = 0;
        break;
    default: break;
    }
    return item >= 0 && item < count ? item : -1;
}

int32_t ValueOfItem(FieldEncoding encoding, int item)
{
    switch (encoding) {
    case FieldEncoding::DropIndexPlusOne: return item + 1;
    case FieldEncoding::WeatherRegion:    return kRegionStep * item + 1;
    default:                              return item;
    }
}

// A face whose bitmap is missing: a push button with the control's text.
void DrawPlainFace(const DRAWITEMSTRUCT& item)
{
    RECT area = item.rcItem;
    DrawFrameControl(item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    wchar_t text[32] = L"";
    GetWindowTextW(item.hwndItem, text, ARRAYSIZE(text));
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    DrawTextW(item.hDC, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetBkMode(item.hDC, oldMode);
}

void StretchFace(const DRAWITEMSTRUCT& item, int bitmapId)
{
    HBITMAP bitmap = LoadBitmapW(AppInstance, MAKEINTRESOURCEW(bitmapId));
    if (!bitmap) {
        DrawPlainFace(item);
        return;
    }
    BITMAP size = {};
    GetObjectW(bitmap, sizeof(size), &size);
    HDC memory = CreateCompatibleDC(item.hDC);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
                   item.rcItem.bottom - item.rcItem.top, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

bool IsOfClass(HWND control, const wchar_t* cls)
{
    wchar_t name[16] = L"";
    GetClassNameW(control, name, ARRAYSIZE(name));
    return lstrcmpiW(name, cls) == 0;
}

bool IsGroupBox(HWND control)
{
    return IsOfClass(control, L"Button") && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

constexpr int kFieldShrinkSteps = 8;

int WindowHeight(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return static_cast<int>(rect.bottom - rect.top);
}

// The rows of a drop list's field that show its text.
int TextRowsOfField(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info))
        return 0;
    return static_cast<int>(info.rcItem.bottom - info.rcItem.top);
}

// The rows a line of the field's face needs: the face's height and the pixel
// the field keeps clear above and below it.
int RowsForText(HWND combo)
{
    HDC dc = GetDC(combo);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(combo, dc);
    return static_cast<int>(metrics.tmHeight) + 2;
}

// A drop list's field takes the height of its face unless told. It is made
// as low as the height, but never so low that its text is cut across. The
// height asked for and the one the field then takes differ by its edges
// (and not the same on every system), so the asks step down one by one and
// the lowest whose text shows whole is kept.
void ShrinkField(HWND combo, int height)
{
    const int rowsNeeded = RowsForText(combo);
    const LRESULT original = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    int lowest = WindowHeight(combo);
    LRESULT best = -1;
    for (LRESULT ask = original - 1; ask > 0 && original - ask <= kFieldShrinkSteps && lowest > height; --ask) {
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ask);
        if (TextRowsOfField(combo) < rowsNeeded)
            break;
        if (WindowHeight(combo) <= lowest) {
            lowest = WindowHeight(combo);
            best = ask;
        }
    }
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), best > 0 ? best : original);
}

// The page's face is a little large for the given fields: such a list shows
// its items in the main program's regular face, a point smaller.
bool UseSmallerFace(HWND combo)
{
    if (!AppFonts.normal || reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)) == AppFonts.normal)
        return false;
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(AppFonts.normal), FALSE);
    return true;
}

// A drop list keeps to the height of its place, so that it does not reach
// into the next row; the page's face needs a higher field, so it takes the
// smaller face first.
void KeepFieldHeight(HWND combo, int height)
{
    if (WindowHeight(combo) > height)
        UseSmallerFace(combo);
    ShrinkField(combo, height);
}

// The pixel the field keeps clear on each side of its text (its focus frame).
constexpr int kFieldTextMargin = 1;

// The width a drop list's field leaves for its text.
int FieldTextRoom(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info))
        return 0;
    return static_cast<int>(info.rcItem.right - info.rcItem.left) - 2 * kFieldTextMargin;
}

int WidestItem(HWND combo, HFONT font)
{
    HDC dc = GetDC(combo);
    HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length < 0 || length >= static_cast<LRESULT>(ARRAYSIZE(text)))
            continue;
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, static_cast<int>(length), &size);
        widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(combo, dc);
    return widest;
}

// Items wider than the field are shown in the smaller face.
void FitItemsInField(HWND combo)
{
    const int height = WindowHeight(combo);
    HFONT own = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
    if (WidestItem(combo, own) > FieldTextRoom(combo) && UseSmallerFace(combo))
        ShrinkField(combo, height);
}

// Two places side by side on one row: their tops differ by less than half
// the lower one's height.
bool SharesRow(const RECT& a, const RECT& b)
{
    const LONG shorter = std::min(a.bottom - a.top, b.bottom - b.top);
    return 2 * std::abs(a.top - b.top) < shorter;
}

}  // namespace

std::vector<RECT> PlacesWithoutOverlap(std::span<const PagePlace> places)
{
    std::vector<RECT> placed;
    for (const PagePlace& place : places)
        placed.push_back(place.rect);
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            RECT both = {};
            if (places[i].group || places[j].group || !IntersectRect(&both, &placed[i], &placed[j]))
                continue;
            // The one that starts first ends where the other begins: a row
            // above ends at the next row's top, a label at its field's left.
            const bool sameRow = SharesRow(placed[i], placed[j]);
            const bool iFirst = sameRow ? placed[i].left < placed[j].left : placed[i].top < placed[j].top;
            RECT& first = iFirst ? placed[i] : placed[j];
            const RECT& second = iFirst ? placed[j] : placed[i];
            if (sameRow)
                first.right = second.left;
            else
                first.bottom = second.top;
        }
    }
    return placed;
}

void PlacePageControls(HWND page, std::span<const PageControl> controls)
{
    std::vector<PagePlace> places;
    for (const PageControl& control : controls)
        places.push_back({{control.x, control.y, control.x + control.width, control.y + control.height},
                          IsGroupBox(GetDlgItem(page, control.id))});
    const std::vector<RECT> placed = PlacesWithoutOverlap(places);
    for (size_t i = 0; i < controls.size(); ++i) {
        HWND control = GetDlgItem(page, controls[i].id);
        const RECT& r = placed[i];
        MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        if (IsOfClass(control, L"ComboBox"))
            KeepFieldHeight(control, r.bottom - r.top);
    }
}

void ShowPageFields(HWND page, std::span<const PageControl> controls)
{
    for (const PageControl& control : controls) {
        if (!control.field)
            continue;
        const int32_t value = Settings.*control.field;
        HWND window = GetDlgItem(page, control.id);
        if (IsDropList(control.encoding)) {
            SendMessageW(window, CB_RESETCONTENT, 0, 0);
            for (const wchar_t* text : control.items)
                SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(ItemOfValue(control, value)), 0);
            FitItemsInField(window);
        } else if (control.encoding == FieldEncoding::Check) {
            SetChecked(page, control.id, value == 1);
        } else if (control.encoding == FieldEncoding::CheckTwo) {
            SetChecked(page, control.id, value == 2);
        }
    }
}

void ReadPageFields(HWND page, std::span<const PageControl> controls)
{
    for (const PageControl& control : controls) {
        if (!control.field)
            continue;
        int32_t& value = Settings.*control.field;
        if (IsDropList(control.encoding)) {
            const LRESULT item = SendDlgItemMessageW(page, control.id, CB_GETCURSEL, 0, 0);
            if (item >= 0 && item < static_cast<LRESULT>(control.items.size()))
                value = ValueOfItem(control.encoding, static_cast<int>(item));
        } else if (control.encoding == FieldEncoding::Check) {
            value = IsChecked(page, control.id) ? 1 : 0;
        } else if (control.encoding == FieldEncoding::CheckTwo) {
            value = IsChecked(page, control.id) ? 2 : 1;
        }
    }
}

void RegisterSettingsPage(HWND page, int index)
{
    SettingsStartPage = index;
    SettingsPageWindows[index] = page;
}

void InitPageForShell(HWND page, DWORD flags)
{
    SHINITDLGINFO init = {SHIDIM_FLAGS, page, flags};
    SHInitDialog(&init);
}

void ClearSettingsPageWindows()
{
    for (HWND& window : SettingsPageWindows)
        window = nullptr;
}

void ConfirmSettingsPage(HWND page, int okId)
{
    ApplySettingsPages();
    EndDialog(page, okId);
    ClearSettingsPageWindows();
}

bool TurnApplyIntoOk(HWND page, const NMHDR& notice, int okId)
{
    if (notice.code != static_cast<UINT>(PSN_APPLY))
        return false;
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(okId, BN_CLICKED), 0);
    SetWindowLongPtrW(page, DWLP_MSGRESULT, PSNRET_NOERROR);
    return true;
}

bool DrawOkCancelFace(const DRAWITEMSTRUCT& item, int okId, int cancelId)
{
    const int id = static_cast<int>(item.CtlID);
    if (id != okId && id != cancelId)
        return false;
    StretchFace(item, id == okId ? IDB_OK_BUTTON : kCancelFaceBitmap);
    return true;
}

INT_PTR TablePageProc(const TablePage& table, HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        RegisterSettingsPage(page, table.index);
        PlacePageControls(page, table.controls);
        ShowPageFields(page, table.controls);
        if (table.afterShow)
            table.afterShow(page);
        InitPageForShell(page, table.shellFlags);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PAGE_OK:     ConfirmSettingsPage(page, IDC_PAGE_OK); break;
        case IDC_PAGE_CANCEL: EndDialog(page, IDC_PAGE_CANCEL); break;
        default:
            if (table.command)
                table.command(page, LOWORD(wParam));
        }
        return TRUE;
    case WM_NOTIFY:
        return TurnApplyIntoOk(page, *reinterpret_cast<const NMHDR*>(lParam), IDC_PAGE_OK);
    case WM_DRAWITEM:
        return DrawOkCancelFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), IDC_PAGE_OK, IDC_PAGE_CANCEL);
    }
    return FALSE;
}

