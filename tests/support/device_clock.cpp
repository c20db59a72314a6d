// The clock file beside the device holds the device clock's offset from
// this machine's clock in seconds ("+N" or "-N"), in the form the runner's
// clock library reads. It is replaced whole, never rewritten in place, so a
// process reading it at that moment sees the old or the new offset.
#include "tests/support/device_clock.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace testkit {

namespace {

constexpr long long kTicksPerSecond = 10000000;

std::wstring ClockFilePath()
{
    wchar_t path[MAX_PATH] = L"";
    DWORD n = GetEnvironmentVariableW(L"QUILLON_DEVICE_CLOCK", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path) : std::wstring();
}

// The offset now in force; 0 when the file is missing or unreadable.
long long CurrentOffset(const std::wstring& path)
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return 0;
    long long offset = 0;
    if (fscanf(file, "%lld", &offset) != 1)
        offset = 0;
    fclose(file);
    return offset;
}

long long SecondsOf(const FILETIME& time)
{
    ULARGE_INTEGER value = {};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<long long>(value.QuadPart) / kTicksPerSecond;
}

bool WriteOffset(const std::wstring& path, long long offset)
{
    std::wstring fresh = path + L".new";
    FILE* file = _wfopen(fresh.c_str(), L"wb");
    if (!file)
        return false;
    bool ok = fprintf(file, "%+lld\n", offset) > 0;
    ok = fclose(file) == 0 && ok;
    return ok && MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

bool PoseDeviceTime(const SYSTEMTIME& local)
{
    std::wstring path = ClockFilePath();
    SYSTEMTIME universal = {};
    FILETIME target = {};
    if (path.empty() || !TzSpecificLocalTimeToSystemTime(nullptr, &local, &universal) ||
        !SystemTimeToFileTime(&universal, &target))
        return false;
    // This process runs on the device's clock too: the machine's own time is
    // the device's minus the offset in force.
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    long long machineNow = SecondsOf(now) - CurrentOffset(path);
    return WriteOffset(path, SecondsOf(target) - machineNow);
}

SYSTEMTIME LocalMoment(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME local = {};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = static_cast<WORD>(minute);
    local.wSecond = static_cast<WORD>(second);
    return local;
}

bool PoseDeviceTime(int year, int month, int day, int hour, int minute, int second)
{
    return PoseDeviceTime(LocalMoment(year, month, day, hour, minute, second));
}

bool RestoreDeviceTime()
{
    std::wstring path = ClockFilePath();
    return !path.empty() && WriteOffset(path, 0);
}

}  // namespace testkit
