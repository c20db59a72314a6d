// Benchmark of the month schedule (not a test): writes a month of about 300
// appointments (single, multi-day, and weekly and daily series with moved
// and deleted occurrences) into a fresh device store, then times in one run
//   - the bare query: the month restricted with its occurrences and walked
//     item by item (the baseline),
//   - the month loader with its key empty (query, links, holidays, sort, list),
//   - the month loader with its key kept (sort and list from memory),
// and prints each beside the baseline as a ratio.
//   tools/device make DEV && xvfb-run -a tools/device exec DEV --seconds 600 "$PWD/build/bin/schedule_bench.exe"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/short_date_restrict.h"
#include "core/state.h"
#include "lists/bench/bench_support.h"
#include "lists/schedule_loaders.h"
#include "platform/outlook/client_values.h"

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr int kRuns = 7;
constexpr int kYear = 2007;
constexpr int kMonth = 3;
constexpr wchar_t kRangeStart[] = L"2007-03-01";
constexpr wchar_t kRangeEnd[] = L"2007-03-31";
constexpr wchar_t kMonthQuery[] = L"[Start] <= \"04/06/07 23:59\" AND [End] >= \"03/01/07\"";

bench::Numbers numbers(20070301);
int Next(int bound)
{
    return static_cast<int>(numbers.Below(static_cast<unsigned>(bound)));
}

// A time of the benchmark's month.
DATE At(int day, int hour, int minute = 0)
{
    return poomclient::Date(kYear, kMonth, day, hour, minute);
}

IAppointment* NewAppointment(const wchar_t* subject, DATE start, DATE end)
{
    IAppointment* item = nullptr;
    if (FAILED(OutlookApp->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&item))) || !item)
        return nullptr;
    BSTR text = SysAllocString(subject);
    item->put_Subject(text);
    SysFreeString(text);
    item->put_Start(start);
    item->put_End(end);
    return item;
}

void Save(IAppointment* item)
{
    if (item) {
        item->Save();
        item->Release();
    }
}

IAppointment* Occurrence(IAppointment* series, DATE start)
{
    IRecurrencePattern* pattern = nullptr;
    IAppointment* occurrence = nullptr;
    if (SUCCEEDED(series->GetRecurrencePattern(&pattern)) && pattern) {
        pattern->GetOccurrence(start, &occurrence);
        pattern->Release();
    }
    return occurrence;
}

// A series starting on `day` at 08:00 + n, its second occurrence moved an
// hour on and its third deleted.
void WriteSeries(int n, long type, int day, int gapDays)
{
    wchar_t subject[32];
    _snwprintf(subject, 32, L"반복 %02d", n);
    subject[31] = L'\0';
    IAppointment* series = NewAppointment(subject, At(day, 8 + n), At(day, 9 + n));
    if (!series)
        return;
    IRecurrencePattern* pattern = nullptr;
    series->GetRecurrencePattern(&pattern);
    if (pattern) {
        pattern->put_RecurrenceType(type);
        pattern->put_PatternStartDate(At(day, 0));
        if (type == olRecursWeekly)
            pattern->put_DayOfWeekMask(1L << ((day + 3) % 7));  // 2007-03-01 is a Thursday
        pattern->put_Interval(1);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->Release();
    }
    series->Save();
    if (IAppointment* moved = Occurrence(series, At(day + gapDays, 8 + n))) {
        moved->put_Start(At(day + gapDays, 9 + n));
        moved->put_End(At(day + gapDays, 10 + n));
        moved->Save();
        moved->Release();
    }
    if (IAppointment* deleted = Occurrence(series, At(day + 2 * gapDays, 8 + n))) {
        deleted->Delete();
        deleted->Release();
    }
    series->Release();
}

