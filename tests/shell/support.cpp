#include "tests/shell/support.h"

namespace shelltest {

namespace {

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[MAX_PATH * 2] = L"";
    DWORD n = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(value) : std::wstring();
}

std::wstring WindowsPathOf(const char* unixPath)
{
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path;
}

}  // namespace

std::wstring ProfilePath(const std::wstring& name)
{
    return WindowsPathOf(QUILLON_SOURCE_DIR) + L"\\tools\\lib\\profiles\\" + name + L".ini";
}

ScopedProfile::ScopedProfile(const std::wstring& path) : previous_(Environment(L"QUILLON_DEVICE_PROFILE"))
{
    SetEnvironmentVariableW(L"QUILLON_DEVICE_PROFILE", path.c_str());
}

ScopedProfile::~ScopedProfile()
{
    SetEnvironmentVariableW(L"QUILLON_DEVICE_PROFILE", previous_.c_str());
}

std::wstring WriteProfile(const std::wstring& name, const std::wstring& text)
{
    std::wstring path = testkit::TestRunDir() + L"\\" + name + L".ini";
    std::vector<uint8_t> bytes;
    for (wchar_t c : text)
        bytes.push_back(static_cast<uint8_t>(c));  // profiles are ASCII
    testkit::WriteFileBytes(path, bytes);
    return path;
}

std::vector<std::wstring> LogRecords(const std::wstring& token)
{
    std::vector<std::wstring> records;
    std::wstring log = testkit::DeviceLogText();
    size_t start = 0;
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

std::wstring BuiltProgram(const std::wstring& fileName)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.rfind(L'\\') + 1) + fileName;
}

}  // namespace shelltest
