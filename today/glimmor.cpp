// The Today-screen item. The shell finds its two entry points by ordinal.
#include "platform/ce.h"

extern "C" HWND WINAPI InitializeCustomItem(void*, HWND)
{
    return nullptr;
}

extern "C" BOOL WINAPI CustomItemOptionsDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}
