#include "tests/hosts/today_items.h"

#include <gtest/gtest.h>

namespace hosttest {

namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kMessageLimitMs = 5000;

std::wstring ItemKeyPath(const std::wstring& name)
{
    return std::wstring(TODAY_ITEMS_KEY) + L"\\" + name;
}

void SetDword(const std::wstring& key, const wchar_t* value, DWORD data)
{
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), value, REG_DWORD, &data, sizeof(data)), ERROR_SUCCESS);
}

bool ReadyEventSet()
{
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, TODAY_SHELL_READY_EVENT);
    if (!event)
        return false;
    bool set = WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
    CloseHandle(event);
    return set;
}

}  // namespace

void ClearDeviceLog()
{
    wchar_t path[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"QUILLON_DEVICE_LOG", path, MAX_PATH);
    ASSERT_TRUE(testkit::WriteFileBytes(path, {}));
}

void ClearItems()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, TODAY_ITEMS_KEY);
}

void RegisterItem(const ItemKey& item)
{
    std::wstring key = ItemKeyPath(item.name);
    SetDword(key, L"Type", item.type);
    SetDword(key, L"Options", item.options);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"DLL", REG_SZ, item.dll.c_str(),
                              static_cast<DWORD>((item.dll.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    SetDword(key, L"Enabled", item.enabled);
    SetDword(key, L"Selectability", item.selectability);
    SetDword(key, L"TestHeight", item.height);
}

void SetItemValue(const std::wstring& name, const wchar_t* value, DWORD data)
{
    SetDword(ItemKeyPath(name), value, data);
}

void SetProfileValue(const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    ASSERT_TRUE(WritePrivateProfileStringW(section, key, value, testkit::DeviceProfilePath().c_str()));
}

bool TodayHost::Start()
{
    process_ = shelltest::StartBuiltProgram(L"TodayHost.exe", L"");
    if (!process_)
        return false;
    bool ready = testkit::PumpUntil(
        [&] {
            window_ = FindWindowW(kHostClass, nullptr);
            return window_ && ReadyEventSet() && !shelltest::LogRecords(L"TodayHost: ready").empty();
        },
        kStartLimitMs);
    EXPECT_TRUE(ready) << "the Today host did not get ready";
    return ready;
}

int TodayHost::Close()
{
    if (!process_)
        return -1;
    if (window_)
        PostMessageW(window_, WM_CLOSE, 0, 0);
    int code = shelltest::WaitPumping(process_, kStartLimitMs);
    process_ = nullptr;
    window_ = nullptr;
    return code;
}

HWND TodayHost::Item(const std::wstring& name) const
{
    return FindWindowExW(window_, nullptr, kItemClass, name.c_str());
}

RECT TodayHost::ItemRect(const std::wstring& name) const
{
    RECT r = {};
    HWND item = Item(name);
    if (item) {
        GetWindowRect(item, &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

LRESULT TodayHost::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutW(window_, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageLimitMs, &answer))
        << "the Today host did not answer message " << message;
    return static_cast<LRESULT>(answer);
}

std::vector<std::wstring> ItemRecords(const std::wstring& name)
{
    std::wstring prefix = L"TestItem " + name + L": ";
    std::vector<std::wstring> records;
    for (const std::wstring& line : shelltest::LogRecords(prefix)) {
        if (line.rfind(prefix, 0) == 0)
            records.push_back(line.substr(prefix.size()));
    }
    return records;
}

bool WaitForRecord(const std::wstring& text, DWORD timeoutMs)
{
    return testkit::PumpUntil([&] { return !shelltest::LogRecords(text).empty(); }, timeoutMs);
}

size_t LogPosition(const std::wstring& text)
{
    return testkit::DeviceLogText().find(text);
}

}  // namespace hosttest
