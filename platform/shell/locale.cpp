#include "platform/shell/state.h"

#undef GetLocaleInfoW
#undef SetLocaleInfoW
#undef GetDateFormatW

namespace {

constexpr wchar_t kInternationalKey[] = L"Control Panel\\International";
constexpr wchar_t kLocaleMutex[] = L"CeDeviceLocale";
constexpr DWORD kLockWaitMs = 2000;
constexpr int kValueChars = 80;

// The device-wide items and where the desktop keeps them.
struct SharedItem {
    LCTYPE item;
    LPCWSTR value;
};
constexpr SharedItem kSharedItems[] = {
    {LOCALE_SSHORTDATE, L"sShortDate"},
    {LOCALE_IFIRSTDAYOFWEEK, L"iFirstDayOfWeek"},
};

// Serialises changes and refreshes among the device's processes.
class LocaleLock {
public:
    LocaleLock()
    {
        static HANDLE mutex = CreateMutexW(nullptr, FALSE, kLocaleMutex);
        mutex_ = mutex;
        held_ = mutex_ && WaitForSingleObject(mutex_, kLockWaitMs) != WAIT_TIMEOUT;
    }
    ~LocaleLock()
    {
        if (held_)
            ReleaseMutex(mutex_);
    }
    LocaleLock(const LocaleLock&) = delete;
    LocaleLock& operator=(const LocaleLock&) = delete;

private:
    HANDLE mutex_;
    bool held_ = false;
};

bool ReadStoredValue(LPCWSTR name, wchar_t* out, DWORD chars)
{
    DWORD bytes = chars * sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kInternationalKey, name, RRF_RT_REG_SZ, nullptr, out, &bytes) !=
        ERROR_SUCCESS)
        return false;
    out[chars - 1] = 0;
    return true;
}

// Whether the process's copy of the item differs from what the device stored.
bool Stale(const SharedItem& shared, wchar_t* stored)
{
    wchar_t current[kValueChars] = L"";
    if (!ReadStoredValue(shared.value, stored, kValueChars))
        return false;
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, shared.item, current, kValueChars);
    return wcscmp(stored, current) != 0;
}

// The desktop keeps the user's locale values per process, read once; this
// brings the process's copy up to what the device last stored. Reading again
// under the lock keeps a newer change of another process from being undone.
void RefreshSharedItems()
{
    for (const SharedItem& shared : kSharedItems) {
        wchar_t stored[kValueChars];
        if (!Stale(shared, stored))
            continue;
        LocaleLock lock;
        if (Stale(shared, stored))
            ::SetLocaleInfoW(LOCALE_USER_DEFAULT, shared.item, stored);
    }
}

}  // namespace

namespace shell {

void SyncLocale()
{
    RefreshSharedItems();
}

}  // namespace shell

CEAPI int WINAPI CeGetLocaleInfoW(LCID locale, LCTYPE item, LPWSTR data, int chars)
{
    RefreshSharedItems();
    return ::GetLocaleInfoW(locale, item, data, chars);
}

CEAPI BOOL WINAPI CeSetLocaleInfoW(LCID, LCTYPE item, LPCWSTR data)
{
    // The device has one locale; the desktop keeps the user's.
    LocaleLock lock;
    return ::SetLocaleInfoW(LOCALE_USER_DEFAULT, item, data);
}

CEAPI int WINAPI CeGetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out,
                                  int chars)
{
    RefreshSharedItems();
    return ::GetDateFormatW(locale, flags, date, format, out, chars);
}

CEAPI int WINAPI CeGetSystemShortDateFormat(LPWSTR out, int chars)
{
    if (!out || chars <= 0)
        return 0;
    int copied = CeGetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, out, chars);
    if (copied == 0)
        out[0] = 0;
    return copied;
}
