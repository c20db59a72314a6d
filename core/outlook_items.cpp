#include "core/outlook_items.h"

#include <cstdio>
#include <strsafe.h>

namespace {

template <class T>
ComRef<T> As(const ComRef<IDispatch>& item, REFIID iid)
{
    ComRef<T> result;
    if (item && FAILED(item->QueryInterface(iid, reinterpret_cast<void**>(result.Out()))))
        result.Reset();
    return result;
}

template <class T>
ComRef<T> ItemFromOid(CEOID oid, REFIID iid)
{
    ComRef<IDispatch> item;
    if (!OutlookApp || oid == 0 || FAILED(OutlookApp->GetItemFromOid(static_cast<long>(oid), item.Out())))
        item.Reset();
    return As<T>(item, iid);
}

template <class T>
ComRef<T> CreatedItem(int kind, REFIID iid)
{
    ComRef<IDispatch> item;
    if (!OutlookApp || FAILED(OutlookApp->CreateItem(kind, item.Out())))
        item.Reset();
    return As<T>(item, iid);
}

void Empty(LPWSTR text, size_t chars)
{
    if (text && chars > 0)
        text[0] = L'\0';
}

}  // namespace

ComRef<IContact> ContactFromOid(CEOID oid)
{
    return ItemFromOid<IContact>(oid, IID_IContact);
}

ComRef<IAppointment> AppointmentFromOid(CEOID oid)
{
    return ItemFromOid<IAppointment>(oid, IID_IAppointment);
}

ComRef<ITask> TaskFromOid(CEOID oid)
{
    return ItemFromOid<ITask>(oid, IID_ITask);
}

ComRef<IAppointment> NewAppointmentItem()
{
    return CreatedItem<IAppointment>(olAppointmentItem, IID_IAppointment);
}

ComRef<ITask> NewTaskItem()
{
    return CreatedItem<ITask>(olTaskItem, IID_ITask);
}

ComRef<IContact> NewContactItem()
{
    ComRef<IFolder> folder;
    ComRef<IPOutlookItemCollection> items;
    ComRef<IDispatch> item;
    if (!OutlookApp || FAILED(OutlookApp->GetDefaultFolder(olFolderContacts, folder.Out())) || !folder ||
        FAILED(folder->get_Items(items.Out())) || !items || FAILED(items->Add(item.Out())))
        item.Reset();
    return As<IContact>(item, IID_IContact);
}

bool ReadDateAndTime(LPCWSTR date, LPCWSTR time, SYSTEMTIME* result)
{
    *result = SYSTEMTIME{};
    int year = 0, month = 0, day = 0;
    if (!date || swscanf(date, L"%4d-%2d-%2d", &year, &month, &day) != 3)
        return false;
    int hour = 0, minute = 0;
    if (time && swscanf(time, L"%2d:%2d", &hour, &minute) != 2)
        hour = minute = 0;
    result->wYear = static_cast<WORD>(year);
    result->wMonth = static_cast<WORD>(month);
    result->wDay = static_cast<WORD>(day);
    result->wHour = static_cast<WORD>(hour);
    result->wMinute = static_cast<WORD>(minute);
    return true;
}

bool VariantDateOf(LPCWSTR date, LPCWSTR time, DATE* result)
{
    *result = 0;
    SYSTEMTIME parts;
    if (!OutlookApp || !ReadDateAndTime(date, time, &parts))
        return false;
    return SUCCEEDED(OutlookApp->SystemTimeToVariantTime(&parts, result));
}

bool FormatVariantDate(DATE date, LPWSTR dateOut, size_t dateChars, LPWSTR timeOut, size_t timeChars)
{
    Empty(dateOut, dateChars);
    Empty(timeOut, timeChars);
    SYSTEMTIME parts = {};
    if (!OutlookApp || FAILED(OutlookApp->VariantTimeToSystemTime(date, &parts)))
        return false;
    if (dateOut)
        StringCchPrintfW(dateOut, dateChars, L"%04d-%02d-%02d", parts.wYear, parts.wMonth, parts.wDay);
    if (timeOut)
        StringCchPrintfW(timeOut, timeChars, L"%02d:%02d", parts.wHour, parts.wMinute);
    return true;
}

void FormatToday(LPWSTR dateOut, size_t dateChars)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    StringCchPrintfW(dateOut, dateChars, L"%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
}
