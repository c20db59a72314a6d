// The phone and SMS library.
#include "platform/ce.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
