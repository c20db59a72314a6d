#include "platform/shell/state.h"

#undef EndDialog

namespace {

constexpr DWORD kSizingFlags = SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR;
constexpr LONG kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME;
constexpr LONG kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

// The full-screen rectangle below the top bar; SHIDIF_SIZEDLG alone stops at
// the input panel or the menu bar.
RECT DialogRect(DWORD flags)
{
    RECT area = shell::WorkArea();
    if (!(flags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)))
        area.bottom = shell::PanelUp() ? shell::PanelRect().top : shell::MenuBarRect().top;
    return area;
}

void MakeFullScreen(HWND dialog, DWORD flags)
{
    SetWindowLongW(dialog, GWL_STYLE, GetWindowLongW(dialog, GWL_STYLE) & ~kFrameStyles);
    SetWindowLongW(dialog, GWL_EXSTYLE, GetWindowLongW(dialog, GWL_EXSTYLE) & ~kFrameExStyles);
    RECT place = DialogRect(flags);
    SetWindowPos(dialog, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

CEAPI BOOL WINAPI SHInitDialog(PSHINITDLGINFO info)
{
    if (!info || !(info->dwMask & SHIDIM_FLAGS) || !IsWindow(info->hDlg))
        return FALSE;
    HWND dialog = info->hDlg;
    DWORD flags = info->dwFlags;
    if (flags & SHIDIF_SIPDOWN)
        SipShowIM(SIPF_OFF);
    shell::EnsureTopBar();
    if (GetWindowLongW(dialog, GWL_STYLE) & WS_CHILD) {
        // A page stays where its sheet put it.
        if (flags & SHIDIF_DONEBUTTON)
            shell::SetDoneButton(GetAncestor(dialog, GA_ROOT), true);
        return TRUE;
    }
    if (flags & kSizingFlags)
        MakeFullScreen(dialog, flags);
    shell::SetDoneButton(dialog, (flags & SHIDIF_DONEBUTTON) != 0);
    return TRUE;
}

CEAPI BOOL WINAPI CeEndDialog(HWND dialog, INT_PTR result)
{
    if (shell::EndSheetPage(dialog))
        return TRUE;
    return ::EndDialog(dialog, result);
}
