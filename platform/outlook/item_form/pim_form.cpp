// Stand-in for the device's own item forms: records what it was asked to
// show as one line (its command line, UTF-8) in "\Windows\PimForm.log" and
// ends. The object model's Display starts it.
#include "platform/ce.h"

namespace {

const wchar_t kRecordFile[] = L"\\Windows\\PimForm.log";

bool AppendLine(const wchar_t* text)
{
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return false;
    char* line = static_cast<char*>(LocalAlloc(LPTR, static_cast<size_t>(bytes) + 2));
    if (!line)
        return false;
    WideCharToMultiByte(CP_UTF8, 0, text, -1, line, bytes, nullptr, nullptr);
    line[bytes - 1] = '\r';
    line[bytes] = '\n';
    HANDLE file = CreateFileW(kRecordFile, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = false;
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ok = WriteFile(file, line, static_cast<DWORD>(bytes) + 1, &written, nullptr) != FALSE;
        CloseHandle(file);
    }
    LocalFree(line);
    return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    return AppendLine(commandLine) ? 0 : 1;
}
