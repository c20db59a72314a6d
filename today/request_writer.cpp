#include "today/request_writer.h"

#include "core/today_request_format.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kMainProgramName[] = L"Quillon.exe";
constexpr wchar_t kRequestBeingWritten[] = L"\\Windows\\Quillon1.tmp";

bool WriteWholeFile(LPCWSTR path, const uint8_t* bytes, size_t length)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, static_cast<DWORD>(length), &written, nullptr);
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    return ok && written == length;
}

}  // namespace

void MainProgramPath(wchar_t* out, size_t chars)
{
    if (FAILED(StringCchPrintfW(out, chars, L"%ls\\%ls", MainProgramFolder, kMainProgramName)))
        out[0] = L'\0';
}

void StartMainProgram()
{
    wchar_t path[MAX_PATH + 16];
    MainProgramPath(path, ARRAYSIZE(path));
    wchar_t commandLine[1] = L"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool WriteTodayRequest(const uint8_t* bytes, size_t length)
{
    if (!WriteWholeFile(kRequestBeingWritten, bytes, length)) {
        NKDbgPrintfW(L"Glimmor: request of %u bytes not written (%lu)\r\n", static_cast<unsigned>(length),
                     GetLastError());
        DeleteFileW(kRequestBeingWritten);
        return false;
    }
    if (!MoveFileExW(kRequestBeingWritten, kTodayRequestFile, MOVEFILE_REPLACE_EXISTING)) {
        NKDbgPrintfW(L"Glimmor: request of %u bytes not put in place (%lu)\r\n", static_cast<unsigned>(length),
                     GetLastError());
        DeleteFileW(kRequestBeingWritten);
        return false;
    }
    StartMainProgram();
    return true;
}
