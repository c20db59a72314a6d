#include "tests/support/testkit.h"

namespace testkit {

namespace {

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH * 2] = L"";
    DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(value) : std::wstring();
}

}  // namespace

std::wstring TestRunDir()
{
    return Environment(L"QUILLON_TEST_RUN");
}

std::wstring DeviceHostDir()
{
    return TestRunDir() + L"\\dev";
}

std::wstring DeviceProfilePath()
{
    return Environment(L"QUILLON_DEVICE_PROFILE");
}

std::wstring DeviceLogText()
{
    std::vector<uint8_t> bytes = ReadFileBytes(Environment(L"QUILLON_DEVICE_LOG"));
    if (bytes.empty())
        return std::wstring();
    int chars = MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(bytes.data()),
                                    static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(bytes.data()),
                        static_cast<int>(bytes.size()), text.data(), chars);
    return text;
}

std::vector<std::wstring> DeviceLogRecords(const std::wstring& token, size_t from)
{
    std::vector<std::wstring> records;
    std::wstring log = DeviceLogText();
    size_t start = from < log.size() ? from : log.size();
    while (start < log.size()) {
        size_t end = log.find(L'\n', start);
        if (end == std::wstring::npos)
            end = log.size();
        std::wstring line = log.substr(start, end - start);
        size_t body = line.find(L"] ");
        if (line.size() > 0 && line[0] == L'[' && body != std::wstring::npos)
            line = line.substr(body + 2);
        if (line.find(token) != std::wstring::npos)
            records.push_back(line);
        start = end + 1;
    }
    return records;
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<uint8_t> ReadFileBytes(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 30)) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
            got = 0;
        bytes.resize(got);
    }
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION* started)
{
    constexpr int kTries = 3;
    constexpr DWORD kPauseMs = 250;
    for (int attempt = 1;; ++attempt) {
        std::wstring line = commandLine;  // CreateProcessW may write into it
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        *started = {};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, started))
            return true;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == kTries)
            return false;
        Sleep(kPauseMs);
    }
}

int RunProcess(const std::wstring& commandLine, DWORD timeoutMs)
{
    PROCESS_INFORMATION pi = {};
    if (!StartProcess(commandLine, &pi))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

std::wstring BuiltProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1) + name;
}

}  // namespace testkit
