// State of the lists, caches and previews shared across the main program,
// used on the user-interface thread only.
#pragma once

#include "platform/ce.h"
#include "core/state.h"
#include "core/text_helpers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// ---- the contacts cache (contacts_cache.cpp) -----------------------------------

constexpr int kContactCacheRows = 5000;

// One contact as every contact list, filter and pick list sees it.
struct ContactCacheEntry {
    CEOID oid = 0;
    std::wstring name;        // last name then first name, no separator
    std::wstring company;     // one blank when the direct reader found none
    std::wstring categories;  // ", " between the names
    std::wstring shownPhone;  // business phone, else home phone
    std::wstring mobile;
    std::wstring homePhone;
    std::wstring department;
    std::wstring jobTitle;
    wchar_t phoneKind = L'B';  // 'B' business, 'H' when there is no business phone
};

struct ContactsCacheTable {
    ContactCacheEntry rows[kContactCacheRows];
    int count = 0;
};

extern ContactsCacheTable ContactsCache;
// Cache rows in list order; after every load entry i holds i.
extern uint16_t ContactOrder[kContactCacheRows];

// The Pocket Outlook contacts collection of the last load through the
// object model, kept until the next one; null before.
extern IPOutlookItemCollection* ContactLoaderItems;

// ---- distinct names (distinct_names.cpp) -------------------------------------

// A fixed list of distinct texts: slots of Chars characters (terminator
// included) and the count in use.
template <int Slots, int Chars>
struct DistinctNameList {
    static constexpr int kSlots = Slots;
    static constexpr int kChars = Chars;
    int count = 0;
    wchar_t names[Slots][Chars] = {};
};

using CompanyNames = DistinctNameList<500, 100>;
using GroupNames = DistinctNameList<500, kCommaPartChars>;
using DepartmentNames = DistinctNameList<50, 51>;
// A categories text gives at most this many group names.
constexpr int kMaxGroupParts = 20;

extern CompanyNames CompanyNameList;
extern GroupNames GroupNameList;
extern DepartmentNames DepartmentList;
extern DepartmentNames JobTitleList;

// ---- contact filters and pick lists (contact_filters.cpp, pick_lists.cpp) ------

// Cache rows listed by each contact list, in list order, with their counts.
extern uint16_t IndexFilterOrder[kContactCacheRows];
extern uint16_t SearchFilterOrder[kContactCacheRows];
extern uint16_t KeypadFilterOrder[kContactCacheRows];
extern uint16_t CompanyFilterOrder[kContactCacheRows];
extern uint16_t GroupFilterOrder[kContactCacheRows];
extern int ContactTabCount;  // the contact view's list, tabs and search alike
extern int KeypadSearchCount;
extern int CompanyContactCount;
extern int GroupContactCount;

// The contact a refill selects again (0 = none); set by whoever asks for it
// and kept until changed.
extern CEOID ContactToReselect;

// The rows picked in the company and group pick lists; the last row of each
// stands for contacts without a company or group.
constexpr int kCompanyChoiceChars = CompanyNames::kChars;
constexpr int kGroupChoiceChars = GroupNames::kChars;
constexpr wchar_t kNoCompanyRow[] = L"회사없음";
constexpr wchar_t kNoGroupRow[] = L"그룹없음";
extern wchar_t CompanyChoice[kCompanyChoiceChars];
extern wchar_t GroupChoice[kGroupChoiceChars];
// A name whose pick-list row the next fill selects, once.
extern wchar_t CompanyToReselect[kCompanyChoiceChars];
extern wchar_t GroupToReselect[kGroupChoiceChars];
// Rows of each pick list and the row to select.
extern int CompanyCount;
extern int CompanyRow;
extern int GroupCount;
extern int GroupRow;

// ---- company address lookup (company_address.cpp) ---------------------------------

// The contacts of one company as the last address lookup found them; the
// assignee picker replaces it too.
extern IPOutlookItemCollection* ContactSearchItems;

// ---- rows the later lists hold (list_rows.cpp) -----------------------------------

// Row counts of the lists the main window's keys and clicks step through;
// each loader keeps its own.
extern int ScheduleRowCount;
extern int AnniversaryKindCount;
extern int TaskViewRowCount;
extern int TaskFilterCount;
extern int MemoRowCount;
extern int MemoPickCount;

