#include "backup/item_fields.h"

#include "core/state.h"

namespace {

template <class I>
constexpr ItemField<I> Text(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(BSTR*),
                            HRESULT (STDMETHODCALLTYPE I::*put)(BSTR))
{
    ItemField<I> field{};
    field.id = id;
    field.encoding = FieldEncoding::Text;
    field.getText = get;
    field.putText = put;
    return field;
}

template <class I>
constexpr ItemField<I> Dated(WORD id, FieldEncoding encoding, HRESULT (STDMETHODCALLTYPE I::*get)(DATE*),
                             HRESULT (STDMETHODCALLTYPE I::*put)(DATE))
{
    ItemField<I> field{};
    field.id = id;
    field.encoding = encoding;
    field.getDate = get;
    field.putDate = put;
    return field;
}

template <class I>
constexpr ItemField<I> Date(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(DATE*), HRESULT (STDMETHODCALLTYPE I::*put)(DATE))
{
    return Dated(id, FieldEncoding::Date, get, put);
}

template <class I>
constexpr ItemField<I> DateTime(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(DATE*),
                                HRESULT (STDMETHODCALLTYPE I::*put)(DATE))
{
    return Dated(id, FieldEncoding::DateTime, get, put);
}

template <class I>
constexpr ItemField<I> Number(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(long*),
                              HRESULT (STDMETHODCALLTYPE I::*put)(long))
{
    ItemField<I> field{};
    field.id = id;
    field.encoding = FieldEncoding::Number;
    field.getNumber = get;
    field.putNumber = put;
    return field;
}

template <class I>
constexpr ItemField<I> Flag(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(VARIANT_BOOL*),
                            HRESULT (STDMETHODCALLTYPE I::*put)(VARIANT_BOOL))
{
    ItemField<I> field{};
    field.id = id;
    field.encoding = FieldEncoding::Flag;
    field.getFlag = get;
    field.putFlag = put;
    return field;
}

template <class I>
constexpr ItemField<I> Ink(WORD id, HRESULT (STDMETHODCALLTYPE I::*get)(BYTE**, int*),
                           HRESULT (STDMETHODCALLTYPE I::*put)(BYTE*, int))
{
    ItemField<I> field{};
    field.id = id;
    field.encoding = FieldEncoding::Ink;
    field.getInk = get;
    field.putInk = put;
    return field;
}

using C = IContact;
const ItemField<IContact> kContactFields[] = {
    Date<C>(1, &C::get_Anniversary, &C::put_Anniversary),
    Date<C>(2, &C::get_Birthday, &C::put_Birthday),
    Text<C>(3, &C::get_BusinessFaxNumber, &C::put_BusinessFaxNumber),
    Text<C>(4, &C::get_CompanyName, &C::put_CompanyName),
    Text<C>(5, &C::get_Department, &C::put_Department),
    Text<C>(6, &C::get_Email1Address, &C::put_Email1Address),
    Text<C>(7, &C::get_MobileTelephoneNumber, &C::put_MobileTelephoneNumber),
    Text<C>(8, &C::get_OfficeLocation, &C::put_OfficeLocation),
    Text<C>(9, &C::get_PagerNumber, &C::put_PagerNumber),
    Text<C>(10, &C::get_BusinessTelephoneNumber, &C::put_BusinessTelephoneNumber),
    Text<C>(11, &C::get_JobTitle, &C::put_JobTitle),
    Text<C>(12, &C::get_HomeTelephoneNumber, &C::put_HomeTelephoneNumber),
    Text<C>(13, &C::get_Email2Address, &C::put_Email2Address),
    Text<C>(14, &C::get_Spouse, &C::put_Spouse),
    Text<C>(15, &C::get_Email3Address, &C::put_Email3Address),
    Text<C>(16, &C::get_Home2TelephoneNumber, &C::put_Home2TelephoneNumber),
    Text<C>(17, &C::get_HomeFaxNumber, &C::put_HomeFaxNumber),
    Text<C>(18, &C::get_CarTelephoneNumber, &C::put_CarTelephoneNumber),
    Text<C>(19, &C::get_AssistantName, &C::put_AssistantName),
    Text<C>(20, &C::get_AssistantTelephoneNumber, &C::put_AssistantTelephoneNumber),
    Text<C>(21, &C::get_Children, &C::put_Children),
    Text<C>(22, &C::get_Categories, &C::put_Categories),
    Text<C>(23, &C::get_WebPage, &C::put_WebPage),
    Text<C>(24, &C::get_Business2TelephoneNumber, &C::put_Business2TelephoneNumber),
    Text<C>(25, &C::get_RadioTelephoneNumber, &C::put_RadioTelephoneNumber),
    Text<C>(26, &C::get_FileAs, &C::put_FileAs),
    Text<C>(27, &C::get_Title, &C::put_Title),
    Text<C>(28, &C::get_FirstName, &C::put_FirstName),
    Text<C>(29, &C::get_MiddleName, &C::put_MiddleName),
    Text<C>(30, &C::get_LastName, &C::put_LastName),
    Text<C>(31, &C::get_Suffix, &C::put_Suffix),
    Text<C>(32, &C::get_HomeAddressStreet, &C::put_HomeAddressStreet),
    Text<C>(33, &C::get_HomeAddressCity, &C::put_HomeAddressCity),
    Text<C>(34, &C::get_HomeAddressState, &C::put_HomeAddressState),
    Text<C>(35, &C::get_HomeAddressPostalCode, &C::put_HomeAddressPostalCode),
    Text<C>(36, &C::get_HomeAddressCountry, &C::put_HomeAddressCountry),
    Text<C>(37, &C::get_OtherAddressStreet, &C::put_OtherAddressStreet),
    Text<C>(38, &C::get_OtherAddressCity, &C::put_OtherAddressCity),
    Text<C>(39, &C::get_OtherAddressState, &C::put_OtherAddressState),
    Text<C>(40, &C::get_OtherAddressPostalCode, &C::put_OtherAddressPostalCode),
    Text<C>(41, &C::get_OtherAddressCountry, &C::put_OtherAddressCountry),
    Text<C>(42, &C::get_BusinessAddressStreet, &C::put_BusinessAddressStreet),
    Text<C>(43, &C::get_BusinessAddressCity, &C::put_BusinessAddressCity),
    Text<C>(44, &C::get_BusinessAddressState, &C::put_BusinessAddressState),
    Text<C>(45, &C::get_BusinessAddressPostalCode, &C::put_BusinessAddressPostalCode),
    Text<C>(46, &C::get_BusinessAddressCountry, &C::put_BusinessAddressCountry),
    Ink<C>(47, &C::get_BodyInk, &C::put_BodyInk),
};

using A = IAppointment;
const ItemField<IAppointment> kAppointmentFields[] = {
    Text<A>(1, &A::get_Subject, &A::put_Subject),
    Text<A>(2, &A::get_Location, &A::put_Location),
    Text<A>(3, &A::get_Categories, &A::put_Categories),
    DateTime<A>(4, &A::get_Start, &A::put_Start),
    Number<A>(5, &A::get_Duration, &A::put_Duration),
    DateTime<A>(6, &A::get_End, &A::put_End),
    Flag<A>(7, &A::get_AllDayEvent, &A::put_AllDayEvent),
    Number<A>(8, &A::get_Sensitivity, &A::put_Sensitivity),
    Number<A>(9, &A::get_BusyStatus, &A::put_BusyStatus),
    Flag<A>(10, &A::get_ReminderSet, &A::put_ReminderSet),
    Text<A>(11, &A::get_ReminderSoundFile, &A::put_ReminderSoundFile),
    Number<A>(12, &A::get_ReminderOptions, &A::put_ReminderOptions),
    Number<A>(13, &A::get_ReminderMinutesBeforeStart, &A::put_ReminderMinutesBeforeStart),
    Ink<A>(14, &A::get_BodyInk, &A::put_BodyInk),
};

using T = ITask;
const ItemField<ITask> kTaskFields[] = {
    Text<T>(1, &T::get_Subject, &T::put_Subject),
    Text<T>(2, &T::get_Categories, &T::put_Categories),
    DateTime<T>(3, &T::get_StartDate, &T::put_StartDate),
    DateTime<T>(4, &T::get_DueDate, &T::put_DueDate),
    Number<T>(5, &T::get_Importance, &T::put_Importance),
    Flag<T>(6, &T::get_Complete, &T::put_Complete),
    Number<T>(7, &T::get_Sensitivity, &T::put_Sensitivity),
    Flag<T>(8, &T::get_TeamTask, &T::put_TeamTask),
    Flag<T>(9, &T::get_ReminderSet, &T::put_ReminderSet),
    Text<T>(10, &T::get_ReminderSoundFile, &T::put_ReminderSoundFile),
    Number<T>(11, &T::get_ReminderOptions, &T::put_ReminderOptions),
    DateTime<T>(12, &T::get_ReminderTime, &T::put_ReminderTime),
    Ink<T>(13, &T::get_BodyInk, &T::put_BodyInk),
};

using P = IRecurrencePattern;
const ItemField<IRecurrencePattern> kPatternFields[] = {
    Number<P>(15, &P::get_RecurrenceType, &P::put_RecurrenceType),
    DateTime<P>(16, &P::get_PatternStartDate, &P::put_PatternStartDate),
    DateTime<P>(17, &P::get_PatternEndDate, &P::put_PatternEndDate),
    Flag<P>(18, &P::get_NoEndDate, &P::put_NoEndDate),
    Number<P>(19, &P::get_Occurrences, &P::put_Occurrences),
    DateTime<P>(20, &P::get_StartTime, &P::put_StartTime),
    Number<P>(21, &P::get_Duration, &P::put_Duration),
    DateTime<P>(22, &P::get_EndTime, &P::put_EndTime),
    Number<P>(23, &P::get_Interval, &P::put_Interval),
    Number<P>(24, &P::get_DayOfWeekMask, &P::put_DayOfWeekMask),
    Number<P>(25, &P::get_DayOfMonth, &P::put_DayOfMonth),
    Number<P>(26, &P::get_Instance, &P::put_Instance),
    Number<P>(27, &P::get_MonthOfYear, &P::put_MonthOfYear),
};

const ContactExtraField kContactExtras[] = {
    {101, 0x00AB001F}, {102, 0x00A0001F}, {103, 0x00A9001F}, {104, 0x00AA001F}, {105, 0x0093001F},
    {106, 0x0094001F}, {107, 0x0095001F}, {108, 0x008D001F}, {109, 0x0086001F}, {110, 0x10A3001F},
    {111, 0x00A8001F}, {112, 0x0003001F}, {113, 0x10A2001F}, {114, 0x00F80013},
};

constexpr WORD kPatternStartTime = 20;
constexpr WORD kPatternDuration = 21;
constexpr WORD kPatternEndTime = 22;
constexpr WORD kPatternDayOfWeekMask = 24;
constexpr WORD kPatternDayOfMonth = 25;
constexpr WORD kPatternInstance = 26;
constexpr WORD kPatternMonthOfYear = 27;

// The appointment field an exception part is set through, 0 for none.
WORD AppointmentFieldOfPart(int part)
{
    switch (part) {
    case kExceptionSubject: return 1;
    case kExceptionLocation: return 2;
    case kExceptionStart: return 4;
    case kExceptionEnd: return 6;
    case kExceptionAllDay: return 7;
    case kExceptionBusyStatus: return 9;
    case kExceptionInk: return 14;
    }
    return 0;
}

}  // namespace

