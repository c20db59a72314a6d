#include "lists/contact_filters.h"

#include "core/hangul_search.h"
#include "core/wait_cursor.h"
#include "lists/contact_selection.h"
#include "lists/list_refill.h"
#include "mainwindow/state.h"

#include <strsafe.h>

#include <functional>

uint16_t IndexFilterOrder[kContactCacheRows] = {};
uint16_t SearchFilterOrder[kContactCacheRows] = {};
uint16_t KeypadFilterOrder[kContactCacheRows] = {};
uint16_t CompanyFilterOrder[kContactCacheRows] = {};
uint16_t GroupFilterOrder[kContactCacheRows] = {};
int ContactTabCount = 0;
int KeypadSearchCount = 0;
int CompanyContactCount = 0;
int GroupContactCount = 0;
CEOID ContactToReselect = 0;

namespace {

// Fields a search can look in; a letter names a set of them.
enum ContactField : unsigned {
    kName = 1u << 0,
    kNameInitials = 1u << 1,
    kCompany = 1u << 2,
    kCompanyInitials = 1u << 3,
    kNameKeys = 1u << 4,
    kCompanyKeys = 1u << 5,
    kMobileDigits = 1u << 6,
    kShownDigits = 1u << 7,
    kHomeDigits = 1u << 8,
};
constexpr unsigned kPhoneDigits = kMobileDigits | kShownDigits | kHomeDigits;

struct SearchFields {
    char letter;
    unsigned searchBox;
    unsigned keypad;
};
const SearchFields kSearchFields[] = {
    {'N', kName | kNameInitials, kNameKeys},
    {'C', kCompany | kCompanyInitials, kCompanyKeys},
    {'S', kPhoneDigits | kCompany | kCompanyInitials | kName | kNameInitials, kPhoneDigits | kCompanyKeys | kNameKeys},
    {'T', kPhoneDigits, kPhoneDigits},
};

// The Hangul syllables of each consonant tab (a tense consonant shares the
// tab of its plain one); tab 0 is everyone.
struct ConsonantRange {
    wchar_t first;
    wchar_t last;
};
const ConsonantRange kConsonantTabs[] = {
    {0, 0},
    {0xAC00, 0xB097},  // ㄱ ㄲ
    {0xB098, 0xB2E3},  // ㄴ
    {0xB2E4, 0xB77B},  // ㄷ ㄸ
    {0xB77C, 0xB9C7},  // ㄹ
    {0xB9C8, 0xBC13},  // ㅁ
    {0xBC14, 0xC0AB},  // ㅂ ㅃ
    {0xC0AC, 0xC543},  // ㅅ ㅆ
    {0xC544, 0xC78F},  // ㅇ
    {0xC790, 0xCC27},  // ㅈ ㅉ
    {0xCC28, 0xCE73},  // ㅊ
    {0xCE74, 0xD0BF},  // ㅋ
    {0xD0C0, 0xD30B},  // ㅌ
    {0xD30C, 0xD557},  // ㅍ
    {0xD558, 0xD79D},  // ㅎ
};
constexpr int kConsonantTabCount = ARRAYSIZE(kConsonantTabs);

// Transformed fields are cut to this for matching.
constexpr int kFieldChars = 256;

// The text of one field of the row; transforms go into buffer.
const wchar_t* FieldText(const ContactCacheEntry& row, ContactField field, wchar_t* buffer)
{
    switch (field) {
    case kName: return row.name.c_str();
    case kCompany: return row.company.c_str();
    case kNameInitials: HangulToInitials(buffer, kFieldChars, row.name.c_str()); break;
    case kCompanyInitials: HangulToInitials(buffer, kFieldChars, row.company.c_str()); break;
    case kNameKeys: HangulToKeypadDigits(buffer, kFieldChars, row.name.c_str(), Settings.KeypadLayout); break;
    case kCompanyKeys: HangulToKeypadDigits(buffer, kFieldChars, row.company.c_str(), Settings.KeypadLayout); break;
    case kMobileDigits: KeepDialDigits(buffer, kFieldChars, row.mobile.c_str()); break;
    case kShownDigits: KeepDialDigits(buffer, kFieldChars, row.shownPhone.c_str()); break;
    case kHomeDigits: KeepDialDigits(buffer, kFieldChars, row.homePhone.c_str()); break;
    }
    return buffer;
}

bool AnyFieldContains(const ContactCacheEntry& row, unsigned fields, const wchar_t* pattern)
{
    wchar_t buffer[kFieldChars];
    for (unsigned field = 1; field <= kHomeDigits; field <<= 1) {
        if ((fields & field) && TextContains(FieldText(row, static_cast<ContactField>(field), buffer), pattern))
            return true;
    }
    return false;
}

const SearchFields* FieldsOf(char letter)
{
    for (const SearchFields& fields : kSearchFields) {
        if (fields.letter == letter)
            return &fields;
    }
    return nullptr;
}

// One contact list with what a refill writes.
struct ContactListTarget {
    HWND list;
    uint16_t* order;
    int* count;
    int* selection;
    bool reselect;  // select ContactToReselect again when it is listed
};

int PositionOf(const uint16_t* order, int count, CEOID oid)
{
    for (int i = 0; i < count; ++i) {
        if (ContactsCache.rows[order[i]].oid == oid)
            return i;
    }
    return -1;
}

void RefillContactList(const ContactListTarget& target, const std::function<bool(const ContactCacheEntry&)>& matches)
{
    HWND list = target.list;
    bool shown = BeginListRefill(list);
    int count = 0;
    for (int i = 0; i < ContactsCache.count; ++i) {
        uint16_t row = ContactOrder[i];
        if (matches(ContactsCache.rows[row]))
            target.order[count++] = row;
    }
    *target.count = count;
    if (list)
        SendMessageW(list, LVM_SETITEMCOUNT, count, 0);

    int& selection = *target.selection;
    if (target.reselect && ContactToReselect != 0) {
        int found = PositionOf(target.order, count, ContactToReselect);
        if (found >= 0)
            selection = found;
    }
    // A row the list no longer has cannot stay selected.
    if (selection >= count)
        selection = count - 1;
    if (selection < 0)
        selection = 0;
    SelectCachedContact(count > 0 ? &ContactsCache.rows[target.order[selection]] : nullptr);

    EndListRefill(list, shown, selection);
}

}  // namespace

