#include "platform/outlook/item_form/item_fields.h"

#include "platform/outlook/client_values.h"

#include <strsafe.h>

#include <cwchar>

namespace pimform {

namespace {

const wchar_t kYes[] = L"예";
const wchar_t kNo[] = L"아니요";

// Releases an interface at the end of its scope.
template <class T>
struct Held {
    T* p = nullptr;
    ~Held() { Release(); }
    void Release()
    {
        if (p)
            p->Release();
        p = nullptr;
    }
};

std::wstring Take(BSTR text)
{
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

// "yyyy-mm-dd" or "yyyy-mm-dd hh:mm"; empty for the model's "no date".
std::wstring DateText(DATE date, bool withTime)
{
    SYSTEMTIME time = {};
    if (date >= kPoomNoDate || !VariantTimeToSystemTime(date, &time))
        return std::wstring();
    wchar_t text[32];
    if (withTime)
        StringCchPrintfW(text, ARRAYSIZE(text), L"%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay,
                         time.wHour, time.wMinute);
    else
        StringCchPrintfW(text, ARRAYSIZE(text), L"%04u-%02u-%02u", time.wYear, time.wMonth, time.wDay);
    return text;
}

template <class Item, class Getter>
std::wstring Text(Item* item, Getter getter)
{
    BSTR text = nullptr;
    return item && SUCCEEDED((item->*getter)(&text)) ? Take(text) : std::wstring();
}

template <class Item, class Getter>
std::wstring Date(Item* item, Getter getter, bool withTime)
{
    DATE date = 0;
    return item && SUCCEEDED((item->*getter)(&date)) ? DateText(date, withTime) : std::wstring();
}

template <class Item, class Getter>
std::wstring YesNo(Item* item, Getter getter)
{
    VARIANT_BOOL value = VARIANT_FALSE;
    if (!item || FAILED((item->*getter)(&value)))
        return std::wstring();
    return value ? kYes : kNo;
}

std::vector<Field> ContactFields(IContact* c)
{
    return {
        {L"이름", Text(c, &IContact::get_FileAs)},
        {L"회사", Text(c, &IContact::get_CompanyName)},
        {L"휴대폰", Text(c, &IContact::get_MobileTelephoneNumber)},
        {L"집 전화", Text(c, &IContact::get_HomeTelephoneNumber)},
        {L"회사 전화", Text(c, &IContact::get_BusinessTelephoneNumber)},
        {L"전자 메일", Text(c, &IContact::get_Email1Address)},
        {L"생일", Date(c, &IContact::get_Birthday, false)},
    };
}

// An occurrence ends its series' length after its own start.
std::wstring OccurrenceEnd(IAppointment* a, const std::wstring& start)
{
    int year, month, day, hour, minute;
    long minutes = 0;
    if (!a || FAILED(a->get_Duration(&minutes)) ||
        swscanf(start.c_str(), L"%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute) != 5)
        return std::wstring();
    return DateText(poomclient::Date(year, month, day, hour, minute) + minutes / 1440.0, true);
}

std::vector<Field> AppointmentFields(IAppointment* a, const std::wstring& occurrenceStart)
{
    bool occurrence = a && !occurrenceStart.empty();
    return {
        {L"제목", Text(a, &IAppointment::get_Subject)},
        {L"장소", Text(a, &IAppointment::get_Location)},
        {L"시작", occurrence ? occurrenceStart : Date(a, &IAppointment::get_Start, true)},
        {L"끝", occurrence ? OccurrenceEnd(a, occurrenceStart) : Date(a, &IAppointment::get_End, true)},
        {L"종일", YesNo(a, &IAppointment::get_AllDayEvent)},
        {L"반복", YesNo(a, &IAppointment::get_IsRecurring)},
    };
}

std::wstring ImportanceText(ITask* t)
{
    long importance = 0;
    if (!t || FAILED(t->get_Importance(&importance)))
        return std::wstring();
    return importance >= 2 ? L"높음" : importance == 1 ? L"보통" : L"낮음";
}

std::vector<Field> TaskFields(ITask* t)
{
    return {
        {L"제목", Text(t, &ITask::get_Subject)},
        {L"시작일", Date(t, &ITask::get_StartDate, false)},
        {L"기한", Date(t, &ITask::get_DueDate, false)},
        {L"완료", YesNo(t, &ITask::get_Complete)},
        {L"중요도", ImportanceText(t)},
    };
}

// The fields of the item as the interface of its kind (empty texts when it
// has none: a new item).
template <class Item, class Reader>
std::vector<Field> ReadAs(IDispatch* item, const IID& iid, Reader reader)
{
    Held<Item> typed;
    if (item)
        item->QueryInterface(iid, reinterpret_cast<void**>(&typed.p));
    return reader(typed.p);
}

// Whether the store that would hold the item is there: the form reads, it
// never makes a store (a form still open must not bring back a volume that
// its device has since removed). The older devices keep their items in the
// object store, which is always there.
bool StoreExists()
{
    constexpr int kOlderMajorVersion = 3;
    return CeProfileInt(L"Device", L"CeMajorVersion", 5) <= kOlderMajorVersion ||
           GetFileAttributesW(L"\\pim.vol") != INVALID_FILE_ATTRIBUTES;
}

// The item of the request through the object model; null for a new item or
// one that is not there.
IDispatch* FindItem(IPOutlookApp* app, long oid)
{
    IDispatch* item = nullptr;
    if (oid == 0 || FAILED(app->GetItemFromOid(oid, &item)))
        return nullptr;
    return item;
}

}  // namespace

const wchar_t* KindCaption(Kind kind)
{
    switch (kind) {
    case Kind::kContact: return L"연락처";
    case Kind::kAppointment: return L"일정";
    case Kind::kTask: return L"작업";
    case Kind::kUnknown: break;
    }
    return L"항목";
}

std::vector<Field> ReadItemFields(const FormRequest& request)
{
    Held<IPOutlookApp> app;
    Held<IDispatch> item;
    if (request.oid != 0 && StoreExists()) {
        HRESULT result = CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                          reinterpret_cast<void**>(&app.p));
        if (SUCCEEDED(result))
            result = app.p->Logon(0);
        if (SUCCEEDED(result))
            item.p = FindItem(app.p, request.oid);
        if (!item.p)
            NKDbgPrintfW(L"PimForm: item %lu could not be read (0x%08lX)", static_cast<unsigned long>(request.oid),
                         static_cast<unsigned long>(result));
    }

    std::vector<Field> fields;
    switch (request.kind) {
    case Kind::kContact: fields = ReadAs<IContact>(item.p, IID_IContact, ContactFields); break;
    case Kind::kAppointment:
        fields = ReadAs<IAppointment>(item.p, IID_IAppointment,
                                      [&](IAppointment* a) { return AppointmentFields(a, request.start); });
        break;
    case Kind::kTask: fields = ReadAs<ITask>(item.p, IID_ITask, TaskFields); break;
    case Kind::kUnknown: break;
    }
    if (app.p)
        app.p->Logoff();
    item.Release();
    app.Release();
    // The form stands open for as long as the user likes: it keeps no store
    // open meanwhile (the platform lets go of every volume and handle).
    CeResetForTests();
    return fields;
}

}  // namespace pimform
