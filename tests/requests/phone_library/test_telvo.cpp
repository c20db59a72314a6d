// A phone library for the dial route's tests: its dial records what it was
// given in the device log and reports the missing phone window.
#include "platform/ce.h"
#include "telvo/telvo.h"

TELVO_API int Telvo_EXT_Dial(const wchar_t* number, int type, const wchar_t* text)
{
    NKDbgPrintfW(L"Test phone library: Telvo_EXT_Dial number=\"%ls\" type=%d text=\"%ls\"", number ? number : L"(null)",
                 type, text ? text : L"(null)");
    return -1;
}

TELVO_API int Telvo_EXT_GetLastError(void)
{
    return TELVO_NO_PHONE_WINDOW;
}
