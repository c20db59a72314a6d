// The About box: full screen, closed by Done on the top bar.
#include "snapkit/state.h"

INT_PTR CALLBACK ResetAboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: {
        SHINITDLGINFO init = {};
        init.dwMask = SHIDIM_FLAGS;
        init.hDlg = dialog;
        init.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_SIZEDLGFULLSCREEN;
        SHInitDialog(&init);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
