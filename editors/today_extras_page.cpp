#include "editors/today_extras_page.h"

#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "editors/program_picker.h"
#include "editors/shortcut_candidates.h"
#include "editors/shortcut_editing.h"
#include "editors/shortcut_preview.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kShellFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;

const wchar_t* const kIconSizes[] = {L"작게", L"크게"};
const wchar_t* const kRegions[] = {L"서울/경기", L"영서/춘천", L"영동/강릉", L"충북/청주", L"충남/대전",
                                   L"전북/전주", L"전남/광주", L"경북/대구", L"경남/부산", L"제주"};
const wchar_t* const kShortcutSizes[] = {L"작게(최대20개)", L"크게(최대12개)"};

using E = FieldEncoding;
using S = DiarySettings;
const PageControl kExtrasControls[] = {
    {IDC_EXTRAS_GROUP, 6, 10, 228, 188},
    {IDC_EXTRAS_SHOW_WEATHER, 14, 30, 87, 18, E::Check, &S::TodayShowWeather},
    {IDC_EXTRAS_WEATHER_SIZE, 101, 29, 43, 18, E::DropIndex, &S::WeatherIconSize, kIconSizes},
    {IDC_EXTRAS_WEATHER_REGION, 145, 29, 72, 18, E::WeatherRegion, &S::WeatherRegion, kRegions},
    {IDC_EXTRAS_SHOW_STATUS, 14, 50, 200, 18, E::Check, &S::TodayShowStatus},
    {IDC_EXTRAS_STATUS_DIVIDER, 35, 68, 179, 18, E::Check, &S::TodayStatusDivider},
    {IDC_EXTRAS_SHOW_SHORTCUTS, 14, 87, 110, 18, E::Check, &S::TodayShowShortcuts},
    {IDC_EXTRAS_SHORTCUT_SIZE, 124, 86, 105, 18, E::DropIndex, &S::ShortcutIconSize, kShortcutSizes},
    {IDC_EXTRAS_SHORTCUT_DIVIDER, 35, 105, 179, 18, E::Check, &S::TodayShortcutDivider},
    {IDC_EXTRAS_ADD_GROUP, 20, 124, 200, 68},
    {IDC_EXTRAS_CANDIDATES, 30, 144, 140, 20},
    {IDC_EXTRAS_ADD, 171, 144, 39, 20},
    {IDC_EXTRAS_ADD_CUSTOM, 30, 166, 100, 20},
    {IDC_EXTRAS_MOVE_LEFT, 131, 166, 19, 20},
    {IDC_EXTRAS_MOVE_RIGHT, 151, 166, 19, 20},
    {IDC_EXTRAS_DELETE, 171, 166, 39, 20},
    {IDC_PAGE_OK, 2, 271, 50, 20},
    {IDC_PAGE_CANCEL, 53, 271, 50, 20},
};

void Enable(HWND page, int id, bool enabled)
{
    EnableWindow(GetDlgItem(page, id), enabled);
}

bool RoomForMore()
{
    return ShortcutPathCount < kShortcutSlots;
}

// ◀, ▶ and 삭제 by the selection.
void EnableEditButtons(HWND page)
{
    const int s = ShortcutSelection;
    const bool selected = s >= 0 && s < ShortcutPathCount;
    Enable(page, IDC_EXTRAS_MOVE_LEFT, selected && s > 0);
    Enable(page, IDC_EXTRAS_MOVE_RIGHT, selected && s < ShortcutPathCount - 1);
    Enable(page, IDC_EXTRAS_DELETE, selected);
}

// "추가" wants room, a chosen item and one that is not a folder header.
void EnableAddButton(HWND page)
{
    HWND list = GetDlgItem(page, IDC_EXTRAS_CANDIDATES);
    const LRESULT item = SendMessageW(list, CB_GETCURSEL, 0, 0);
    bool addable = false;
    wchar_t text[MAX_PATH];
    if (RoomForMore() && item >= 0 && SendMessageW(list, CB_GETLBTEXTLEN, item, 0) < MAX_PATH &&
        SendMessageW(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text)) > 0)
        addable = !IsCandidateHeader(text);
    Enable(page, IDC_EXTRAS_ADD, addable);
}

void EnableAddButtons(HWND page)
{
    EnableAddButton(page);
    Enable(page, IDC_EXTRAS_ADD_CUSTOM, RoomForMore());
}

void RefreshPreview(HWND page)
{
    RECT area = ShortcutPreviewRect;
    InvalidateRect(page, &area, TRUE);
    EnableAddButtons(page);
    EnableEditButtons(page);
}

// A divider box follows its show box: enabled with it, cleared without it.
void FollowShowBox(HWND page, int showId, int dividerId)
{
    const bool on = IsChecked(page, showId);
    if (!on)
        SetChecked(page, dividerId, false);
    Enable(page, dividerId, on);
}

