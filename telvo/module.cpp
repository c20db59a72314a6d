// The library's entry point and module state.
#include "telvo/state.h"

namespace {

constexpr wchar_t kBoxCaption[] = L"Telvo";
constexpr wchar_t kPhoneBroadcastName[] = L"PHONE_COMMON_BROADCAST";

}  // namespace

int LastErrorCode = 0;
UINT PhoneBroadcastMessage = 0;

void ShowTelvoBox(const wchar_t* text)
{
    MessageBoxW(nullptr, text, kBoxCaption, MB_OK | MB_ICONEXCLAMATION);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        PhoneBroadcastMessage = RegisterWindowMessageW(kPhoneBroadcastName);
    }
    return TRUE;
}
