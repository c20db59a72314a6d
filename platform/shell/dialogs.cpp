#include "platform/shell/state.h"

#undef EndDialog

namespace {

constexpr DWORD kSizingFlags = SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR;

// The full-screen rectangle below the top bar; SHIDIF_SIZEDLG alone stops at
// the input panel or the menu bar.
RECT DialogRect(DWORD flags)
{
    RECT area = shell::WorkArea();
    if (!(flags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)))
        area.bottom = shell::PanelUp() ? shell::PanelRect().top : shell::MenuBarRect().top;
    return area;
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
        shell::PlaceWithoutFrame(dialog, DialogRect(flags));
    shell::SetDoneButton(dialog, (flags & SHIDIF_DONEBUTTON) != 0);
    return TRUE;
}

CEAPI BOOL WINAPI CeEndDialog(HWND dialog, INT_PTR result)
{
    if (shell::EndSheetPage(dialog))
        return TRUE;
    return ::EndDialog(dialog, result);
}