void AddChosenCandidate(HWND page)
{
    HWND list = GetDlgItem(page, IDC_EXTRAS_CANDIDATES);
    const LRESULT item = SendMessageW(list, CB_GETCURSEL, 0, 0);
    wchar_t text[MAX_PATH];
    wchar_t path[kShortcutPathChars];
    if (!RoomForMore() || item < 0 || SendMessageW(list, CB_GETLBTEXTLEN, item, 0) >= MAX_PATH ||
        SendMessageW(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text)) <= 0 ||
        !CandidatePath(static_cast<int>(item), text, path, kShortcutPathChars))
        return;
    AddShortcut(path);
    RefreshPreview(page);
}

void AddCustomProgram(HWND page)
{
    if (!RoomForMore())
        return;
    RunProgramPicker(page);
    if (PickedProgramPath[0] && wcslen(PickedProgramPath) < kShortcutPathChars) {
        AddShortcut(PickedProgramPath);
        RefreshPreview(page);
    }
}

void EditShortcuts(HWND page, ShortcutEdit edit)
{
    const int s = ShortcutSelection;
    if (RewriteShortcuts(edit, s)) {
        switch (edit) {
        case ShortcutEdit::MoveLeft:  ShortcutSelection = s - 1; break;
        case ShortcutEdit::MoveRight: ShortcutSelection = s + 1; break;
        case ShortcutEdit::Delete:    ShortcutSelection = -1; break;
        }
    } else {
        ShortcutSelection = -1;
    }
    RefreshPreview(page);
}

void OnInit(HWND page)
{
    RegisterSettingsPage(page, kTodayExtrasPage);
    ShortcutSelection = -1;
    ShortcutsChanged = 0;
    ReloadShortcuts();
    PlacePageControls(page, kExtrasControls);
    ShowPageFields(page, kExtrasControls);
    Enable(page, IDC_EXTRAS_STATUS_DIVIDER, Settings.TodayShowStatus == 1);
    Enable(page, IDC_EXTRAS_SHORTCUT_DIVIDER, Settings.TodayShowShortcuts == 1);
    BuildShortcutCandidates(GetDlgItem(page, IDC_EXTRAS_CANDIDATES));
    InitPageForShell(page, kShellFlags);
    Enable(page, IDC_EXTRAS_ADD, false);
    EnableEditButtons(page);
    Enable(page, IDC_EXTRAS_ADD_CUSTOM, RoomForMore());
    RECT area = ShortcutPreviewRect;
    InvalidateRect(page, &area, TRUE);
}

void OnCommand(HWND page, int id, int code)
{
    switch (id) {
    case IDC_PAGE_OK:                ConfirmSettingsPage(page, IDC_PAGE_OK); break;
    case IDC_PAGE_CANCEL:            EndDialog(page, IDC_PAGE_CANCEL); break;
    case IDC_EXTRAS_SHOW_STATUS:     FollowShowBox(page, id, IDC_EXTRAS_STATUS_DIVIDER); break;
    case IDC_EXTRAS_SHOW_SHORTCUTS:  FollowShowBox(page, id, IDC_EXTRAS_SHORTCUT_DIVIDER); break;
    case IDC_EXTRAS_CANDIDATES:
        if (code == CBN_SELCHANGE)
            EnableAddButton(page);
        break;
    case IDC_EXTRAS_ADD:             AddChosenCandidate(page); break;
    case IDC_EXTRAS_ADD_CUSTOM:      AddCustomProgram(page); break;
    case IDC_EXTRAS_MOVE_LEFT:       EditShortcuts(page, ShortcutEdit::MoveLeft); break;
    case IDC_EXTRAS_MOVE_RIGHT:      EditShortcuts(page, ShortcutEdit::MoveRight); break;
    case IDC_EXTRAS_DELETE:          EditShortcuts(page, ShortcutEdit::Delete); break;
    }
}

void OnPenDown(HWND page, int x, int y)
{
    ShortcutSelection = ShortcutAtPoint(x, y);
    RECT area = ShortcutPreviewRect;
    InvalidateRect(page, &area, TRUE);
    EnableEditButtons(page);
}

void OnPaint(HWND page)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(page, &paint);
    PaintShortcutPreview(dc, reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)));
    EndPaint(page, &paint);
}

}  // namespace

INT_PTR CALLBACK TodayExtrasPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(page);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_LBUTTONDOWN:
        OnPenDown(page, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case WM_PAINT:
        OnPaint(page);
        return TRUE;
    case WM_NOTIFY:
        return TurnApplyIntoOk(page, *reinterpret_cast<const NMHDR*>(lParam), IDC_PAGE_OK);
    case WM_DRAWITEM:
        return DrawOkCancelFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), IDC_PAGE_OK, IDC_PAGE_CANCEL);
    case WM_DESTROY:
        ReleaseShortcutIcons();
        return FALSE;
    }
    return FALSE;
}

void ReadTodayExtrasPage(HWND page)
{
    ReadPageFields(page, kExtrasControls);
}
