#include "editors/preference_pages.h"

#include "editors/page_layout.h"
#include "editors/settings_apply.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>

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

}  // namespace

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
            KeepDropListHeight(control, r.bottom - r.top);
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
            FitDropListItems(window);
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

