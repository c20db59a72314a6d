// The handset's status as the device reports it, from the device profile:
// the CE version, power, program memory and the object store. A test poses
// as another handset by giving the device another profile.
#pragma once

#define VER_PLATFORM_WIN32_CE 3

// GetVersionEx as on the device: the profile's CE major and minor version
// (CeMajorVersion 3, 4 or 5) and the CE platform id. Takes OSVERSIONINFOW
// and OSVERSIONINFOEXW by their size field.
CEAPI BOOL WINAPI CeGetVersionExW(LPOSVERSIONINFOW info);
#undef GetVersionEx
#define GetVersionEx CeGetVersionExW
#define GetVersionExW CeGetVersionExW

#ifndef BATTERY_FLAG_CHARGING
#define AC_LINE_OFFLINE 0x00
#define AC_LINE_ONLINE 0x01
#define AC_LINE_UNKNOWN 0xFF
#define BATTERY_FLAG_HIGH 0x01
#define BATTERY_FLAG_LOW 0x02
#define BATTERY_FLAG_CRITICAL 0x04
#define BATTERY_FLAG_CHARGING 0x08
#define BATTERY_FLAG_NO_BATTERY 0x80
#define BATTERY_FLAG_UNKNOWN 0xFF
#define BATTERY_PERCENTAGE_UNKNOWN 0xFF
#define BATTERY_LIFE_UNKNOWN 0xFFFFFFFF
#endif

typedef struct _SYSTEM_POWER_STATUS_EX {
    BYTE ACLineStatus;
    BYTE BatteryFlag;
    BYTE BatteryLifePercent;
    BYTE Reserved1;
    DWORD BatteryLifeTime;
    DWORD BatteryFullLifeTime;
    BYTE Reserved2;
    BYTE BackupBatteryFlag;
    BYTE BackupBatteryLifePercent;
    BYTE Reserved3;
    DWORD BackupBatteryLifeTime;
    DWORD BackupBatteryFullLifeTime;
} SYSTEM_POWER_STATUS_EX, *PSYSTEM_POWER_STATUS_EX, *LPSYSTEM_POWER_STATUS_EX;

// Power from the profile's [Power] section: ACLineStatus (0 off, 1 on),
// BatteryFlag (8 = charging), BatteryLifePercent (255 = unknown); the life
// times are unknown.
CEAPI BOOL WINAPI GetSystemPowerStatusEx(PSYSTEM_POWER_STATUS_EX status, BOOL update);

typedef struct STORE_INFORMATION {
    DWORD dwStoreSize;
    DWORD dwFreeSize;
} STORE_INFORMATION, *LPSTORE_INFORMATION;

// The object store's size and free space in bytes ([Memory] StoreTotal and
// StoreFree, kilobytes in the profile).
CEAPI BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION info);

// Program memory as the device reports it ([Memory] ProgramTotal and
// ProgramFree, kilobytes): total and available physical memory, and the load
// as the used percentage (rounded down).
CEAPI void WINAPI CeGlobalMemoryStatus(LPMEMORYSTATUS status);
#undef GlobalMemoryStatus
#define GlobalMemoryStatus CeGlobalMemoryStatus
