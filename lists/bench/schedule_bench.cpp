// Benchmark of the month schedule (not a test): writes a month of about 300
// appointments (single, multi-day, and weekly and daily series with moved
// and deleted occurrences) into a fresh device store, then times in one run
//   - the bare query: the month restricted with its occurrences and walked
//     item by item (the baseline),
//   - the month loader with its key empty (query, links, holidays, sort, list),
//   - the month loader with its key kept (sort and list from memory),
//   - the month loader with its key empty into a list emptied first (every
//     row inserted, as when the list showed another range),
// and prints each beside the baseline as a ratio.
//   tools/device make DEV && xvfb-run -a tools/device exec DEV --seconds 600 "$PWD/build/bin/schedule_bench.exe"
// or three runs and their medians: tools/bench DEV schedule_bench
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/state.h"
#include "lists/bench/bench_support.h"
#include "lists/schedule_loaders.h"

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr int kRuns = 7;
constexpr unsigned kMonthSeed = 20070301;
constexpr wchar_t kRangeStart[] = L"2007-03-01";
constexpr wchar_t kRangeEnd[] = L"2007-03-31";

}  // namespace

int wmain()
{
    if (!bench::StartStore(L"schedule_bench", true))
        return 1;
    CreatePlanLinkDatabase();
    CreateAnniversaryDatabase();
    if (CreateHolidayDatabase())
        InsertBuiltinHolidays();
    bench::Numbers numbers(kMonthSeed);
    bench::WriteMonth(numbers);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW hostClass = {};
    hostClass.lpfnWndProc = DefWindowProcW;
    hostClass.hInstance = GetModuleHandleW(nullptr);
    hostClass.lpszClassName = L"ScheduleBenchHost";
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(0, hostClass.lpszClassName, L"", WS_POPUP, 0, 0, 240, 294, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 3, 34, 234, 105, host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (int column = 0; column < 5; ++column) {
        LVCOLUMNW columnInfo = {};
        columnInfo.mask = LVCF_WIDTH;
        columnInfo.cx = 80;
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&columnInfo));
    }
    if (!list) {
        std::fwprintf(stderr, L"schedule_bench: no list window (the bench needs a display: xvfb-run -a)\n");
        return 1;
    }
    const MonthListRange range = {kRangeStart, kRangeEnd, kRangeStart, 'M', 0};

    int walked = 0;
    double bare = bench::MedianMs([&] { walked = bench::WalkMonth(); }, kRuns);
    double empty = bench::MedianMs(
        [&] {
            ScheduleCacheKey[0] = L'\0';
            LoadMonthScheduleInto(list, range);
        },
        kRuns);
    double kept = bench::MedianMs([&] { LoadMonthScheduleInto(list, range); }, kRuns);
    // A list that shows other rows takes every cell anew.
    double emptied = bench::MedianMs(
        [&] {
            ScheduleCacheKey[0] = L'\0';
            SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
            LoadMonthScheduleInto(list, range);
        },
        kRuns);

    std::wprintf(L"schedule_bench: %d items delivered, %d entries, %d rows (%d in the list); median of %d runs\n",
                 walked, MonthScheduleCount(), ScheduleRowCount,
                 static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)), kRuns);
    std::wprintf(L"  bare restrict and walk (baseline)  %8.1f ms  1.00\n", bare);
    std::wprintf(L"  month load, key empty              %8.1f ms  %.2f\n", empty, empty / bare);
    std::wprintf(L"  month load, key kept               %8.1f ms  %.2f\n", kept, kept / bare);
    std::wprintf(L"  month load, key empty, list emptied %8.1f ms  %.2f\n", emptied, emptied / bare);
    DestroyWindow(host);
    bench::StopStore();
    return 0;
}