bool ContactUnderTab(const ContactCacheEntry& row, int tab)
{
    if (tab == kIndexTabAll)
        return true;
    if (tab < 0 || tab >= kConsonantTabCount || row.name.empty())
        return false;
    wchar_t first = row.name[0];
    return first >= kConsonantTabs[tab].first && first <= kConsonantTabs[tab].last;
}

bool ContactMatchesSearch(const ContactCacheEntry& row, char field, const wchar_t* pattern)
{
    const SearchFields* fields = FieldsOf(field);
    return fields && AnyFieldContains(row, fields->searchBox, pattern);
}

bool ContactMatchesKeypad(const ContactCacheEntry& row, char field, const wchar_t* digits)
{
    const SearchFields* fields = FieldsOf(field);
    return fields && AnyFieldContains(row, fields->keypad, digits);
}

void FilterContactsByInitial()
{
    if (IndexTab == kIndexTabSearch) {
        FilterContactsBySearch();
        return;
    }
    int tab = IndexTab;
    RefillContactList({ContactList, IndexFilterOrder, &ContactTabCount, &ViewSelection[0], true},
                      [tab](const ContactCacheEntry& row) { return ContactUnderTab(row, tab); });
}

void FilterContactsBySearch()
{
    char field = ContactSearchField;
    RefillContactList({ContactList, SearchFilterOrder, &ContactTabCount, &ViewSelection[0], false},
                      [field](const ContactCacheEntry& row) {
                          return ContactMatchesSearch(row, field, ContactSearchText);
                      });
}

void FilterContactsByKeypad()
{
    char field = KeypadSearchField;
    RefillContactList({KeypadResultList, KeypadFilterOrder, &KeypadSearchCount, &ViewSelection[1], false},
                      [field](const ContactCacheEntry& row) { return ContactMatchesKeypad(row, field, KeypadText); });
}

void FilterContactsByCompany()
{
    WaitCursor wait;
    bool withoutCompany = wcscmp(CompanyChoice, kNoCompanyRow) == 0;
    RefillContactList({CompanyContactList, CompanyFilterOrder, &CompanyContactCount, &ViewSelection[2], true},
                      [withoutCompany](const ContactCacheEntry& row) {
                          wchar_t company[kCompanyChoiceChars];
                          StringCchCopyW(company, kCompanyChoiceChars, row.company.c_str());
                          TrimBlanks(company);
                          return withoutCompany ? company[0] == L'\0' : wcscmp(company, CompanyChoice) == 0;
                      });
}

void FilterContactsByGroup()
{
    WaitCursor wait;
    bool withoutGroup = wcscmp(GroupChoice, kNoGroupRow) == 0;
    RefillContactList({GroupContactList, GroupFilterOrder, &GroupContactCount, &ViewSelection[3], true},
                      [withoutGroup](const ContactCacheEntry& row) {
                          if (row.categories.empty())
                              return withoutGroup;
                          if (withoutGroup)
                              return false;
                          CommaPart parts[kMaxGroupParts];
                          int count = SplitCommaList(row.categories.c_str(), parts, kMaxGroupParts);
                          for (int i = 0; i < count; ++i) {
                              if (wcscmp(parts[i], GroupChoice) == 0)
                                  return true;
                          }
                          return false;
                      });
}
