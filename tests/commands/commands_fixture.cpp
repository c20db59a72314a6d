#include "tests/commands/commands_fixture.h"

#include "core/link_tables.h"
#include "core/outlook_probes.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/rich_ink_body.h"

#include <cstdio>

namespace commandstest {

namespace {

using poomtest::Take;

std::wstring DayText(DATE date)
{
    return DateText(date).substr(0, 10);
}

// "yyyy-mm-dd" as "MM/dd/yy", the form of the restrictions.
std::wstring ShortDate(const wchar_t* day)
{
    std::wstring text(day);
    return text.substr(5, 2) + L"/" + text.substr(8, 2) + L"/" + text.substr(2, 2);
}

template <class Item>
void ReadPattern(Item* item, StoredPattern* v)
{
    ComRef<IRecurrencePattern> pattern;
    if (FAILED(item->GetRecurrencePattern(pattern.Out())) || !pattern)
        return;
    pattern->get_RecurrenceType(&v->type);
    pattern->get_Interval(&v->interval);
    pattern->get_DayOfWeekMask(&v->mask);
    pattern->get_DayOfMonth(&v->dayOfMonth);
    pattern->get_MonthOfYear(&v->monthOfYear);
    pattern->get_Instance(&v->instance);
    pattern->get_Occurrences(&v->occurrences);
    VARIANT_BOOL noEnd = VARIANT_FALSE;
    pattern->get_NoEndDate(&noEnd);
    v->noEnd = noEnd != VARIANT_FALSE;
    DATE date = 0;
    pattern->get_PatternStartDate(&date);
    v->patternStart = DayText(date);
    pattern->get_PatternEndDate(&date);
    v->patternEnd = DayText(date);
}

Links LinksOf(const wchar_t* database)
{
    Links links;
    for (const probe::Record& record : probe::ReadRecords(database)) {
        long contact = 0, item = 0;
        for (const probe::Property& p : record) {
            if (p.id == kLinkContact)
                contact = p.number;
            if (p.id == kLinkItem)
                item = p.number;
        }
        links.emplace_back(contact, item);
    }
    return links;
}

}  // namespace

DATE DateOf(const wchar_t* text)
{
    SYSTEMTIME time = {};
    int y = 0, m = 0, d = 0, hh = 0, mm = 0;
    swscanf(text, L"%d-%d-%d %d:%d", &y, &m, &d, &hh, &mm);
    time.wYear = static_cast<WORD>(y);
    time.wMonth = static_cast<WORD>(m);
    time.wDay = static_cast<WORD>(d);
    time.wHour = static_cast<WORD>(hh);
    time.wMinute = static_cast<WORD>(mm);
    DATE date = 0;
    SystemTimeToVariantTime(&time, &date);
    return date;
}

void CommandsTest::SetUp()
{
    poomtest::PoomTest::SetUp();
    OutlookApp = app_.Get();
    OutlookApp->AddRef();
    ASSERT_TRUE(probe::MountVolume(L"\\pim.vol", false));
    CreatePlanLinkDatabase();
    CreateTaskLinkDatabase();
    CreateNoteFileLinkDatabase();
    CreateHolidayDatabase();
    for (OutlookWatchEntry& entry : OutlookWatchState)
        entry = OutlookWatchEntry();
    Settings = DiarySettings();
    Settings.ContactNameParts = 2;
    CurrentView = 4;
    AssigneeOid = 0;
    AssigneeName[0] = L'\0';
}

void CommandsTest::TearDown()
{
    FreeRichInkBody();
    probe::UnmountVolume();
    if (OutlookApp)
        OutlookApp->Release();
    OutlookApp = nullptr;
    poomtest::PoomTest::TearDown();
}

CEOID CommandsTest::MakeContact(const wchar_t* last, const wchar_t* first, const wchar_t* businessPhone,
                                const wchar_t* homePhone)
{
    ComRef<IContact> contact = NewContactItem();
    if (!contact)
        return 0;
    contact->put_LastName(TextArg(last));
    contact->put_FirstName(TextArg(first));
    contact->put_BusinessTelephoneNumber(TextArg(businessPhone));
    contact->put_HomeTelephoneNumber(TextArg(homePhone));
    return SUCCEEDED(contact->Save()) ? OidOf(contact.Get()) : 0;
}

CEOID CommandsTest::MakeAppointment(const wchar_t* subject, const wchar_t* start, const wchar_t* end, bool allDay,
                                    int weeks)
{
    ComRef<IAppointment> item = NewAppointmentItem();
    if (!item)
        return 0;
    item->put_Subject(TextArg(subject));
    item->put_AllDayEvent(allDay ? VARIANT_TRUE : VARIANT_FALSE);
    item->put_Start(DateOf(start));
    item->put_End(DateOf(end));
    if (weeks > 0) {
        ComRef<IRecurrencePattern> pattern;
        item->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_Occurrences(weeks);
    }
    return SUCCEEDED(item->Save()) ? OidOf(item.Get()) : 0;
}

CEOID CommandsTest::MakeTask(const wchar_t* subject, int days)
{
    ComRef<ITask> task = NewTaskItem();
    if (!task)
        return 0;
    task->put_Subject(TextArg(subject));
    task->put_StartDate(DateOf(L"2024-05-06 00:00"));
    task->put_DueDate(DateOf(L"2024-05-06 00:00"));
    if (days > 0) {
        ComRef<IRecurrencePattern> pattern;
        task->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(olRecursDaily);
        pattern->put_Interval(1);
        pattern->put_Occurrences(days);
    }
    return SUCCEEDED(task->Save()) ? OidOf(task.Get()) : 0;
}

StoredAppointment CommandsTest::ReadAppointment(CEOID oid)
{
    StoredAppointment v;
    ComRef<IAppointment> item = AppointmentFromOid(oid);
    if (!item)
        return v;
    v.found = true;
    BSTR text = nullptr;
    item->get_Subject(&text);
    v.subject = Take(text);
    item->get_Location(&text);
    v.location = Take(text);
    item->get_Body(&text);
    v.body = Take(text);
    DATE date = 0;
    item->get_Start(&date);
    v.start = DateText(date);
    item->get_End(&date);
    v.end = DateText(date);
    VARIANT_BOOL flag = VARIANT_FALSE;
    item->get_AllDayEvent(&flag);
    v.allDay = flag != VARIANT_FALSE;
    item->get_ReminderSet(&flag);
    v.reminderSet = flag != VARIANT_FALSE;
    item->get_ReminderMinutesBeforeStart(&v.reminderMinutes);
    ReadPattern(item.Get(), &v);
    return v;
}

StoredTask CommandsTest::ReadTask(CEOID oid)
{
    StoredTask v;
    ComRef<ITask> task = TaskFromOid(oid);
    if (!task)
        return v;
    v.found = true;
    BSTR text = nullptr;
    task->get_Subject(&text);
    v.subject = Take(text);
    task->get_Body(&text);
    v.body = Take(text);
    DATE date = 0;
    task->get_StartDate(&date);
    v.startDate = DayText(date);
    task->get_DueDate(&date);
    v.dueDate = DayText(date);
    task->get_ReminderTime(&date);
    v.reminderTime = DateText(date);
    VARIANT_BOOL flag = VARIANT_FALSE;
    task->get_ReminderSet(&flag);
    v.reminderSet = flag != VARIANT_FALSE;
    task->get_Complete(&flag);
    v.complete = flag != VARIANT_FALSE;
    task->get_Importance(&v.importance);
    ReadPattern(task.Get(), &v);
    return v;
}

StoredContact CommandsTest::ReadContact(CEOID oid)
{
    StoredContact v;
    ComRef<IContact> contact = ContactFromOid(oid);
    if (!contact)
        return v;
    v.found = true;
    struct Field {
        HRESULT (STDMETHODCALLTYPE IContact::*get)(BSTR*);
        std::wstring StoredContact::*text;
    };
    const Field fields[] = {
        {&IContact::get_FirstName, &StoredContact::firstName},
        {&IContact::get_LastName, &StoredContact::lastName},
        {&IContact::get_FileAs, &StoredContact::fileAs},
        {&IContact::get_CompanyName, &StoredContact::company},
        {&IContact::get_Department, &StoredContact::department},
        {&IContact::get_JobTitle, &StoredContact::jobTitle},
        {&IContact::get_Categories, &StoredContact::categories},
        {&IContact::get_BusinessAddressPostalCode, &StoredContact::postalCode},
        {&IContact::get_BusinessAddressState, &StoredContact::state},
        {&IContact::get_BusinessAddressCity, &StoredContact::city},
        {&IContact::get_BusinessAddressStreet, &StoredContact::street},
        {&IContact::get_BusinessTelephoneNumber, &StoredContact::businessPhone},
        {&IContact::get_HomeTelephoneNumber, &StoredContact::homePhone},
        {&IContact::get_BusinessFaxNumber, &StoredContact::fax},
        {&IContact::get_MobileTelephoneNumber, &StoredContact::mobile},
        {&IContact::get_Email1Address, &StoredContact::email},
    };
    for (const Field& field : fields) {
        BSTR text = nullptr;
        (contact.Get()->*field.get)(&text);
        v.*field.text = Take(text);
    }
    return v;
}

std::vector<std::wstring> CommandsTest::OccurrenceStarts(const wchar_t* firstDay, const wchar_t* lastDay)
{
    std::vector<std::wstring> starts;
    ComRef<IFolder> folder;
    ComRef<IPOutlookItemCollection> items, restricted;
    if (FAILED(OutlookApp->GetDefaultFolder(olFolderCalendar, folder.Out())) ||
        FAILED(folder->get_Items(items.Out())))
        return starts;
    items->put_IncludeRecurrences(VARIANT_TRUE);
    wchar_t saved[32] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved, 32);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"MM/dd/yy");
    std::wstring query = L"[Start] <= \"" + ShortDate(lastDay) + L" 23:59\" AND [End] >= \"" + ShortDate(firstDay) + L"\"";
    HRESULT result = items->Restrict(TextArg(query.c_str()), restricted.Out());
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved);
    if (FAILED(result))
        return starts;
    int count = 0;
    restricted->get_Count(&count);
    for (int i = 1; i <= count; ++i) {
        ComRef<IDispatch> item;
        ComRef<IAppointment> appointment;
        if (FAILED(restricted->Item(i, item.Out())) ||
            FAILED(item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(appointment.Out()))))
            continue;
        DATE start = 0;
        appointment->get_Start(&start);
        starts.push_back(DateText(start));
    }
    return starts;
}

Links CommandsTest::PlanLinks()
{
    return LinksOf(kPlanLinkDatabase);
}

Links CommandsTest::TaskLinks()
{
    return LinksOf(kTaskLinkDatabase);
}

int CommandsTest::WatchedCount(const wchar_t* database)
{
    return ReadSystemRecordCount(database);
}

bool CommandsTest::WatchInStep(OutlookWatchIndex which, const wchar_t* database)
{
    return OutlookWatchState[which].lastSeenCount == ReadSystemRecordCount(database);
}

}  // namespace commandstest