std::span<const ItemField<IContact>> ContactFields() { return kContactFields; }
std::span<const ItemField<IAppointment>> AppointmentFields() { return kAppointmentFields; }
std::span<const ItemField<ITask>> TaskFields() { return kTaskFields; }
std::span<const ItemField<IRecurrencePattern>> PatternFields() { return kPatternFields; }
std::span<const ContactExtraField> ContactExtraFields() { return kContactExtras; }

bool IsPatternTimeField(WORD id)
{
    return id == kPatternStartTime || id == kPatternDuration || id == kPatternEndTime;
}

bool PatternFieldUsedBy(long type, WORD id)
{
    const bool weekdays = type == olRecursWeekly || type == olRecursMonthNth || type == olRecursYearNth;
    const bool dayOfMonth = type == olRecursMonthly || type == olRecursYearly;
    const bool instance = type == olRecursMonthNth || type == olRecursYearNth;
    const bool month = type == olRecursYearly || type == olRecursYearNth;
    const bool known = type == olRecursDaily || weekdays || dayOfMonth;
    switch (id) {
    case kPatternDayOfWeekMask: return !known || weekdays;
    case kPatternDayOfMonth: return !known || dayOfMonth;
    case kPatternInstance: return !known || instance;
    case kPatternMonthOfYear: return !known || month;
    }
    return true;
}

