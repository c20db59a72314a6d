// State of the lists, caches and previews shared across the main program,
// used on the user-interface thread only.
#pragma once

#include "platform/ce.h"
#include "core/state.h"
#include "core/text_helpers.h"

#include <cstdint>
#include <string>

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
// Rows of the task row table, whose 15-pixel rows carry a check box.
extern int TaskRowsHeld;
