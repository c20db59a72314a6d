#include "tests/outlook/model_fixtures.h"

#include <cwchar>

namespace fixtures {

using namespace poom;

ItemData Appointment(CEOID oid, const std::wstring& subject, DATE start, DATE end, bool allDay)
{
    ItemData item = NewItemData(ItemKind::Appointment);
    item.SetOid(oid);
    item.SetText(kPropSubject, subject);
    item.SetDate(kPropStart, start);
    item.SetDate(kPropEnd, end);
    item.SetFlag(kPropAllDayEvent, allDay);
    return item;
}

ItemData Task(CEOID oid, const std::wstring& subject, DATE due, bool complete)
{
    ItemData item = NewItemData(ItemKind::Task);
    item.SetOid(oid);
    item.SetText(kPropSubject, subject);
    item.SetDate(kPropDueDate, due);
    item.SetFlag(kPropComplete, complete);
    return item;
}

ItemData Contact(CEOID oid, const std::wstring& last, const std::wstring& first, const std::wstring& company)
{
    ItemData item(ItemKind::Contact);
    item.SetOid(oid);
    item.SetText(kPropLastName, last);
    item.SetText(kPropFirstName, first);
    item.SetText(kPropFileAs, last + first);
    item.SetText(kPropCompanyName, company);
    return item;
}

std::shared_ptr<const ItemData> Shared(ItemData item)
{
    return std::make_shared<const ItemData>(std::move(item));
}

std::wstring Text(DATE date)
{
    SYSTEMTIME time;
    if (!DateToSystemTime(date, &time))
        return L"(bad date)";
    wchar_t text[32];
    _snwprintf(text, 32, L"%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute);
    text[31] = L'\0';
    return text;
}

}  // namespace fixtures
