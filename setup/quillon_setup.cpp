// The installer's setup hooks.
#include "platform/ce.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