HRESULT ApplyExceptionField(IAppointment* occurrence, int part, const BYTE* data, size_t length)
{
    const ItemField<IAppointment>* field = FindItemField(AppointmentFields(), AppointmentFieldOfPart(part));
    if (!field)
        return S_OK;
    if (length == 0 && (part == kExceptionSubject || part == kExceptionLocation)) {
        BSTR empty = SysAllocString(L"");
        HRESULT result = (occurrence->*field->putText)(empty);
        SysFreeString(empty);
        return result;
    }
    return ApplyItemField(occurrence, *field, data, length);
}

HRESULT ApplyRecipientField(IAppointment* series, WORD id, const BYTE* data, size_t length,
                            ComRef<IRecipient>& recipient)
{
    if (length == 0)
        return S_OK;
    std::wstring text = DecodeTextData(data, length);
    BSTR value = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
    HRESULT result = S_OK;
    if (IsRecipientName(id)) {
        recipient.Reset();
        ComRef<IRecipients> recipients;
        result = series ? series->get_Recipients(recipients.Out()) : E_FAIL;
        if (SUCCEEDED(result) && recipients)
            result = recipients->Add(value, recipient.Out());
    } else if (recipient) {
        result = recipient->put_Address(value);
    }
    SysFreeString(value);
    return result;
}

