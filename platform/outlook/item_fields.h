// What an item is made of: its kind, its properties with their record
// property ids (the ids of "Contacts Database", "Appointments Database" and
// "Tasks Database", which the property-item form exposes too) and the names
// by which restrictions and sorts address them.
#pragma once

#include "platform/ce.h"

#include <string>

namespace poom {

enum class ItemKind { Appointment = olAppointmentItem, Contact = olContactItem, Task = olTaskItem };

enum class FieldType { Text, Date, Integer, Boolean };

// A date property's values are CEVT_FILETIME; booleans are stored as CEVT_I2
// (1 or 0) and numbers as CEVT_I4.
constexpr CEPROPID DateProp(WORD id) { return MAKEPROPID(id, CEVT_FILETIME); }
constexpr CEPROPID TextProp(WORD id) { return MAKEPROPID(id, CEVT_LPWSTR); }
constexpr CEPROPID FlagProp(WORD id) { return MAKEPROPID(id, CEVT_I2); }
constexpr CEPROPID NumberProp(WORD id) { return MAKEPROPID(id, CEVT_I4); }
constexpr CEPROPID BlobProp(WORD id) { return MAKEPROPID(id, CEVT_BLOB); }
constexpr CEPROPID StreamProp(WORD id) { return MAKEPROPID(id, CEVT_STREAM); }

// ---- shared by every kind ---------------------------------------------------------
constexpr CEPROPID kPropSubject = TextProp(0x0020);
constexpr CEPROPID kPropSensitivity = NumberProp(0x0021);
constexpr CEPROPID kPropReminderSet = FlagProp(0x0028);
constexpr CEPROPID kPropReminderSoundFile = TextProp(0x0029);
constexpr CEPROPID kPropReminderOptions = NumberProp(0x002A);
constexpr CEPROPID kPropBody = StreamProp(0x001E);  // the Rich Ink body, text and ink
constexpr CEPROPID kPropCategories = TextProp(0x101D);

// ---- contacts: the ids the direct reader of the Contacts Database reads ------------
constexpr CEPROPID kPropFileAs = TextProp(0x0080);      // the name sort key
constexpr CEPROPID kPropFirstName = TextProp(0x0082);
constexpr CEPROPID kPropLastName = TextProp(0x0084);
constexpr CEPROPID kPropCompanyName = TextProp(0x008A);
constexpr CEPROPID kPropDepartment = TextProp(0x008B);
constexpr CEPROPID kPropJobTitle = TextProp(0x008C);
constexpr CEPROPID kPropMobilePhone = TextProp(0x0096);
constexpr CEPROPID kPropBusinessPhone = TextProp(0x0097);
constexpr CEPROPID kPropHomePhone = TextProp(0x0099);
constexpr CEPROPID kPropCategoryCount = MAKEPROPID(0x200F, CEVT_UI2);  // present when it has categories
constexpr CEPROPID kPropContactNumber = MAKEPROPID(0x1000, CEVT_AUTO_I4);  // oid = 0x80000000 + it
constexpr CEPROPID kPropCategoryMask = BlobProp(0x0016);  // older build: bits of "\Categories Database"
constexpr CEPROPID kPropPicture = StreamProp(0x00FF);
// ---- contacts: the other properties ---------------------------------------------------
constexpr CEPROPID kPropTitle = TextProp(0x0081);
constexpr CEPROPID kPropMiddleName = TextProp(0x0083);
constexpr CEPROPID kPropSuffix = TextProp(0x0085);
constexpr CEPROPID kPropYomiFirstName = TextProp(0x0087);
constexpr CEPROPID kPropYomiLastName = TextProp(0x0088);
constexpr CEPROPID kPropYomiCompanyName = TextProp(0x0089);
constexpr CEPROPID kPropOfficeLocation = TextProp(0x008E);
constexpr CEPROPID kPropAssistantName = TextProp(0x008F);
constexpr CEPROPID kPropEmail1 = TextProp(0x0090);
constexpr CEPROPID kPropEmail2 = TextProp(0x0091);
constexpr CEPROPID kPropEmail3 = TextProp(0x0092);
constexpr CEPROPID kPropPager = TextProp(0x0098);
constexpr CEPROPID kPropCarPhone = TextProp(0x009A);
constexpr CEPROPID kPropRadioPhone = TextProp(0x009B);
constexpr CEPROPID kPropBusiness2Phone = TextProp(0x009C);
constexpr CEPROPID kPropHome2Phone = TextProp(0x009D);
constexpr CEPROPID kPropBusinessFax = TextProp(0x009E);
constexpr CEPROPID kPropHomeFax = TextProp(0x009F);
constexpr CEPROPID kPropAssistantPhone = TextProp(0x00A1);
constexpr CEPROPID kPropSpouse = TextProp(0x00A2);
constexpr CEPROPID kPropChildren = TextProp(0x00A3);
constexpr CEPROPID kPropWebPage = TextProp(0x00A4);
constexpr CEPROPID kPropHomeStreet = TextProp(0x00B1);
constexpr CEPROPID kPropHomeCity = TextProp(0x00B2);
constexpr CEPROPID kPropHomeState = TextProp(0x00B3);
constexpr CEPROPID kPropHomePostalCode = TextProp(0x00B4);
constexpr CEPROPID kPropHomeCountry = TextProp(0x00B5);
constexpr CEPROPID kPropBusinessStreet = TextProp(0x00C1);
constexpr CEPROPID kPropBusinessCity = TextProp(0x00C2);
constexpr CEPROPID kPropBusinessState = TextProp(0x00C3);
constexpr CEPROPID kPropBusinessPostalCode = TextProp(0x00C4);
constexpr CEPROPID kPropBusinessCountry = TextProp(0x00C5);
constexpr CEPROPID kPropOtherStreet = TextProp(0x00D1);
constexpr CEPROPID kPropOtherCity = TextProp(0x00D2);
constexpr CEPROPID kPropOtherState = TextProp(0x00D3);
constexpr CEPROPID kPropOtherPostalCode = TextProp(0x00D4);
constexpr CEPROPID kPropOtherCountry = TextProp(0x00D5);
constexpr CEPROPID kPropBirthday = DateProp(0x00F0);
constexpr CEPROPID kPropAnniversary = DateProp(0x00F1);

// ---- appointments ------------------------------------------------------------------------
constexpr CEPROPID kPropLocation = TextProp(0x0042);
constexpr CEPROPID kPropStart = DateProp(0x0043);
constexpr CEPROPID kPropEnd = DateProp(0x0044);
constexpr CEPROPID kPropAllDayEvent = FlagProp(0x0045);
constexpr CEPROPID kPropBusyStatus = NumberProp(0x0046);
constexpr CEPROPID kPropReminderMinutes = NumberProp(0x0047);
constexpr CEPROPID kPropMeetingStatus = NumberProp(0x0048);
constexpr CEPROPID kPropRecurrence = BlobProp(0x0049);  // the pattern (also of tasks)
constexpr CEPROPID kPropExceptions = BlobProp(0x004A);
constexpr CEPROPID kPropRecipients = BlobProp(0x004B);

// ---- tasks ---------------------------------------------------------------------------------
constexpr CEPROPID kPropStartDate = DateProp(0x0061);
constexpr CEPROPID kPropDueDate = DateProp(0x0062);
constexpr CEPROPID kPropDateCompleted = DateProp(0x0063);
constexpr CEPROPID kPropImportance = NumberProp(0x0064);
constexpr CEPROPID kPropComplete = FlagProp(0x0065);
constexpr CEPROPID kPropTeamTask = FlagProp(0x0066);
constexpr CEPROPID kPropReminderTime = DateProp(0x0067);

// ---- computed, for restrictions and sorts only (never stored) -----------------------------------
constexpr CEPROPID kFieldFullName = MAKEPROPID(0xFF01, CEVT_LPWSTR);
constexpr CEPROPID kFieldDuration = MAKEPROPID(0xFF02, CEVT_I4);
constexpr CEPROPID kFieldIsRecurring = MAKEPROPID(0xFF03, CEVT_I2);
constexpr CEPROPID kFieldOid = MAKEPROPID(0xFF04, CEVT_I4);

struct FieldDef {
    const wchar_t* name;  // as written inside [] in a query
    CEPROPID prop;
    FieldType type;
};

// The field of that name for the kind (case-insensitive), or null.
const FieldDef* FindField(ItemKind kind, const std::wstring& name);
// The field stored under that property id, or null.
const FieldDef* FieldOfProp(ItemKind kind, CEPROPID prop);

// The database that holds items of the kind.
const wchar_t* DatabaseNameOf(ItemKind kind);

}  // namespace poom
