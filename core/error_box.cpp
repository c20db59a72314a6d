#include "core/error_box.h"

#include <strsafe.h>

void ShowErrorBox(WORD line, LPCWSTR sourceName)
{
    // Read first: anything called below may change it.
    DWORD error = GetLastError();
    wchar_t caption[64] = L"";
    wchar_t text[MAX_PATH + 40] = L"";
    StringCchPrintfW(caption, ARRAYSIZE(caption), L"An %ld error occured.", static_cast<long>(error));
    StringCchPrintfW(text, ARRAYSIZE(text), L"Generic, Line=%d, File=%ls", static_cast<int>(line),
                     sourceName ? sourceName : L"");
    MessageBoxW(nullptr, text, caption, MB_ICONEXCLAMATION | MB_OK);
}
