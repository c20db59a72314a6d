#include "lists/schedule_cache.h"

#include "core/contact_names.h"
#include "core/date_text.h"
#include "core/dates.h"
#include "core/db_access.h"
#include "core/record_layouts.h"
#include "core/short_date_restrict.h"
#include "core/state.h"
#include "mainwindow/state.h"

#include <strsafe.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <unordered_map>

ScheduleTable MonthScheduleCache;
ScheduleTable ContactScheduleCache;
wchar_t ScheduleCacheKey[kScheduleDateChars] = L"";
CEOID AppointmentToReselect = 0;

namespace {

// The device that hands a multi-day appointment out once per day itself.
constexpr DWORD kPerDayDeliveryVersion = 4;
constexpr int kQueryEndDay = 6;
constexpr wchar_t kHolidayStartTime[] = L"     ";
constexpr int kQueryChars = 96;

// The days one query covers, as day numbers, both ends included.
struct QueryWindow {
    int64_t firstDay;
    int64_t lastDay;
};

// One appointment (or occurrence) as the restricted collection delivers it.
struct Delivery {
    CEOID oid = 0;
    DATE start = 0;
    DATE end = 0;
    bool allDay = false;
    BSTR subject = nullptr;
    BSTR location = nullptr;
    ~Delivery()
    {
        SysFreeString(subject);
        SysFreeString(location);
    }
};

SYSTEMTIME TimeOf(DATE date)
{
    SYSTEMTIME time = {};
    VariantTimeToSystemTime(date, &time);
    return time;
}

int64_t DayOf(const SYSTEMTIME& time)
{
    return DayNumber(time.wYear, time.wMonth, time.wDay);
}

bool IsMidnight(const SYSTEMTIME& time)
{
    return time.wHour == 0 && time.wMinute == 0 && time.wSecond == 0;
}

void WriteDate(wchar_t (&out)[kScheduleDateChars], const SYSTEMTIME& time)
{
    WriteDateText(out, kScheduleDateChars, DateParts{time.wYear, time.wMonth, time.wDay});
}

void WriteTime(wchar_t (&out)[kScheduleTimeChars], const SYSTEMTIME& time)
{
    StringCchPrintfW(out, kScheduleTimeChars, L"%02d:%02d", time.wHour, time.wMinute);
}

template <size_t N>
void CopyText(wchar_t (&out)[N], const wchar_t* text)
{
    StringCchCopyW(out, N, text ? text : L"");
}

// The calendar's items of the window with their occurrences; null when
// Pocket Outlook fails.
IPOutlookItemCollection* QueryCalendar(const QueryWindow& window)
{
    if (!OutlookApp)
        return nullptr;
    IFolder* folder = nullptr;
    if (FAILED(OutlookApp->GetDefaultFolder(olFolderCalendar, &folder)) || !folder)
        return nullptr;
    IPOutlookItemCollection* items = nullptr;
    IPOutlookItemCollection* restricted = nullptr;
    if (SUCCEEDED(folder->get_Items(&items)) && items) {
        items->put_IncludeRecurrences(VARIANT_TRUE);
        DateParts first, last;
        DateOfDayNumber(window.firstDay, &first.year, &first.month, &first.day);
        DateOfDayNumber(window.lastDay, &last.year, &last.month, &last.day);
        wchar_t firstText[12], lastText[12], query[kQueryChars];
        FormatRestrictDate(firstText, 12, first.year, first.month, first.day);
        FormatRestrictDate(lastText, 12, last.year, last.month, last.day);
        StringCchPrintfW(query, kQueryChars, L"[Start] <= \"%s 23:59\" AND [End] >= \"%s\"", lastText, firstText);
        if (FAILED(RestrictWithShortDates(items, query, &restricted)))
            restricted = nullptr;
        items->Release();
    }
    folder->Release();
    return restricted;
}

// Item `index` (from 1); false when there is none or it cannot be read.
bool ReadDelivery(IPOutlookItemCollection* items, int index, Delivery* out)
{
    IDispatch* item = nullptr;
    if (FAILED(items->Item(index, &item)) || !item)
        return false;
    IAppointment* appointment = nullptr;
    HRESULT result = item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment));
    item->Release();
    if (FAILED(result) || !appointment)
        return false;
    long oid = 0;
    VARIANT_BOOL allDay = VARIANT_FALSE;
    bool read = SUCCEEDED(appointment->get_Oid(&oid)) && SUCCEEDED(appointment->get_Start(&out->start)) &&
                SUCCEEDED(appointment->get_End(&out->end)) && SUCCEEDED(appointment->get_AllDayEvent(&allDay)) &&
                SUCCEEDED(appointment->get_Subject(&out->subject)) &&
                SUCCEEDED(appointment->get_Location(&out->location));
    appointment->Release();
    out->oid = static_cast<CEOID>(oid);
    out->allDay = allDay != VARIANT_FALSE;
    return read;
}

