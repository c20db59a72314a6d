#include "platform/ce.h"

#include <cstdarg>
#include <cwchar>

namespace {

constexpr int kMaxLine = 2048;

// The log's path comes from the runner; without one the output only goes to
// the desktop debugger.
bool LogPath(wchar_t* path, DWORD chars)
{
    DWORD n = GetEnvironmentVariableW(L"QUILLON_DEVICE_LOG", path, chars);
    return n > 0 && n < chars;
}

// The mutex the device's processes take turns on to append (one prefix, one
// device); made once per process and kept.
constexpr wchar_t kLogTurnName[] = L"QuillonDeviceLogTurn";
constexpr DWORD kLogTurnWaitMs = 2000;

HANDLE LogTurn()
{
    static HANDLE turn = CreateMutexW(nullptr, FALSE, kLogTurnName);
    return turn;
}

}  // namespace

CEAPI void WINAPI CeAppendDebugLog(LPCWSTR text)
{
    wchar_t path[MAX_PATH];
    if (!text || !LogPath(path, MAX_PATH))
        return;

    wchar_t line[kMaxLine];
    int len = _snwprintf(line, kMaxLine - 1, L"[%lu] %ls", GetCurrentProcessId(), text);
    if (len < 0)
        len = kMaxLine - 2;  // cut: keep what fitted
    line[kMaxLine - 1] = 0;
    while (len > 0 && (line[len - 1] == L'\n' || line[len - 1] == L'\r'))
        --len;
    line[len++] = L'\n';

    char utf8[kMaxLine * 3];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, len, utf8, sizeof(utf8), nullptr, nullptr);
    if (bytes <= 0)
        return;

    // One append per line, the file opened and closed each time, so that the
    // lines of several processes interleave whole. Wine's appends are a seek
    // to the end and a write, so two processes appending at once could write
    // over each other's line: the device's processes take turns.
    HANDLE turn = LogTurn();
    const DWORD waited = turn ? WaitForSingleObject(turn, kLogTurnWaitMs) : WAIT_FAILED;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, utf8, static_cast<DWORD>(bytes), &written, nullptr);
        CloseHandle(file);
    }
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        ReleaseMutex(turn);
}

CEAPI void NKDbgPrintfW(LPCWSTR format, ...)
{
    if (!format)
        return;
    wchar_t text[kMaxLine];
    va_list args;
    va_start(args, format);
    int len = _vsnwprintf(text, kMaxLine - 1, format, args);
    va_end(args);
    if (len < 0)
        len = kMaxLine - 1;
    text[len] = 0;
    CeAppendDebugLog(text);
}

CEAPI void WINAPI CeOutputDebugStringW(LPCWSTR text)
{
    CeAppendDebugLog(text);
#undef OutputDebugStringW
    ::OutputDebugStringW(text);
}
