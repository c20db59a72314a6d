#include "core/item_categories.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace {

constexpr wchar_t kAssociationDatabase[] = L"CategoryAssocDB";
constexpr wchar_t kCategoryDatabase[] = L"CategoryMainDB";
constexpr CEPROPID kAssociationItem = 0x00010013;      // UI4: the item's object id
constexpr CEPROPID kAssociationCategory = 0x00020003;  // I4: the category id
constexpr CEPROPID kCategoryId = 0x00010066;           // auto-numbered
constexpr CEPROPID kCategoryName = 0x0002001F;
constexpr WORD kCategoryKeyFlags = 0x200;
constexpr wchar_t kNameSeparator[] = L", ";

HANDLE OpenSorted(LPCWSTR name, CEPROPID first, CEPROPID second)
{
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = second ? 2 : 1;
    sort.wKeyFlags = kCategoryKeyFlags;
    sort.rgPropID[0] = first;
    sort.rgPropID[1] = second;
    CEOID oid = 0;
    HANDLE database =
        CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), &sort, 0, nullptr);
    return database == INVALID_HANDLE_VALUE ? nullptr : database;
}

// For a walk of every record: in insertion order, which needs no sort keys,
// each read moving on to the next record, so that a record takes one call.
HANDLE OpenForWalk(LPCWSTR name)
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr,
                                              CEDB_AUTOINCREMENT, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return nullptr;
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    return database;
}

// Positions the database on the first record whose sort key starts with the
// value (a value seek starts from the first record); false when none has.
bool SeekFirst(HANDLE database, CEPROPVAL value)
{
    return CeSeekDatabaseEx(database, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), 1, nullptr) != 0;
}

const CEPROPVAL* FindValue(const BYTE* buffer, WORD count, CEPROPID id)
{
    const CEPROPVAL* values = reinterpret_cast<const CEPROPVAL*>(buffer);
    for (WORD i = 0; i < count; ++i) {
        if (values[i].propid == id)
            return &values[i];
    }
    return nullptr;
}

// Appends the separator (unless the text is empty) and the name when both
// fit whole; false, with nothing appended, when they do not.
bool AppendName(LPWSTR text, size_t textChars, LPCWSTR name)
{
    size_t used = wcslen(text);
    size_t separator = used ? wcslen(kNameSeparator) : 0;
    size_t length = wcslen(name);
    if (used + separator + length >= textChars)
        return false;
    wmemcpy(text + used, kNameSeparator, separator);
    wmemcpy(text + used + separator, name, length + 1);
    return true;
}

}  // namespace

bool ItemCategoryReader::ByItemThenCategory(const Association& a, const Association& b)
{
    return a.item != b.item ? a.item < b.item : a.category < b.category;
}

ItemCategoryReader::ItemCategoryReader(Use use)
    : associationDatabase_(use == kManyItems
                               ? OpenForWalk(kAssociationDatabase)
                               : OpenSorted(kAssociationDatabase, kAssociationItem, kAssociationCategory)),
      categoryDatabase_(use == kManyItems ? OpenForWalk(kCategoryDatabase)
                                          : OpenSorted(kCategoryDatabase, kCategoryId, 0))
{
    if (use == kManyItems) {
        ReadAllAssociations();
        ReadAllNames();
    }
}

// Every association, read in insertion order, then put by item, the ids in
// category-id order.
void ItemCategoryReader::ReadAllAssociations()
{
    allAssociationsRead_ = true;
    if (!associationDatabase_)
        return;
    WORD properties = 0;
    while (ReadNext(associationDatabase_, &properties)) {
        const CEPROPVAL* owner = FindValue(buffer_, properties, kAssociationItem);
        const CEPROPVAL* category = FindValue(buffer_, properties, kAssociationCategory);
        if (owner && category)
            associations_.push_back({owner->val.ulVal, category->val.lVal});
    }
    // The lookup relies on this order.
    std::sort(associations_.begin(), associations_.end(), ByItemThenCategory);
}