// What the link tables say of one appointment.
struct LinkFacts {
    bool linkedToContact = false;
    wchar_t contact[kScheduleContactChars] = L"";
    int32_t anniversaryId = 0;
};

// The link tables read once per load: the contact of each linked item and
// the anniversary each mirror appointment stands for (the first record of
// an item in the table's order, as a lookup by item finds it), and the
// names of the contacts met.
class LinkSnapshot {
public:
    LinkSnapshot()
    {
        ReadFirstPerKey(kPlanLinkDatabase, kLinkItem, kLinkContact, &contacts_);
        ReadFirstPerKey(kAnniversaryDatabase, kAnniversaryAppointment, kAnniversaryId, &anniversaries_);
    }

    // Facts of an appointment, looked up once per load (occurrences and
    // per-day deliveries share the id).
    const LinkFacts& Of(CEOID oid, CEOID contactFilter)
    {
        auto found = facts_.find(oid);
        if (found != facts_.end())
            return found->second;
        LinkFacts& facts = facts_[oid];
        CEOID contact = Find(contacts_, oid);
        if (contactFilter) {
            facts.linkedToContact = contact != 0 && contact == contactFilter;
            return facts;
        }
        if (contact)
            CopyText(facts.contact, NameOf(contact));
        facts.anniversaryId = static_cast<int32_t>(Find(anniversaries_, oid));
        return facts;
    }

private:
    using KeyMap = std::unordered_map<CEOID, CEOID>;

    static void ReadFirstPerKey(LPCWSTR database, CEPROPID key, CEPROPID value, KeyMap* out)
    {
        WithOwnDatabase(database, key, [&](HANDLE db) {
            if (!CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr))
                return;
            do {
                OwnRecord record;
                if (!record.ReadCurrent(db))
                    return;
                out->emplace(static_cast<CEOID>(record.I4(key)), static_cast<CEOID>(record.I4(value)));
            } while (CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr));
        });
    }

    static CEOID Find(const KeyMap& map, CEOID key)
    {
        auto found = map.find(key);
        return found == map.end() ? 0 : found->second;
    }

    const wchar_t* NameOf(CEOID contact)
    {
        auto found = names_.find(contact);
        if (found == names_.end()) {
            wchar_t name[kScheduleContactChars] = L"";
            ReadContactDisplayName(contact, name, kScheduleContactChars);
            found = names_.emplace(contact, name).first;
        }
        return found->second.c_str();
    }

    KeyMap contacts_;
    KeyMap anniversaries_;
    std::unordered_map<CEOID, std::wstring> names_;
    std::unordered_map<CEOID, LinkFacts> facts_;
};

