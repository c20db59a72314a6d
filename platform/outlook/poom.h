// The Pocket Outlook object model: interfaces, class and interface ids, and
// the values the device uses. The objects live in ceoutlook.dll, an
// in-process COM server; callers create the application object with
// CoCreateInstance(CLSID_Application, ..., IID_IPOutlookApp).
//
// Every string a getter returns is a BSTR the caller frees with
// SysFreeString; every BodyInk read is a LocalAlloc block the caller frees
// with LocalFree. Dates are OLE variant times (days as a double).
#pragma once

#if defined(__cplusplus)

#include <ole2.h>

// ---- class and interface ids ------------------------------------------------

inline const CLSID CLSID_Application = {0x05058F23, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IPOutlookApp = {0x05058F22, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IFolder = {0x05058F21, 0x20BE, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IPOutlookItemCollection = {0xF06748C0, 0x21A5, 0x11D2,
                                                {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IContact = {0x7F804E40, 0x2010, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_ITask = {0x37C78CE0, 0x202C, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IAppointment = {0x5B43F691, 0x202C, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IRecurrencePattern = {0x38F47300, 0x270F, 0x11D2,
                                           {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IException = {0xB47398D0, 0x3B73, 0x11D2, {0x8F, 0x1B, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IExceptions = {0xB47398D1, 0x3B73, 0x11D2, {0x8F, 0x1B, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IRecipients = {0x76065AE0, 0x2347, 0x11D2, {0x8F, 0x18, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
inline const IID IID_IRecipient = {0x7E136BE0, 0x5240, 0x11D2, {0x8F, 0x1B, 0x00, 0x00, 0xF8, 0x7A, 0x43, 0x35}};
// The property-item interfaces of the newer object model. These two ids are
// ours: code of this system asks for them only through this header.
inline const IID IID_IPOutlookApp2 = {0x6A3E1C40, 0x51B2, 0x4C8E, {0x9D, 0x47, 0x2B, 0x61, 0x0C, 0x8A, 0x53, 0x11}};
inline const IID IID_IItem = {0x6A3E1C41, 0x51B2, 0x4C8E, {0x9D, 0x47, 0x2B, 0x61, 0x0C, 0x8A, 0x53, 0x11}};

// ---- values -------------------------------------------------------------------

enum OlDefaultFolders {
    olFolderCalendar = 9,
    olFolderContacts = 10,
    olFolderTasks = 13,
    olFolderCities = 101,
    olFolderInfrared = 102,
};

enum OlItemType {
    olAppointmentItem = 1,
    olContactItem = 2,
    olTaskItem = 3,
    olCitiesItem = 102,
};

enum OlRecurrenceType {
    olRecursNone = -1,  // what a pattern reports until a type is set
    olRecursDaily = 0,
    olRecursWeekly = 1,
    olRecursMonthly = 2,
    olRecursMonthNth = 3,
    olRecursYearly = 5,
    olRecursYearNth = 6,
};

enum OlDaysOfWeek {
    olSunday = 1,
    olMonday = 2,
    olTuesday = 4,
    olWednesday = 8,
    olThursday = 16,
    olFriday = 32,
    olSaturday = 64,
};

enum OlImportance { olImportanceLow = 0, olImportanceNormal = 1, olImportanceHigh = 2 };
enum OlSensitivity { olNormal = 0, olPersonal = 1, olPrivate = 2, olConfidential = 3 };
enum OlBusyStatus { olFree = 0, olTentative = 1, olBusy = 2, olOutOfOffice = 3 };
enum OlMeetingStatus { olNonMeeting = 0, olMeeting = 1, olMeetingReceived = 3, olMeetingCanceled = 5 };
enum OlReminderOptions { olLED = 1, olVibrate = 2, olDialog = 4, olSound = 8, olRepeat = 16 };

// The object model's date for "no date" (4501-01-01), as a variant time.
constexpr DATE kPoomNoDate = 949998.0;

// Save of a recurring appointment whose reminder lead is not shorter than the
// shortest gap between two of its occurrences.
constexpr HRESULT POOM_E_REMINDER_TOO_LONG = static_cast<HRESULT>(0x80040201L);

// ---- interfaces -----------------------------------------------------------------

struct IPOutlookApp;
struct IFolder;
struct IPOutlookItemCollection;
struct IRecurrencePattern;
struct IRecipients;
struct IRecipient;
struct IExceptions;
struct IException;
struct IAppointment;
struct IItem;
struct ICity;
struct ITimeZone;

struct IPOutlookApp : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Logon(long hWnd) = 0;
    virtual HRESULT STDMETHODCALLTYPE Logoff() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDefaultFolder(int folder, IFolder** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateItem(int itemType, IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HomeCity(ICity** city) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_HomeCity(ICity* city) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VisitingCity(ICity** city) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_VisitingCity(ICity* city) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CurrentCityIndex(long* index) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_CurrentCityIndex(long index) = 0;
    virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_OutlookCompatible(VARIANT_BOOL* compatible) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetTimeZoneFromIndex(int index, ITimeZone** zone) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetTimeZoneInformationFromIndex(int index, TIME_ZONE_INFORMATION* info) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE SysFreeString(BSTR text) = 0;
    virtual HRESULT STDMETHODCALLTYPE VariantTimeToSystemTime(DATE date, SYSTEMTIME* time) = 0;
    virtual HRESULT STDMETHODCALLTYPE SystemTimeToVariantTime(SYSTEMTIME* time, DATE* date) = 0;
};

struct IFolder : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** items) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* itemType) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddItemToInfraredFolder(int itemType, IDispatch* item) = 0;
    virtual HRESULT STDMETHODCALLTYPE SendToInfrared() = 0;
    virtual HRESULT STDMETHODCALLTYPE ReceiveFromInfrared(IPOutlookItemCollection** items) = 0;
};

struct IPOutlookItemCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Add(IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(int* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Find(BSTR restriction, IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindNext(IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE Item(int index, IDispatch** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE Remove(int index) = 0;
    virtual HRESULT STDMETHODCALLTYPE Restrict(BSTR restriction, IPOutlookItemCollection** items) = 0;
    virtual HRESULT STDMETHODCALLTYPE Sort(BSTR property, VARIANT_BOOL descending) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IncludeRecurrences(VARIANT_BOOL* include) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_IncludeRecurrences(VARIANT_BOOL include) = 0;
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

struct IRecurrencePattern : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_RecurrenceType(long* type) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_StartTime(DATE* time) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_EndTime(DATE* time) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PatternStartDate(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_PatternEndDate(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Duration(long* minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Interval(long* interval) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DayOfWeekMask(long* mask) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DayOfMonth(long* day) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Instance(long* instance) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MonthOfYear(long* month) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NoEndDate(VARIANT_BOOL* noEnd) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Occurrences(long* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_RecurrenceType(long type) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_StartTime(DATE time) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_EndTime(DATE time) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PatternStartDate(DATE date) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_PatternEndDate(DATE date) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Duration(long minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Interval(long interval) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DayOfWeekMask(long mask) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DayOfMonth(long day) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Instance(long instance) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_MonthOfYear(long month) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_NoEndDate(VARIANT_BOOL noEnd) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Occurrences(long count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetOccurrence(DATE start, IAppointment** occurrence) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Exceptions(IExceptions** exceptions) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

struct IException : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_OriginalDate(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Deleted(VARIANT_BOOL* deleted) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AppointmentItem(IAppointment** appointment) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

struct IExceptions : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Item(int index, IException** exception) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(int* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

struct IRecipient : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Address(BSTR* address) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Address(BSTR address) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

struct IRecipients : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Add(BSTR name, IRecipient** recipient) = 0;
    virtual HRESULT STDMETHODCALLTYPE Item(int index, IRecipient** recipient) = 0;
    virtual HRESULT STDMETHODCALLTYPE Remove(int index) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(int* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
};

// The contact's text properties, in the interface's order. Each X(Name)
// stands for get_Name(BSTR*) in the getters and put_Name(BSTR) in the
// putters.
#define POOM_CONTACT_TEXT_PROPERTIES(X)                                                                     \
    X(BusinessFaxNumber) X(CompanyName) X(Department) X(Email1Address) X(MobileTelephoneNumber)             \
    X(OfficeLocation) X(PagerNumber) X(BusinessTelephoneNumber) X(JobTitle) X(HomeTelephoneNumber)          \
    X(Email2Address) X(Spouse) X(Email3Address) X(Home2TelephoneNumber) X(HomeFaxNumber)                    \
    X(CarTelephoneNumber) X(AssistantName) X(AssistantTelephoneNumber) X(Children) X(Categories) X(WebPage) \
    X(Business2TelephoneNumber) X(RadioTelephoneNumber) X(FileAs) X(YomiCompanyName) X(YomiFirstName)       \
    X(YomiLastName) X(Title) X(FirstName) X(MiddleName) X(LastName) X(Suffix) X(HomeAddressStreet)          \
    X(HomeAddressCity) X(HomeAddressState) X(HomeAddressPostalCode) X(HomeAddressCountry)                   \
    X(OtherAddressStreet) X(OtherAddressCity) X(OtherAddressState) X(OtherAddressPostalCode)                \
    X(OtherAddressCountry) X(BusinessAddressStreet) X(BusinessAddressCity) X(BusinessAddressState)          \
    X(BusinessAddressPostalCode) X(BusinessAddressCountry) X(Body)

#define POOM_DECLARE_TEXT_GET(Name) virtual HRESULT STDMETHODCALLTYPE get_##Name(BSTR* value) = 0;
#define POOM_DECLARE_TEXT_PUT(Name) virtual HRESULT STDMETHODCALLTYPE put_##Name(BSTR value) = 0;

struct IContact : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Birthday(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Anniversary(DATE* date) = 0;
    POOM_CONTACT_TEXT_PROPERTIES(POOM_DECLARE_TEXT_GET)
    virtual HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Oid(long* oid) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Birthday(DATE date) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Anniversary(DATE date) = 0;
    POOM_CONTACT_TEXT_PROPERTIES(POOM_DECLARE_TEXT_PUT)
    virtual HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE Save() = 0;
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
    virtual HRESULT STDMETHODCALLTYPE Display() = 0;
    virtual HRESULT STDMETHODCALLTYPE Copy(IContact** copy) = 0;
};

struct ITask : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** pattern) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* recurring) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Subject(BSTR* subject) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* categories) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_StartDate(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DueDate(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DateCompleted(DATE* date) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Importance(long* importance) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Complete(VARIANT_BOOL* complete) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Sensitivity(long* sensitivity) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_TeamTask(VARIANT_BOOL* teamTask) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* body) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* set) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* file) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderTime(DATE* time) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* options) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Subject(BSTR subject) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR categories) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_StartDate(DATE date) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_DueDate(DATE date) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Importance(long importance) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Complete(VARIANT_BOOL complete) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Sensitivity(long sensitivity) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_TeamTask(VARIANT_BOOL teamTask) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR body) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL set) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderTime(DATE time) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderOptions(long options) = 0;
    virtual HRESULT STDMETHODCALLTYPE Save() = 0;
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
    virtual HRESULT STDMETHODCALLTYPE SkipRecurrence() = 0;
    virtual HRESULT STDMETHODCALLTYPE Display() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Oid(long* oid) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE Copy(ITask** copy) = 0;
};

struct IAppointment : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** pattern) = 0;
    virtual HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* recurring) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Subject(BSTR* subject) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Location(BSTR* location) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Categories(BSTR* categories) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Start(DATE* start) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Duration(long* minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_End(DATE* end) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AllDayEvent(VARIANT_BOOL* allDay) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BusyStatus(long* status) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Sensitivity(long* sensitivity) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* set) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderMinutesBeforeStart(long* minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* file) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* options) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Body(BSTR* body) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_MeetingStatus(long* status) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Recipients(IRecipients** recipients) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Subject(BSTR subject) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Location(BSTR location) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Categories(BSTR categories) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Start(DATE start) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Duration(long minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_End(DATE end) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AllDayEvent(VARIANT_BOOL allDay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BusyStatus(long status) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Sensitivity(long sensitivity) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL set) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderMinutesBeforeStart(long minutes) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR file) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_ReminderOptions(long options) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Body(BSTR body) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE Save() = 0;
    virtual HRESULT STDMETHODCALLTYPE Send() = 0;
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
    virtual HRESULT STDMETHODCALLTYPE Cancel() = 0;
    virtual HRESULT STDMETHODCALLTYPE Display() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Oid(long* oid) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE Copy(IAppointment** copy) = 0;
};

// The property-item form of an item: its record properties by id
// (CEPROPVAL of the object store). GetProps allocates on hHeap, or with
// LocalAlloc when hHeap is null, when the caller's buffer is missing or too
// small and CEDB_ALLOWREALLOC is given; a property the item lacks comes
// back with CEDB_PROPNOTFOUND in wFlags. OpenProperty gives a stream over a
// CEVT_BLOB or CEVT_STREAM property (GENERIC_READ of a missing one fails);
// Commit puts what was written into the item, Save stores it.
struct IItem : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values,
                                               ULONG* bufferBytes, HANDLE heap) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProps(ULONG flags, WORD count, CEPROPVAL* values) = 0;
    virtual HRESULT STDMETHODCALLTYPE Save() = 0;
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
    virtual HRESULT STDMETHODCALLTYPE Display(HWND parent) = 0;
    virtual HRESULT STDMETHODCALLTYPE Edit(HWND parent) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Oid(CEOID* oid) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* itemType) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Parent(IFolder** folder) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddCategory(LPCWSTR category) = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveCategory(LPCWSTR category) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenProperty(CEPROPID prop, DWORD mode, IStream** stream) = 0;
};

struct IPOutlookApp2 : public IPOutlookApp {
    virtual HRESULT STDMETHODCALLTYPE GetIDsFromNames(ULONG count, LPCWSTR const* names, ULONG flags,
                                                      CEPROPID* ids) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetItemFromOidEx(ULONG oid, ULONG flags, IItem** item) = 0;
};

#undef POOM_DECLARE_TEXT_GET
#undef POOM_DECLARE_TEXT_PUT

#endif  // __cplusplus