bool VariantDateOfField(const SYSTEMTIME& time, DATE* date)
{
    SYSTEMTIME copy = time;
    *date = 0;
    if (OutlookApp)
        return SUCCEEDED(OutlookApp->SystemTimeToVariantTime(&copy, date));
    return SystemTimeToVariantTime(&copy, date) != 0;
}

template <class I>
const ItemField<I>* FindItemField(std::span<const ItemField<I>> table, WORD id)
{
    for (const ItemField<I>& field : table) {
        if (field.id == id)
            return &field;
    }
    return nullptr;
}

template <class I>
void WriteItemFields(BackupOutput& out, I* item, std::span<const ItemField<I>> table, BYTE kind)
{
    for (const ItemField<I>& field : table) {
        switch (field.encoding) {
        case FieldEncoding::Text: {
            BSTR text = nullptr;
            (item->*field.getText)(&text);
            WriteBstrField(out, text, field.id, kind);
            break;
        }
        case FieldEncoding::Date:
        case FieldEncoding::DateTime: {
            DATE date = kPoomNoDate;
            (item->*field.getDate)(&date);
            if (field.encoding == FieldEncoding::Date)
                WriteDateField(out, date, field.id, kind);
            else
                WriteDateTimeField(out, date, field.id, kind);
            break;
        }
        case FieldEncoding::Number: {
            long number = 0;
            (item->*field.getNumber)(&number);
            WriteNumberField(out, static_cast<uint32_t>(number), field.id, kind);
            break;
        }
        case FieldEncoding::Flag: {
            VARIANT_BOOL flag = VARIANT_FALSE;
            (item->*field.getFlag)(&flag);
            WriteFlagField(out, flag != VARIANT_FALSE, field.id, kind);
            break;
        }
        case FieldEncoding::Ink: {
            BYTE* ink = nullptr;
            int bytes = 0;
            if (FAILED((item->*field.getInk)(&ink, &bytes)))
                bytes = 0;
            WriteInkField(out, ink, bytes > 0 ? static_cast<size_t>(bytes) : 0, field.id, kind);
            if (ink)
                LocalFree(ink);
            break;
        }
        }
    }
}

template <class I>
HRESULT ApplyItemField(I* item, const ItemField<I>& field, const BYTE* data, size_t length)
{
    if (length == 0)
        return S_OK;
    switch (field.encoding) {
    case FieldEncoding::Text: {
        std::wstring text = DecodeTextData(data, length);
        BSTR value = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
        HRESULT result = (item->*field.putText)(value);
        SysFreeString(value);
        return result;
    }
    case FieldEncoding::Date:
    case FieldEncoding::DateTime: {
        SYSTEMTIME time;
        bool read = field.encoding == FieldEncoding::Date ? DecodeDateData(data, length, &time)
                                                          : DecodeDateTimeData(data, length, &time);
        DATE date = 0;
        if (!read || !VariantDateOfField(time, &date))
            return S_OK;
        return (item->*field.putDate)(date);
    }
    case FieldEncoding::Number: return (item->*field.putNumber)(DecodeSignedData(data, length));
    case FieldEncoding::Flag:
        return (item->*field.putFlag)(DecodeFlagData(data, length) ? VARIANT_TRUE : VARIANT_FALSE);
    case FieldEncoding::Ink: return (item->*field.putInk)(const_cast<BYTE*>(data), static_cast<int>(length));
    }
    return S_OK;
}

#define BACKUP_ITEM_FIELD_FUNCTIONS(I)                                                                   \
    template const ItemField<I>* FindItemField<I>(std::span<const ItemField<I>>, WORD);                  \
    template void WriteItemFields<I>(BackupOutput&, I*, std::span<const ItemField<I>>, BYTE);            \
    template HRESULT ApplyItemField<I>(I*, const ItemField<I>&, const BYTE*, size_t);

BACKUP_ITEM_FIELD_FUNCTIONS(IContact)
BACKUP_ITEM_FIELD_FUNCTIONS(IAppointment)
BACKUP_ITEM_FIELD_FUNCTIONS(ITask)
BACKUP_ITEM_FIELD_FUNCTIONS(IRecurrencePattern)