// Turns deliveries into entries: one per day of the window that an
// appointment touches. The first day of an appointment inside the window
// carries its start time; later days, and a first day clamped to the window,
// carry none. Devices that deliver a multi-day appointment once get the later
// days added here; a device that delivers it once per day gives them itself,
// in a row.
class ScheduleWalk {
public:
    ScheduleWalk(ScheduleTable* table, QueryWindow window, CEOID contactFilter)
        : table_(table), window_(window), contactFilter_(contactFilter),
          expandDays_(OsMajorVersion != kPerDayDeliveryVersion)
    {
    }

    // False once the table is full.
    bool Take(const Delivery& item)
    {
        const LinkFacts& facts = links_.Of(item.oid, contactFilter_);
        if (contactFilter_ && !facts.linkedToContact)
            return true;
        SYSTEMTIME start = TimeOf(item.start);
        SYSTEMTIME end = TimeOf(item.end);
        SYSTEMTIME ownEnd = item.allDay ? TimeOf(item.end - 1.0) : end;
        int64_t startDay = DayOf(start);
        // A timed appointment ending at midnight does not reach into that day.
        bool endsAtMidnight = IsMidnight(end) && item.end > item.start;
        int64_t lastDay = item.allDay ? DayOf(ownEnd) : DayOf(end) - (endsAtMidnight ? 1 : 0);
        lastDay = std::min(std::max(lastDay, startDay), window_.lastDay);

        bool again = havePrevious_ && item.oid == previous_.oid && item.start == previous_.start &&
                     item.end == previous_.end;
        int64_t day = again ? previousDay_ + 1 : std::max(startDay, window_.firstDay);
        previous_.oid = item.oid;
        previous_.start = item.start;
        previous_.end = item.end;
        havePrevious_ = true;
        previousDay_ = day;
        if (day > lastDay)
            return true;

        ScheduleEntry entry = {};
        entry.objectId = static_cast<int32_t>(item.oid);
        WriteDayNumberText(entry.dayDate, kScheduleDateChars, day);
        WriteDate(entry.ownStartDate, start);
        WriteDate(entry.ownEndDate, ownEnd);
        WriteDate(entry.endDate, ownEnd);
        if (!item.allDay) {
            WriteTime(entry.ownStartTime, start);
            WriteTime(entry.ownEndTime, end);
            if (!again) {
                WriteTime(entry.endTime, end);
                if (day == startDay)
                    WriteTime(entry.startTime, start);
            }
        }
        CopyText(entry.subject, item.subject);
        CopyText(entry.location, item.location);
        CopyText(entry.contact, facts.contact);
        entry.linkedId = facts.anniversaryId;
        if (!Append(entry))
            return false;
        if (again || !expandDays_)
            return true;
        entry.startTime[0] = L'\0';
        entry.endTime[0] = L'\0';
        entry.continuation = 1;
        for (int64_t later = day + 1; later <= lastDay; ++later) {
            WriteDayNumberText(entry.dayDate, kScheduleDateChars, later);
            if (!Append(entry))
                return false;
        }
        return true;
    }

    bool Append(const ScheduleEntry& entry)
    {
        if (table_->entries.size() >= kScheduleEntryLimit) {
            table_->full = true;
            return false;
        }
        table_->entries.push_back(entry);
        return true;
    }

private:
    ScheduleTable* table_;
    QueryWindow window_;
    CEOID contactFilter_;
    bool expandDays_;
    Delivery previous_;
    bool havePrevious_ = false;
    int64_t previousDay_ = 0;
    LinkSnapshot links_;
};

// Reads the window's appointments into the table; a failing Pocket Outlook
// call ends the walk with the entries read so far.
void WalkCalendar(ScheduleWalk* walk, const QueryWindow& window)
{
    IPOutlookItemCollection* items = QueryCalendar(window);
    if (!items)
        return;
    for (int index = 1;; ++index) {
        Delivery item;
        if (!ReadDelivery(items, index, &item) || !walk->Take(item))
            break;
    }
    items->Release();
}

