#include "platform/outlook/item_fields.h"

#include <span>

namespace poom {

namespace {

constexpr FieldType T = FieldType::Text;
constexpr FieldType D = FieldType::Date;
constexpr FieldType N = FieldType::Integer;
constexpr FieldType B = FieldType::Boolean;

const FieldDef kContactFields[] = {
    {L"Birthday", kPropBirthday, D},
    {L"Anniversary", kPropAnniversary, D},
    {L"BusinessFaxNumber", kPropBusinessFax, T},
    {L"CompanyName", kPropCompanyName, T},
    {L"Department", kPropDepartment, T},
    {L"Email1Address", kPropEmail1, T},
    {L"MobileTelephoneNumber", kPropMobilePhone, T},
    {L"OfficeLocation", kPropOfficeLocation, T},
    {L"PagerNumber", kPropPager, T},
    {L"BusinessTelephoneNumber", kPropBusinessPhone, T},
    {L"JobTitle", kPropJobTitle, T},
    {L"HomeTelephoneNumber", kPropHomePhone, T},
    {L"Email2Address", kPropEmail2, T},
    {L"Spouse", kPropSpouse, T},
    {L"Email3Address", kPropEmail3, T},
    {L"Home2TelephoneNumber", kPropHome2Phone, T},
    {L"HomeFaxNumber", kPropHomeFax, T},
    {L"CarTelephoneNumber", kPropCarPhone, T},
    {L"AssistantName", kPropAssistantName, T},
    {L"AssistantTelephoneNumber", kPropAssistantPhone, T},
    {L"Children", kPropChildren, T},
    {L"Categories", kPropCategories, T},
    {L"WebPage", kPropWebPage, T},
    {L"Business2TelephoneNumber", kPropBusiness2Phone, T},
    {L"RadioTelephoneNumber", kPropRadioPhone, T},
    {L"FileAs", kPropFileAs, T},
    {L"YomiCompanyName", kPropYomiCompanyName, T},
    {L"YomiFirstName", kPropYomiFirstName, T},
    {L"YomiLastName", kPropYomiLastName, T},
    {L"Title", kPropTitle, T},
    {L"FirstName", kPropFirstName, T},
    {L"MiddleName", kPropMiddleName, T},
    {L"LastName", kPropLastName, T},
    {L"Suffix", kPropSuffix, T},
    {L"HomeAddressStreet", kPropHomeStreet, T},
    {L"HomeAddressCity", kPropHomeCity, T},
    {L"HomeAddressState", kPropHomeState, T},
    {L"HomeAddressPostalCode", kPropHomePostalCode, T},
    {L"HomeAddressCountry", kPropHomeCountry, T},
    {L"OtherAddressStreet", kPropOtherStreet, T},
    {L"OtherAddressCity", kPropOtherCity, T},
    {L"OtherAddressState", kPropOtherState, T},
    {L"OtherAddressPostalCode", kPropOtherPostalCode, T},
    {L"OtherAddressCountry", kPropOtherCountry, T},
    {L"BusinessAddressStreet", kPropBusinessStreet, T},
    {L"BusinessAddressCity", kPropBusinessCity, T},
    {L"BusinessAddressState", kPropBusinessState, T},
    {L"BusinessAddressPostalCode", kPropBusinessPostalCode, T},
    {L"BusinessAddressCountry", kPropBusinessCountry, T},
    {L"FullName", kFieldFullName, T},
    {L"Oid", kFieldOid, N},
};

const FieldDef kAppointmentFields[] = {
    {L"Subject", kPropSubject, T},
    {L"Location", kPropLocation, T},
    {L"Categories", kPropCategories, T},
    {L"Start", kPropStart, D},
    {L"End", kPropEnd, D},
    {L"Duration", kFieldDuration, N},
    {L"AllDayEvent", kPropAllDayEvent, B},
    {L"BusyStatus", kPropBusyStatus, N},
    {L"Sensitivity", kPropSensitivity, N},
    {L"ReminderSet", kPropReminderSet, B},
    {L"ReminderMinutesBeforeStart", kPropReminderMinutes, N},
    {L"ReminderSoundFile", kPropReminderSoundFile, T},
    {L"ReminderOptions", kPropReminderOptions, N},
    {L"MeetingStatus", kPropMeetingStatus, N},
    {L"IsRecurring", kFieldIsRecurring, B},
    {L"Oid", kFieldOid, N},
};

const FieldDef kTaskFields[] = {
    {L"Subject", kPropSubject, T},
    {L"Categories", kPropCategories, T},
    {L"StartDate", kPropStartDate, D},
    {L"DueDate", kPropDueDate, D},
    {L"DateCompleted", kPropDateCompleted, D},
    {L"Importance", kPropImportance, N},
    {L"Complete", kPropComplete, B},
    {L"Sensitivity", kPropSensitivity, N},
    {L"TeamTask", kPropTeamTask, B},
    {L"ReminderSet", kPropReminderSet, B},
    {L"ReminderSoundFile", kPropReminderSoundFile, T},
    {L"ReminderTime", kPropReminderTime, D},
    {L"ReminderOptions", kPropReminderOptions, N},
    {L"IsRecurring", kFieldIsRecurring, B},
    {L"Oid", kFieldOid, N},
};

std::span<const FieldDef> FieldsOf(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact: return kContactFields;
    case ItemKind::Appointment: return kAppointmentFields;
    case ItemKind::Task: return kTaskFields;
    }
    return {};
}

template <class Match>
const FieldDef* FirstField(ItemKind kind, Match match)
{
    for (const FieldDef& field : FieldsOf(kind)) {
        if (match(field))
            return &field;
    }
    return nullptr;
}

}  // namespace

const FieldDef* FindField(ItemKind kind, const std::wstring& name)
{
    return FirstField(kind, [&](const FieldDef& field) {
        return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, field.name, -1, name.c_str(),
                              static_cast<int>(name.size())) == CSTR_EQUAL;
    });
}

const FieldDef* FieldOfProp(ItemKind kind, CEPROPID prop)
{
    return FirstField(kind, [&](const FieldDef& field) { return field.prop == prop; });
}

const wchar_t* DatabaseNameOf(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact: return L"Contacts Database";
    case ItemKind::Appointment: return L"Appointments Database";
    case ItemKind::Task: return L"Tasks Database";
    }
    return L"";
}

}  // namespace poom
