// A second device process for the clock tests: logs the device's local time
// and zone once, or every 100 ms for the given seconds:
//   ClockProbe: yyyy-mm-dd hh:mm:ss bias <minutes>
#include "platform/ce.h"

#include <cwchar>

namespace {

void LogNow()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    TIME_ZONE_INFORMATION zone = {};
    GetTimeZoneInformation(&zone);
    NKDbgPrintfW(L"ClockProbe: %04u-%02u-%02u %02u:%02u:%02u bias %ld", now.wYear, now.wMonth, now.wDay, now.wHour,
                 now.wMinute, now.wSecond, zone.Bias);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    int seconds = argc > 1 ? _wtoi(argv[1]) : 0;
    LogNow();
    for (ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000; GetTickCount64() < end;) {
        Sleep(100);
        LogNow();
    }
    return 0;
}