// Adds the holidays of the window, in date order; nameless ones too (they
// colour the grid but give no list row).
void AddHolidays(ScheduleWalk* walk, const QueryWindow& window)
{
    wchar_t firstText[kScheduleDateChars], lastText[kScheduleDateChars];
    WriteDayNumberText(firstText, kScheduleDateChars, window.firstDay);
    WriteDayNumberText(lastText, kScheduleDateChars, window.lastDay);
    WithOwnDatabase(kHolidayDatabase, kHolidayDate, [&](HANDLE database) {
        CEPROPVAL from = TextValue(kHolidayDate, firstText);
        CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
        if (!CeSeekDatabaseEx(database, CEDB_SEEK_VALUEGREATEROREQUAL, reinterpret_cast<DWORD_PTR>(&from), 1, nullptr))
            return;
        for (;;) {
            OwnRecord record;
            if (!record.ReadCurrent(database) || wcscmp(record.Text(kHolidayDate), lastText) > 0)
                return;
            ScheduleEntry entry = {};
            CopyText(entry.dayDate, record.Text(kHolidayDate));
            CopyText(entry.startTime, kHolidayStartTime);
            CopyText(entry.subject, record.Text(kHolidayName));
            entry.linkedId = record.I4(kHolidayId);
            if (!walk->Append(entry) || !CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                return;
        }
    });
}

void StartTable(ScheduleTable* table)
{
    table->entries.clear();
    table->entries.reserve(kScheduleEntryRoom);
    table->order.clear();
    table->rowMap.clear();
    table->full = false;
}

void FinishTable(ScheduleTable* table)
{
    table->order.resize(table->entries.size());
    for (size_t i = 0; i < table->order.size(); ++i)
        table->order[i] = static_cast<uint16_t>(i);
    if (table->full)
        OutputDebugStringW(L"Quillon: schedule table full; later appointments left out\n");
}

class WaitCursor {
public:
    WaitCursor() { SetCursor(LoadCursor(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
};

}  // namespace

void QueryMonthSchedule(int year, int month)
{
    WaitCursor wait;
    int nextYear = month == 12 ? year + 1 : year;
    int nextMonth = month == 12 ? 1 : month + 1;
    QueryWindow window = {DayNumber(year, month, 1), DayNumber(nextYear, nextMonth, kQueryEndDay)};
    StartTable(&MonthScheduleCache);
    ScheduleWalk walk(&MonthScheduleCache, window, 0);
    WalkCalendar(&walk, window);
    AddHolidays(&walk, window);
    FinishTable(&MonthScheduleCache);
    WriteDateText(ScheduleCacheKey, kScheduleDateChars, DateParts{year, month, 1});
}

bool EnsureMonthSchedule(const wchar_t* rangeStart)
{
    DateParts date;
    if (!ReadDateText(rangeStart, &date))
        return false;
    wchar_t key[kScheduleDateChars];
    WriteDateText(key, kScheduleDateChars, DateParts{date.year, date.month, 1});
    if (wcscmp(key, ScheduleCacheKey) == 0)
        return false;
    QueryMonthSchedule(date.year, date.month);
    return true;
}

void QueryContactSchedule(CEOID contactOid, const wchar_t* fromDay)
{
    WaitCursor wait;
    StartTable(&ContactScheduleCache);
    DateParts date;
    if (contactOid && ReadDateText(fromDay, &date)) {
        QueryWindow window = {DayNumber(date.year, date.month, date.day),
                              DayNumber(date.year, date.month, DaysInMonth(date.year, date.month))};
        ScheduleWalk walk(&ContactScheduleCache, window, contactOid);
        WalkCalendar(&walk, window);
    }
    FinishTable(&ContactScheduleCache);
}

void ResetScheduleTables()
{
    StartTable(&MonthScheduleCache);
    StartTable(&ContactScheduleCache);
    ScheduleCacheKey[0] = L'\0';
    AppointmentToReselect = 0;
}
