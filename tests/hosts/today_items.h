// The Today items the host tests register, and the Today host process they
// start: every wait bounded, the host closed (or ended) after each case.
#pragma once

#include "tests/shell/support.h"

#include <string>

namespace hosttest {

constexpr wchar_t kTestItemDll[] = L"\\Windows\\TestItem.dll";
constexpr wchar_t kSecondItemDll[] = L"\\Windows\\TestItem2.dll";  // a copy, to see one DLL freed
constexpr wchar_t kHostClass[] = L"TodayHost";
constexpr wchar_t kItemClass[] = L"TestTodayItem";

struct ItemKey {
    std::wstring name;
    std::wstring dll = kTestItemDll;
    DWORD height = 40;
    DWORD options = 1;
    DWORD selectability = 2;
    DWORD enabled = 1;
    DWORD type = 4;
};

// Empties the device log, so that a case reads only its own records.
void ClearDeviceLog();

// Removes every registered item.
void ClearItems();
void RegisterItem(const ItemKey& item);
void SetItemValue(const std::wstring& name, const wchar_t* value, DWORD data);

// Sets a key of the device profile (read afresh by every device process).
void SetProfileValue(const wchar_t* section, const wchar_t* key, const wchar_t* value);

// The Today host of one test case.
class TodayHost {
public:
    TodayHost() = default;
    ~TodayHost() { Close(); }
    TodayHost(const TodayHost&) = delete;
    TodayHost& operator=(const TodayHost&) = delete;

    // Starts it and waits until it is ready; false (with a failure) if not.
    bool Start();
    // Closes the window and waits for the end; its exit code or -1.
    int Close();

    HWND Window() const { return window_; }
    HWND Item(const std::wstring& name) const;
    // The item's rectangle in the host's client coordinates.
    RECT ItemRect(const std::wstring& name) const;
    // Sends a message to the host, bounded; its answer.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    HANDLE process_ = nullptr;
    HWND window_ = nullptr;
};

// The log's records of the item (without "TestItem <name>: ").
std::vector<std::wstring> ItemRecords(const std::wstring& name);
bool WaitForRecord(const std::wstring& text, DWORD timeoutMs = 10000);
// The position of the first log line holding the text, npos when none.
size_t LogPosition(const std::wstring& text);

}  // namespace hosttest
