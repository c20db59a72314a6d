// Benchmark, not a test: a week of 300 appointments (recurring, multi-day,
// linked to contacts) and 200 tasks. It times the schedule view's rebuild
// with one paint against the same two queries read bare through the object
// model, in one run, and prints both. On a device of its own:
//   tools/device make build/bench-dev
//   tools/device exec build/bench-dev --seconds 300 build/bin/today_bench.exe
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "platform/outlook/client_values.h"
#include "tests/today/new_items.h"
#include "today/day_text.h"
#include "today/layout.h"
#include "today/outlook_items.h"
#include "today/outlook_session.h"
#include "today/painters.h"
#include "today/schedule_queries.h"
#include "today/schedule_view.h"

#include <chrono>
#include <climits>
#include <cstdio>

namespace {

using poomclient::Date;
using todaytest::NewItem;
using todaytest::SaveAndRelease;
using poomclient::Text;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 20;

CEOID AddContact(int i)
{
    IContact* contact = NewItem<IContact>(olContactItem, IID_IContact);
    wchar_t first[16];
    _snwprintf(first, 16, L"길동%d", i);
    Text last(L"홍"), firstText(first);
    contact->put_LastName(last);
    contact->put_FirstName(firstText);
    return SaveAndRelease(contact);
}

CEOID AddAppointment(int i, CEOID contact)
{
    IAppointment* appointment = NewItem<IAppointment>(olAppointmentItem, IID_IAppointment);
    wchar_t subject[32];
    _snwprintf(subject, 32, L"일정 %d", i);
    Text text(subject);
    appointment->put_Subject(text);
    const int day = 6 + i % 7, hour = 8 + i % 10;
    appointment->put_Start(Date(2024, 5, day, hour, i % 60));
    if (i % 10 == 0) {
        appointment->put_End(Date(2024, 5, day + 2, hour, 0));  // multi-day
    } else {
        appointment->put_Duration(30);
    }
    if (i % 15 == 0) {
        IRecurrencePattern* pattern = nullptr;
        if (SUCCEEDED(appointment->GetRecurrencePattern(&pattern)) && pattern) {
            pattern->put_RecurrenceType(olRecursDaily);
            pattern->put_Occurrences(10);
            pattern->Release();
        }
    }
    CEOID oid = SaveAndRelease(appointment);
    if (i % 3 == 0)
        AddPlanLink(contact, oid);
    return oid;
}

void AddTask(int i)
{
    ITask* task = NewItem<ITask>(olTaskItem, IID_ITask);
    wchar_t subject[32];
    _snwprintf(subject, 32, L"작업 %d", i);
    Text text(subject);
    task->put_Subject(text);
    task->put_StartDate(Date(2024, 5, 1));
    task->put_DueDate(Date(2024, 5, 7 + i % 7));
    SaveAndRelease(task);
}

// The two queries of the view, each item's fields read, nothing kept.
int BareQueries(DATE first, DATE last)
{
    wchar_t query[160];
    AppointmentQuery(first, last, query, 160);
    int seen = 0;
    IPOutlookItemCollection* appointments = RestrictedItems(olFolderCalendar, query, true);
    ForEachItem(appointments, IID_IAppointment, INT_MAX, [&](void* item) {
        IAppointment* appointment = static_cast<IAppointment*>(item);
        DATE start, end;
        BSTR subject = nullptr;
        appointment->get_Start(&start);
        appointment->get_End(&end);
        appointment->get_Subject(&subject);
        SysFreeString(subject);
        ++seen;
        return true;
    });
    if (appointments)
        appointments->Release();
    wchar_t later[24], earlier[24], taskQuery[160];
    RestrictionDate(last, true, later, 24);
    RestrictionDate(first, false, earlier, 24);
    _snwprintf(taskQuery, 160, L"[DueDate] <= \"%ls\" AND [DueDate] >= \"%ls\"", later, earlier);
    IPOutlookItemCollection* tasks = RestrictedItems(olFolderTasks, taskQuery, false);
    ForEachItem(tasks, IID_ITask, INT_MAX, [&](void* item) {
        DATE due;
        BSTR subject = nullptr;
        static_cast<ITask*>(item)->get_DueDate(&due);
        static_cast<ITask*>(item)->get_Subject(&subject);
        SysFreeString(subject);
        ++seen;
        return true;
    });
    if (tasks)
        tasks->Release();
    return seen;
}

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / kRuns;
}

}  // namespace

int wmain()
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr, nullptr, nullptr);
    ItemWindow = window;
    DeleteFileW(L"\\pim.vol");
    OpenPocketOutlook(window);
    if (!OutlookApp) {
        fwprintf(stderr, L"no Pocket Outlook\n");
        return 1;
    }
    CreatePlanLinkDatabase();
    CreateTaskLinkDatabase();
    CreateAnniversaryDatabase();
    CreateHolidayDatabase();
    CEOID contacts[20];
    for (int i = 0; i < 20; ++i)
        contacts[i] = AddContact(i);
    for (int i = 0; i < 300; ++i)
        AddAppointment(i, contacts[i % 20]);
    for (int i = 0; i < 200; ++i)
        AddTask(i);

    Settings.TodaySpan = 4;  // 7 days
    Settings.TodayOnlyBusyDays = 1;
    Settings.TodayShowPastItems = 1;
    RowsShown = 7;
    TodayDay = SpanStart = Date(2024, 5, 7);
    FormatDateText(TodayDay, TodayDateText);
    BuildHotZones();
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 240, ItemHeight);
    HGDIOBJ old = SelectObject(canvas, bitmap);

    Clock::time_point start = Clock::now();
    for (int i = 0; i < kRuns; ++i) {
        ShowScheduleMode();
        PaintItem(canvas);
    }
    const double item = MillisecondsSince(start);
    const int rows = ScheduleRowCount;

    int seen = 0;
    start = Clock::now();
    for (int i = 0; i < kRuns; ++i)
        seen = BareQueries(ScheduleWindowStart, ScheduleWindowEnd);
    const double bare = MillisecondsSince(start);

    wprintf(L"schedule view and one paint: %.1f ms (%d rows)\n", item, rows);
    wprintf(L"the two queries read bare:   %.1f ms (%d items)\n", bare, seen);
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
    FreeRowStrings();
    ClosePocketOutlook();
    DestroyWindow(window);
    return 0;
}
