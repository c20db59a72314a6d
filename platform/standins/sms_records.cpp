#include "platform/standins/sms_records.h"

#include <oleauto.h>
#include <strsafe.h>

namespace standins {

namespace {

constexpr wchar_t kSmsDatabaseName[] = L"SMS_RECEIVE";
constexpr CEPROPID kArrivalProp = MAKEPROPID(21030, CEVT_R8);
constexpr DWORD kArrivalSortFlags = CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE;

CEPROPVAL Number(WORD id, WORD type, WORD value)
{
    CEPROPVAL prop = {};
    prop.propid = MAKEPROPID(id, type);
    prop.val.uiVal = value;
    return prop;
}

CEPROPVAL Text(WORD id, const std::wstring& text)
{
    CEPROPVAL prop = {};
    prop.propid = MAKEPROPID(id, CEVT_LPWSTR);
    prop.val.lpwstr = const_cast<LPWSTR>(text.c_str());
    return prop;
}

SORTORDERSPECEX ArrivalOrder()
{
    SORTORDERSPECEX order = {};
    order.wVersion = SORTORDERSPECEX_VERSION;
    order.wNumProps = 1;
    order.rgPropID[0] = kArrivalProp;
    order.rgdwFlags[0] = kArrivalSortFlags;
    return order;
}

HANDLE OpenSorted(CEGUID* store)
{
    SORTORDERSPECEX order = ArrivalOrder();
    CEOID oid = 0;
    return CeOpenDatabaseEx2(store, &oid, const_cast<LPWSTR>(kSmsDatabaseName), &order, 0, nullptr);
}

}  // namespace

std::vector<CEPROPVAL> SmsRecordProps(const SmsMessage& message)
{
    CEPROPVAL arrival = {};
    arrival.propid = kArrivalProp;
    arrival.val.dblVal = message.arrival;
    return {
        Number(21010, CEVT_UI2, message.kind),
        Number(21020, CEVT_I2, static_cast<WORD>(message.extra21020)),
        Text(21030, message.received),
        arrival,
        Text(21040, message.sender),
        Text(21050, message.callback),
        Number(21060, CEVT_UI2, message.extra21060),
        Number(21070, CEVT_I2, static_cast<WORD>(message.extra21070)),
        Text(21080, message.text),
        Number(21090, CEVT_UI2, message.status),
    };
}

HANDLE OpenSmsReceive()
{
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    HANDLE database = OpenSorted(&store);
    if (database != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND)
        return database;
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
    StringCchCopyW(info.szDbaseName, CEDB_MAXDBASENAMELEN, kSmsDatabaseName);
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] = ArrivalOrder();
    if (!CeCreateDatabaseEx2(&store, &info))
        return INVALID_HANDLE_VALUE;
    return OpenSorted(&store);
}

CEOID WriteSmsRecord(HANDLE database, std::vector<CEPROPVAL> props)
{
    return CeWriteRecordProps(database, 0, static_cast<WORD>(props.size()), props.data());
}

CEOID WriteSmsMessage(HANDLE database, const SmsMessage& message)
{
    return WriteSmsRecord(database, SmsRecordProps(message));
}

SmsMessage ArrivingMessage(const std::wstring& sender, const std::wstring& text)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t received[20];
    StringCchPrintfW(received, ARRAYSIZE(received), L"%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth,
                     now.wDay, now.wHour, now.wMinute, now.wSecond);
    SmsMessage message;
    message.received = received;
    // Whole seconds from the conversion, the milliseconds added, so that
    // messages of one second keep their order.
    constexpr double kMillisecondsPerDay = 86400000.0;
    SYSTEMTIME second = now;
    second.wMilliseconds = 0;
    SystemTimeToVariantTime(&second, &message.arrival);
    message.arrival += now.wMilliseconds / kMillisecondsPerDay;
    message.sender = sender;
    message.callback = sender;
    message.text = text;
    return message;
}

}  // namespace standins
