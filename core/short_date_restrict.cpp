#include "core/short_date_restrict.h"

#include <cwchar>
#include <string>

namespace {

// One Restrict call holds the mutex; anything longer is a hung process.
constexpr DWORD kSwapWaitMs = 10000;

class SwapLock {
public:
    SwapLock() : mutex_(CreateMutexW(nullptr, FALSE, kShortDateSwapMutex))
    {
        if (!mutex_)
            return;
        // An abandoned mutex is ours now; its holder died before restoring,
        // which this swap cannot undo, but it must not block every query.
        DWORD wait = WaitForSingleObject(mutex_, kSwapWaitMs);
        held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~SwapLock()
    {
        if (held_)
            ReleaseMutex(mutex_);
        if (mutex_)
            CloseHandle(mutex_);
    }
    SwapLock(const SwapLock&) = delete;
    SwapLock& operator=(const SwapLock&) = delete;
    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

bool ReadShortDateFormat(std::wstring* format)
{
    const int chars = GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, nullptr, 0);
    if (chars <= 0)
        return false;
    format->assign(static_cast<size_t>(chars), L'\0');
    const int read = GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, format->data(), chars);
    if (read <= 0)
        return false;
    format->resize(wcsnlen(format->c_str(), static_cast<size_t>(read)));
    return true;
}

}  // namespace

void FormatRestrictDate(wchar_t* out, size_t chars, int year, int month, int day)
{
    if (!out || chars == 0)
        return;
    _snwprintf(out, chars, L"%02d/%02d/%02d", month, day, year % 100);
    out[chars - 1] = L'\0';
}

HRESULT RestrictWithShortDates(IPOutlookItemCollection* items, LPCWSTR query, IPOutlookItemCollection** restricted)
{
    if (restricted)
        *restricted = nullptr;
    if (!items || !query || !restricted)
        return E_POINTER;
    SwapLock lock;
    if (!lock.Held()) {
        OutputDebugStringW(L"Quillon: the short-date swap is held elsewhere; query skipped\n");
        return HRESULT_FROM_WIN32(WAIT_TIMEOUT);
    }
    // Without the user's format in hand it could not be put back; it is
    // kept whatever its length.
    std::wstring saved;
    if (!ReadShortDateFormat(&saved)) {
        const DWORD error = GetLastError();
        OutputDebugStringW(L"Quillon: the short-date format cannot be read; query skipped\n");
        return HRESULT_FROM_WIN32(error ? error : ERROR_INVALID_DATA);
    }
    SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, kRestrictShortDate);
    BSTR text = SysAllocString(query);
    HRESULT result = text ? items->Restrict(text, restricted) : E_OUTOFMEMORY;
    SysFreeString(text);
    SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved.c_str());
    return result;
}
