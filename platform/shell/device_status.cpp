#include "platform/shell/state.h"

namespace {

constexpr int kDefaultMajorVersion = 5;
constexpr int kDefaultMinorVersion = 1;
constexpr SIZE_T kKilobyte = 1024;
constexpr SIZE_T kProcessAddressSpace = 32 * 1024 * 1024;  // a CE process slot

BYTE ProfileByte(LPCWSTR section, LPCWSTR key, int fallback)
{
    int value = CeProfileInt(section, key, fallback);
    return static_cast<BYTE>(value < 0 || value > 255 ? fallback : value);
}

// A size the profile gives in kilobytes, never negative.
SIZE_T ProfileKilobytes(LPCWSTR section, LPCWSTR key, int fallback)
{
    int value = CeProfileInt(section, key, fallback);
    return static_cast<SIZE_T>(value < 0 ? 0 : value) * kKilobyte;
}

}  // namespace

CEAPI BOOL WINAPI CeGetVersionExW(LPOSVERSIONINFOW info)
{
    if (!info || (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW) &&
                  info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOEXW))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD size = info->dwOSVersionInfoSize;
    ZeroMemory(info, size);
    info->dwOSVersionInfoSize = size;
    info->dwMajorVersion = static_cast<DWORD>(CeProfileInt(L"Device", L"CeMajorVersion", kDefaultMajorVersion));
    info->dwMinorVersion = static_cast<DWORD>(CeProfileInt(L"Device", L"CeMinorVersion", kDefaultMinorVersion));
    info->dwBuildNumber = static_cast<DWORD>(CeProfileInt(L"Device", L"CeBuildNumber", 0));
    info->dwPlatformId = VER_PLATFORM_WIN32_CE;
    return TRUE;
}

CEAPI BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX status, BOOL)
{
    if (!status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ZeroMemory(status, sizeof(*status));
    status->ACLineStatus = ProfileByte(L"Power", L"ACLineStatus", AC_LINE_ONLINE);
    status->BatteryFlag = ProfileByte(L"Power", L"BatteryFlag", BATTERY_FLAG_CHARGING);
    status->BatteryLifePercent = ProfileByte(L"Power", L"BatteryLifePercent", 80);
    status->BatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status->BatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    status->BackupBatteryFlag = ProfileByte(L"Power", L"BackupBatteryFlag", BATTERY_FLAG_HIGH);
    status->BackupBatteryLifePercent =
        ProfileByte(L"Power", L"BackupBatteryLifePercent", BATTERY_PERCENTAGE_UNKNOWN);
    status->BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    status->BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    return TRUE;
}

CEAPI BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION info)
{
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->dwStoreSize = static_cast<DWORD>(ProfileKilobytes(L"Memory", L"StoreTotal", 65536));
    info->dwFreeSize = static_cast<DWORD>(ProfileKilobytes(L"Memory", L"StoreFree", 40960));
    if (info->dwFreeSize > info->dwStoreSize)
        info->dwFreeSize = info->dwStoreSize;
    return TRUE;
}

CEAPI void WINAPI CeGlobalMemoryStatus(LPMEMORYSTATUS status)
{
    if (!status)
        return;
    ZeroMemory(status, sizeof(*status));
    status->dwLength = sizeof(*status);
    SIZE_T total = ProfileKilobytes(L"Memory", L"ProgramTotal", 65536);
    SIZE_T free = ProfileKilobytes(L"Memory", L"ProgramFree", 32768);
    if (free > total)
        free = total;
    status->dwTotalPhys = total;
    status->dwAvailPhys = free;
    status->dwMemoryLoad = total ? static_cast<DWORD>((total - free) * 100 / total) : 0;
    status->dwTotalVirtual = kProcessAddressSpace;
    status->dwAvailVirtual = kProcessAddressSpace;
}
