// The one item being edited: the form fields that the item editors, the
// form loaders and the Pocket Outlook writers hand each other, the custom
// repeat rule, and how the next editor is to run. There is one instance of
// each for the program (the editors are modal), used on the user-interface
// thread only. Texts are wide and terminated; the capacities include the
// terminator, and every copy into a field is cut to it.
#pragma once

#include "core/state.h"

// ---- field capacities ------------------------------------------------------------

constexpr int kFormDateChars = 11;    // "%4d-%02d-%02d"
constexpr int kFormTimeChars = 6;     // "%02d:%02d"
constexpr int kFormTitleChars = 101;
constexpr int kFormPlaceChars = 101;
constexpr int kFormBodyChars = 257;

constexpr int kContactNameChars = 51;
constexpr int kContactCompanyChars = 100;
constexpr int kContactDepartmentChars = 51;
constexpr int kContactJobTitleChars = 51;
constexpr int kContactGroupChars = 101;
constexpr int kContactPostalCodeChars = 28;
constexpr int kContactAddressChars = 81;
constexpr int kContactPhoneChars = 41;
constexpr int kContactEmailChars = 61;

constexpr int kAnniversaryStartYearChars = 5;
constexpr int kAnniversaryNoteChars = 257;
constexpr int kMemoCategoryChars = 101;

// ---- the form ----------------------------------------------------------------------

// A contact as the contact editor shows it. With ContactNameParts 1 Name
// holds last and first name joined and FirstName is empty; otherwise Name
// is the last name. Birthday is empty when the contact has none.
struct ContactFormFields {
    wchar_t Name[kContactNameChars];
    wchar_t FirstName[kContactNameChars];
    wchar_t Company[kContactCompanyChars];
    wchar_t Department[kContactDepartmentChars];
    wchar_t JobTitle[kContactJobTitleChars];
    wchar_t Group[kContactGroupChars];  // the categories text
    wchar_t PostalCode[kContactPostalCodeChars];
    wchar_t State[kContactAddressChars];
    wchar_t City[kContactAddressChars];
    wchar_t Street[kContactAddressChars];
    wchar_t BusinessPhone[kContactPhoneChars];
    wchar_t BusinessFax[kContactPhoneChars];
    wchar_t Mobile[kContactPhoneChars];
    wchar_t Email[kContactEmailChars];
    wchar_t HomePhone[kContactPhoneChars];
    wchar_t Birthday[kFormDateChars];
};

// An anniversary as its editor shows it.
struct AnniversaryFormFields {
    wchar_t Title[kFormTitleChars];
    wchar_t YearKnown;  // '1' the year is known
    wchar_t Date[kFormDateChars];  // "yyyy-MM-dd", or "MM/DD" without a year
    wchar_t StartYear[kAnniversaryStartYearChars];
    wchar_t Lunar;  // '1' a lunar date
    wchar_t Kind;   // '0' birthday, '1' memorial day, '2' ancestral rite, '3' other
    wchar_t ReminderFlag;
    int32_t ReminderChoice;  // 0 to 11
    wchar_t Time[kFormTimeChars];
    wchar_t Note[kAnniversaryNoteChars];
};

// What a memo adds to Title and StartDate: its category (for a Notes file
// the note folder's name, or "모든 폴더") and the Notes file's folder.
struct MemoFormFields {
    wchar_t Category[kMemoCategoryChars];
    wchar_t FolderPath[MAX_PATH];
};

// Appointments and tasks use the top-level fields; a memo its Title,
// StartDate and Memo.
struct ItemFormFields {
    wchar_t StartDate[kFormDateChars];  // empty when not set
    wchar_t EndDate[kFormDateChars];    // an appointment's end, a task's due date
    wchar_t StartTime[kFormTimeChars];  // empty: all-day, or no time
    wchar_t EndTime[kFormTimeChars];
    wchar_t Title[kFormTitleChars];
    wchar_t Place[kFormPlaceChars];
    wchar_t Body[kFormBodyChars];  // typed in insert mode; an update's body travels in RichInkBody
    // '0' once, '1' weekly on the start weekday, '2' monthly on the start
    // day, '3' yearly on the start month and day, '4' RecurrencePatternState.
    wchar_t RecurrenceCode;
    wchar_t ReminderFlag;     // '1' on, '0' off
    int32_t ReminderMinutes;  // an appointment's lead
    wchar_t ReminderDate[kFormDateChars];  // a task's reminder
    wchar_t ReminderTime[kFormTimeChars];
    wchar_t Priority;  // '3' high, '2' normal, '1' low
    wchar_t Status;    // 'T' done, 'F' open
    wchar_t StartSet;  // 'T' the task has a start date
    wchar_t DueSet;    // 'T' the task has a due date
    // The own start of the occurrence that the schedule form loader loaded
    // for a single-occurrence edit; the occurrence writer finds it by this,
    // so a list refilled meanwhile cannot send the edit to another one.
    wchar_t OccurrenceStartDate[kFormDateChars];
    wchar_t OccurrenceStartTime[kFormTimeChars];

