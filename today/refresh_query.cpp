#include "today/refresh_query.h"

#include "today/device_figures.h"

namespace {

bool BatteryChanged()
{
    const PowerFigures power = ReadPowerFigures();
    if (power.percent == LastBatteryPercent)
        return false;
    LastBatteryPercent = power.percent;
    return true;
}

bool MemoryChanged()
{
    wchar_t text[kFigureChars];
    FormatMegabytes(ReadMemoryFigures().freeKilobytes, text, kFigureChars);
    return wcscmp(text, LastMemoryText) != 0;
}

bool StorageChanged(bool* readable)
{
    StorageFigures storage;
    *readable = ReadStorageFigures(&storage);
    if (!*readable)
        return false;
    wchar_t total[kFigureChars], free[kFigureChars];
    FormatMegabytes(storage.totalKilobytes, total, kFigureChars);
    FormatMegabytes(storage.freeKilobytes, free, kFigureChars);
    return wcscmp(total, LastStorageTotalText) != 0 || wcscmp(free, LastStorageFreeText) != 0;
}

}  // namespace

RefreshAnswer DecideRefresh()
{
    if (HeightPending) {
        HeightPending = 0;
        return RefreshAnswer::NewHeight;
    }
    if (Settings.TodayShowStatus == 0)
        return RefreshAnswer::Nothing;
    bool changed = BatteryChanged();
    if (!changed)
        changed = MemoryChanged();
    if (changed)
        return RefreshAnswer::StatusChanged;
    bool readable = false;
    changed = StorageChanged(&readable);
    return readable && changed ? RefreshAnswer::StatusChanged : RefreshAnswer::Nothing;
}
