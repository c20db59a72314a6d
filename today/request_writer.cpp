#include "today/request_writer.h"

#include "core/today_request_format.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kMainProgramName[] = L"Quillon.exe";
constexpr wchar_t kRequestBeingWritten[] = L"\\Windows\\Quillon1.tmp";
constexpr DWORD kReplaceWaitMs = 200;
constexpr DWORD kReplaceRetryMs = 2;

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

// The main program taking the request aside holds it for a moment; a
// replace is tried again within a bound, as the shell waits meanwhile.
bool ReplaceRequest()
{
    for (DWORD start = GetTickCount();; Sleep(kReplaceRetryMs)) {
        if (MoveFileExW(kRequestBeingWritten, kTodayRequestFile, MOVEFILE_REPLACE_EXISTING))
            return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            GetTickCount() - start >= kReplaceWaitMs)
            return false;
    }
}

// A request the main program has not taken yet is replaced, as a newer
// tap asks for something else; that one is then never acted on, so it is
// told.
bool PutRequestInPlace(size_t length)
{
    if (MoveFileExW(kRequestBeingWritten, kTodayRequestFile, 0))
        return true;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
        return false;
    if (!ReplaceRequest())
        return false;
    NKDbgPrintfW(L"Glimmor: request of %u bytes replaces one the main program had not read\r\n",
                 static_cast<unsigned>(length));
    return true;
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
    if (!PutRequestInPlace(length)) {
        NKDbgPrintfW(L"Glimmor: request of %u bytes not put in place (%lu)\r\n", static_cast<unsigned>(length),
                     GetLastError());
        DeleteFileW(kRequestBeingWritten);
        return false;
    }
    StartMainProgram();
    return true;
}