    ContactFormFields Contact;
    AnniversaryFormFields Anniversary;
    MemoFormFields Memo;
};

extern ItemFormFields ItemFormState;

// ---- the custom repeat rule ----------------------------------------------------------

constexpr int kRuleNumberChars = 4;   // "N" boxes of the daily, monthly and range pages
constexpr int kRuleWeeklyNChars = 5;
constexpr int kRuleMonthDayChars = 3;
constexpr int kRuleYearDayChars = 4;
constexpr int kRuleRangeDateChars = 15;
constexpr int kWeekdays = 7;

// Page types of the recurrence wizard.
constexpr int32_t kPageDaily = 2;
constexpr int32_t kPageWeekly = 3;
constexpr int32_t kPageMonthly = 4;
constexpr int32_t kPageYearly = 5;

struct RecurrenceRule {
    int32_t SeedYear, SeedMonth, SeedDay;
    int32_t SeedWeekday;  // 1 Sunday .. 7 Saturday
    int32_t SeedNth;      // 1 to 5: which such weekday of its month
    int32_t PageType;
    BYTE DailyEveryN, DailyEveryWeekday;
    wchar_t DailyN[kRuleNumberChars];
    wchar_t WeeklyN[kRuleWeeklyNChars];
    int32_t WeekdayFlags[kWeekdays];  // Sunday .. Saturday, 1 chosen
    BYTE MonthlyByDate, MonthlyByNth;
    wchar_t MonthlyN[kRuleNumberChars];
    wchar_t MonthlyDay[kRuleMonthDayChars];
    wchar_t MonthlyNthN[kRuleNumberChars];
    int32_t MonthlyInstance;  // 0 first .. 4 last
    int32_t MonthlyDayKind;   // 0 day, 1 weekday, 2 weekend day, 3..9 Sunday..Saturday
    BYTE YearlyByDate, YearlyByNth;
    int32_t YearlyMonth;  // 0..11
    wchar_t YearlyDay[kRuleYearDayChars];
    int32_t YearlyNthMonth;
    int32_t YearlyInstance, YearlyDayKind;
    BYTE RangeNoEnd, RangeEndDate, RangeCount;
    wchar_t RangeStart[kRuleRangeDateChars];
    wchar_t RangeEnd[kRuleRangeDateChars];
    wchar_t RangeCountText[kRuleNumberChars];
    int32_t LoadedRecurrenceType;  // the Pocket Outlook type of the item last loaded
};

extern RecurrenceRule RecurrencePatternState;

// ---- how the next editor runs ----------------------------------------------------------

constexpr wchar_t kEditInsert = L'I';
constexpr wchar_t kEditUpdate = L'U';

// Set by the item command dispatcher, and by it only, right before an
// editor runs: 'I' a new item, 'U' the item loaded into the form.
extern wchar_t EditMode;
// 1: only the occurrence of the selected row's day is edited; set before
// every appointment update.
extern int EditSingleOccurrence;

// ---- the pending link ---------------------------------------------------------------

// Keeps the pending link (AssigneeOid and AssigneeName) of its making and
// puts it back when it goes. A form loader sets the link to the loaded
// item's contact for that item's update; a loader run only to preview or
// to ask about an item, or an update's editor that returned, must not leave
// it to the next new item.
class PendingLinkKept {
public:
    PendingLinkKept();
    PendingLinkKept(const PendingLinkKept&) = delete;
    PendingLinkKept& operator=(const PendingLinkKept&) = delete;
    ~PendingLinkKept();

private:
    CEOID oid_;
    wchar_t name_[kAssigneeNameChars];
};