// Every category's name, in one walk instead of a seek per category. Of two
// records with one id the first stored is taken, as a seek would find it.
void ItemCategoryReader::ReadAllNames()
{
    allNamesRead_ = true;
    if (!categoryDatabase_)
        return;
    WORD properties = 0;
    while (ReadNext(categoryDatabase_, &properties)) {
        const CEPROPVAL* id = FindValue(buffer_, properties, kCategoryId);
        const CEPROPVAL* name = FindValue(buffer_, properties, kCategoryName);
        if (id)
            names_.emplace(id->val.lVal, name && name->val.lpwstr ? name->val.lpwstr : L"");
    }
}

// The next record of a walk into the buffer; false after the last.
bool ItemCategoryReader::ReadNext(HANDLE database, WORD* properties)
{
    return CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, properties, nullptr, &buffer_, &bufferSize_, nullptr) != 0;
}

ItemCategoryReader::~ItemCategoryReader()
{
    LocalFree(buffer_);
    if (associationDatabase_)
        CloseHandle(associationDatabase_);
    if (categoryDatabase_)
        CloseHandle(categoryDatabase_);
}

// The ids of the item's categories, in id order (the sort order's second key).
int ItemCategoryReader::ReadCategoryIds(CEOID itemOid, long* ids)
{
    if (allAssociationsRead_) {
        auto first = std::lower_bound(associations_.begin(), associations_.end(), Association{itemOid, LONG_MIN},
                                      ByItemThenCategory);
        int count = 0;
        for (auto at = first; at != associations_.end() && at->item == itemOid && count < kMaxItemCategories; ++at)
            ids[count++] = at->category;
        return count;
    }
    if (!associationDatabase_)
        return 0;
    CEPROPVAL item = {};
    item.propid = kAssociationItem;
    item.val.ulVal = itemOid;
    int count = 0;
    bool positioned = SeekFirst(associationDatabase_, item);
    while (positioned && count < kMaxItemCategories) {
        WORD properties = 0;
        if (!CeReadRecordPropsEx(associationDatabase_, CEDB_ALLOWREALLOC, &properties, nullptr, &buffer_, &bufferSize_,
                                 nullptr))
            break;
        const CEPROPVAL* owner = FindValue(buffer_, properties, kAssociationItem);
        const CEPROPVAL* category = FindValue(buffer_, properties, kAssociationCategory);
        if (!owner || owner->val.ulVal != itemOid)
            break;
        if (category)
            ids[count++] = category->val.lVal;
        positioned = CeSeekDatabaseEx(associationDatabase_, CEDB_SEEK_CURRENT, 1, 0, nullptr) != 0;
    }
    return count;
}

void ItemCategoryReader::Read(LPWSTR textOut, size_t textChars, CEOID itemOid)
{
    if (!textOut || textChars == 0)
        return;
    textOut[0] = L'\0';
    long ids[kMaxItemCategories];
    int count = ReadCategoryIds(itemOid, ids);
    if (count == 0 || !categoryDatabase_)
        return;
    for (int i = 0; i < count; ++i) {
        const std::wstring* name = CategoryName(ids[i]);
        if (name && !AppendName(textOut, textChars, name->c_str()))
            break;
    }
}

// The name of a category, read once per reader; null when there is none.
const std::wstring* ItemCategoryReader::CategoryName(long id)
{
    auto known = names_.find(id);
    if (known != names_.end())
        return &known->second;
    if (allNamesRead_)
        return nullptr;
    CEPROPVAL key = {};
    key.propid = kCategoryId;
    key.val.lVal = id;
    WORD properties = 0;
    if (!SeekFirst(categoryDatabase_, key) ||
        !CeReadRecordPropsEx(categoryDatabase_, CEDB_ALLOWREALLOC, &properties, nullptr, &buffer_, &bufferSize_, nullptr))
        return nullptr;
    const CEPROPVAL* name = FindValue(buffer_, properties, kCategoryName);
    return &(names_[id] = name && name->val.lpwstr ? name->val.lpwstr : L"");
}

void GetItemCategories(LPWSTR textOut, size_t textChars, CEOID itemOid)
{
    ItemCategoryReader reader;
    reader.Read(textOut, textChars, itemOid);
}