void WriteMonth()
{
    CEOID contact = 0;
    IContact* person = nullptr;
    if (SUCCEEDED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&person))) && person) {
        BSTR name = SysAllocString(L"홍");
        person->put_LastName(name);
        SysFreeString(name);
        person->Save();
        long oid = 0;
        person->get_Oid(&oid);
        contact = static_cast<CEOID>(oid);
        person->Release();
    }
    for (int i = 0; i < 200; ++i) {
        wchar_t subject[32];
        _snwprintf(subject, 32, L"약속 %03d", i);
        subject[31] = L'\0';
        int day = 1 + Next(31), hour = 7 + Next(12);
        IAppointment* item = NewAppointment(subject, At(day, hour, Next(4) * 15), At(day, hour + 1));
        if (item && i % 10 == 0) {
            item->Save();
            long oid = 0;
            item->get_Oid(&oid);
            AddPlanLink(contact, static_cast<CEOID>(oid));
        }
        Save(item);
    }
    for (int i = 0; i < 30; ++i) {
        wchar_t subject[32];
        _snwprintf(subject, 32, L"여러날 %02d", i);
        subject[31] = L'\0';
        int day = 1 + Next(29);
        IAppointment* item = NewAppointment(subject, At(day, 20), At(day + 1 + Next(2), 10));
        if (item && i % 3 == 0)
            item->put_AllDayEvent(VARIANT_TRUE);
        Save(item);
    }
    for (int n = 0; n < 8; ++n)
        WriteSeries(n, olRecursWeekly, 1 + n, 7);
    for (int n = 8; n < 10; ++n)
        WriteSeries(n, olRecursDaily, 1, 1);
}

// The baseline: the month's restriction with its occurrences, each item's
// start, end and subject read. Returns the items walked.
int BareQuery()
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    int walked = 0;
    if (SUCCEEDED(OutlookApp->GetDefaultFolder(olFolderCalendar, &folder)) && folder &&
        SUCCEEDED(folder->get_Items(&items)) && items) {
        items->put_IncludeRecurrences(VARIANT_TRUE);
        IPOutlookItemCollection* month = nullptr;
        if (SUCCEEDED(RestrictWithShortDates(items, kMonthQuery, &month)) && month) {
            for (int index = 1;; ++index) {
                IAppointment* item = nullptr;
                if (FAILED(month->Item(index, reinterpret_cast<IDispatch**>(&item))) || !item)
                    break;
                DATE start = 0, end = 0;
                BSTR subject = nullptr;
                item->get_Start(&start);
                item->get_End(&end);
                item->get_Subject(&subject);
                SysFreeString(subject);
                item->Release();
                ++walked;
            }
            month->Release();
        }
        items->Release();
    }
    if (folder)
        folder->Release();
    return walked;
}

}  // namespace

int wmain()
{
    if (!bench::StartStore(L"schedule_bench", true))
        return 1;
    CreatePlanLinkDatabase();
    CreateAnniversaryDatabase();
    if (CreateHolidayDatabase())
        InsertBuiltinHolidays();
    WriteMonth();

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
    double bare = bench::MedianMs([&] { walked = BareQuery(); }, kRuns);
    double empty = bench::MedianMs(
        [&] {
            ScheduleCacheKey[0] = L'\0';
            LoadMonthScheduleInto(list, range);
        },
        kRuns);
    double kept = bench::MedianMs([&] { LoadMonthScheduleInto(list, range); }, kRuns);

    std::wprintf(L"schedule_bench: %d items delivered, %d entries, %d rows (%d in the list); median of %d runs\n",
                 walked, MonthScheduleCount(), ScheduleRowCount,
                 static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)), kRuns);
    std::wprintf(L"  bare restrict and walk (baseline)  %8.1f ms  1.00\n", bare);
    std::wprintf(L"  month load, key empty              %8.1f ms  %.2f\n", empty, empty / bare);
    std::wprintf(L"  month load, key kept               %8.1f ms  %.2f\n", kept, kept / bare);
    DestroyWindow(host);
    bench::StopStore();
    return 0;
}