// ---- the month schedule and the card's appointments (schedule_cache.cpp) -----------
//
// The month's appointments and holidays, one entry per day; the contact
// card's appointments in a table of their own; the rows each list shows; the
// recent subjects and places offered by the appointment editor.

// Field widths, terminator included.
constexpr int kScheduleDateChars = 11;
constexpr int kScheduleTimeChars = 6;
constexpr int kScheduleSubjectChars = 101;
constexpr int kScheduleLocationChars = 101;
constexpr int kScheduleContactChars = 52;

// One appointment (or holiday) on one day. Dates "%4d-%02d-%02d", times
// "%02d:%02d". A holiday has object id 0, start time "     ", its name as
// subject and its id as linked id.
struct ScheduleEntry {
    int32_t objectId;
    wchar_t dayDate[kScheduleDateChars];
    wchar_t startTime[kScheduleTimeChars];   // empty: all-day, or not the first day
    wchar_t endDate[kScheduleDateChars];
    wchar_t endTime[kScheduleTimeChars];
    wchar_t ownStartDate[kScheduleDateChars];
    wchar_t ownStartTime[kScheduleTimeChars];
    wchar_t ownEndDate[kScheduleDateChars];  // an all-day appointment's last day
    wchar_t ownEndTime[kScheduleTimeChars];
    wchar_t subject[kScheduleSubjectChars];
    wchar_t location[kScheduleLocationChars];
    wchar_t contact[kScheduleContactChars];  // name of the linked contact
    int32_t contactId;                       // always 0; the list carries it
    int32_t linkedId;                        // mirrored anniversary, or holiday id
    uint8_t continuation;                    // a later day added by the expansion
};

// A table starts with room for a busy month and grows as needed; list rows
// and sort order hold 16-bit entry indexes, which bounds it.
constexpr size_t kScheduleEntryRoom = 541;
constexpr size_t kScheduleEntryLimit = 65535;

struct ScheduleTable {
    std::vector<ScheduleEntry> entries;  // in the order they were read
    std::vector<uint16_t> order;         // entry indexes, sorted
    std::vector<uint16_t> rowMap;        // list row -> entry index
    bool full = false;                   // the last load stopped at the limit
};

// The month's table (read by the schedule list, the month grid, the form
// loaders and the subject lists) and the contact card's.
extern ScheduleTable MonthScheduleCache;
extern ScheduleTable ContactScheduleCache;
inline std::vector<uint16_t>& ScheduleOrder = MonthScheduleCache.order;
inline std::vector<uint16_t>& ScheduleRowMap = MonthScheduleCache.rowMap;
inline int MonthScheduleCount() { return static_cast<int>(MonthScheduleCache.entries.size()); }
inline int ContactScheduleCount() { return static_cast<int>(ContactScheduleCache.entries.size()); }
// The schedule list's rows are ScheduleRowCount (with the other lists' counts
// above); its fill keeps it equal to the size of ScheduleRowMap.

// The first day of the month the month table holds; empty until loaded and
// whenever the appointments changed, so the next load queries again.
extern wchar_t ScheduleCacheKey[kScheduleDateChars];

// The appointment the schedule lists select after their next fill (0 none).
extern CEOID AppointmentToReselect;

// Recent subjects and places for the appointment editor's combo boxes.
constexpr int kSubjectListSlots = 50;
constexpr int kSubjectListChars = 101;
extern wchar_t SubjectList[kSubjectListSlots][kSubjectListChars];
extern int SubjectListCount;
extern wchar_t LocationList[kSubjectListSlots][kSubjectListChars];
extern int LocationListCount;

// ---- the month grid's picture (mini_calendar.cpp) ------------------------------

constexpr int kGridRows = 6;
constexpr int kGridColumns = 7;
// Where each day's number was drawn and which day it is, row by row; a
// blank cell has day 0 and an empty rectangle. Read by the grid's taps.
extern RECT DayCellRects[kGridRows][kGridColumns];
extern int32_t DayCellDays[kGridRows][kGridColumns];
// The month painted last.
extern int GridYear;
extern int GridMonth;
