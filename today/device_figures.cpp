#include "today/device_figures.h"

#include <strsafe.h>

namespace {

constexpr uint64_t kKilobyte = 1024;

bool AddCard(const wchar_t* folder, StorageFigures* figures)
{
    ULARGE_INTEGER freeToCaller = {}, total = {}, totalFree = {};
    if (!GetDiskFreeSpaceEx(folder, &freeToCaller, &total, &totalFree))
        return false;
    figures->totalKilobytes += total.QuadPart / kKilobyte;
    figures->freeKilobytes += totalFree.QuadPart / kKilobyte;
    return true;
}

}  // namespace

PowerFigures ReadPowerFigures()
{
    SYSTEM_POWER_STATUS_EX status = {};
    PowerFigures figures = {BATTERY_PERCENTAGE_UNKNOWN, false, false};
    if (GetSystemPowerStatusEx(&status, FALSE)) {
        figures.percent = status.BatteryLifePercent;
        figures.onAc = status.ACLineStatus == AC_LINE_ONLINE;
        figures.charging = (status.BatteryFlag & BATTERY_FLAG_CHARGING) != 0;
    }
    return figures;
}

MemoryFigures ReadMemoryFigures()
{
    MEMORYSTATUS status = {};
    status.dwLength = sizeof(status);
    GlobalMemoryStatus(&status);
    MemoryFigures figures = {};
    figures.load = static_cast<int>(status.dwMemoryLoad);
    figures.totalKilobytes = static_cast<uint64_t>(status.dwTotalPhys) / kKilobyte;
    const uint64_t freeBytes = static_cast<uint64_t>(status.dwTotalPhys) * (100 - status.dwMemoryLoad) / 100;
    figures.freeKilobytes = freeBytes / kKilobyte;
    return figures;
}

bool ReadStorageFigures(StorageFigures* figures)
{
    *figures = StorageFigures();
    STORE_INFORMATION store = {};
    if (!GetStoreInformation(&store))
        return false;
    figures->totalKilobytes = store.dwStoreSize / kKilobyte;
    figures->freeKilobytes = store.dwFreeSize / kKilobyte;
    WIN32_FIND_DATAW card = {};
    HANDLE find = FindFirstFlashCard(&card);
    if (find == INVALID_HANDLE_VALUE)
        return true;
    do {
        if (card.cFileName[0])
            AddCard(card.cFileName, figures);
    } while (FindNextFlashCard(find, &card));
    FindClose(find);
    return true;
}

void FormatMegabytes(uint64_t kilobytes, wchar_t* out, size_t chars)
{
    StringCchPrintfW(out, chars, L"%.1fM", static_cast<double>(kilobytes) / 1024.0);
}

int UsedPercent(uint64_t total, uint64_t free)
{
    if (total == 0 || free > total)
        return 0;
    return static_cast<int>((total - free) * 100 / total);
}
