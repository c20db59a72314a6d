#include "core/item_categories.h"

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

SORTORDERSPECEX SortOn(CEPROPID first, CEPROPID second)
{
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = second ? 2 : 1;
    sort.wKeyFlags = kCategoryKeyFlags;
    sort.rgPropID[0] = first;
    sort.rgPropID[1] = second;
    return sort;
}

HANDLE OpenSorted(LPCWSTR name, SORTORDERSPECEX sort)
{
    CEOID oid = 0;
    HANDLE database =
        CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), &sort, 0, nullptr);
    return database == INVALID_HANDLE_VALUE ? nullptr : database;
}

// Positions the database on the first record whose sort key starts with the
// value; false when there is none.
bool SeekFirst(HANDLE database, CEPROPVAL value)
{
    DWORD index = 0;
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
    return CeSeekDatabaseEx(database, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), 1, &index) != 0;
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

// The ids of the item's categories, in id order (the sort order's second key).
int ReadCategoryIds(CEOID itemOid, long* ids)
{
    HANDLE database = OpenSorted(kAssociationDatabase, SortOn(kAssociationItem, kAssociationCategory));
    if (!database)
        return 0;
    CEPROPVAL item = {};
    item.propid = kAssociationItem;
    item.val.ulVal = itemOid;
    int count = 0;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    bool positioned = SeekFirst(database, item);
    while (positioned && count < kMaxItemCategories) {
        WORD properties = 0;
        if (!CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &properties, nullptr, &buffer, &size, nullptr))
            break;
        const CEPROPVAL* owner = FindValue(buffer, properties, kAssociationItem);
        const CEPROPVAL* category = FindValue(buffer, properties, kAssociationCategory);
        if (!owner || owner->val.ulVal != itemOid)
            break;
        if (category)
            ids[count++] = category->val.lVal;
        DWORD index = 0;
        positioned = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index) != 0;
    }
    LocalFree(buffer);
    CloseHandle(database);
    return count;
}

}  // namespace

void GetItemCategories(LPWSTR textOut, size_t textChars, CEOID itemOid)
{
    if (!textOut || textChars == 0)
        return;
    textOut[0] = L'\0';
    long ids[kMaxItemCategories];
    int count = ReadCategoryIds(itemOid, ids);
    if (count == 0)
        return;
    HANDLE database = OpenSorted(kCategoryDatabase, SortOn(kCategoryId, 0));
    if (!database)
        return;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    for (int i = 0; i < count; ++i) {
        CEPROPVAL id = {};
        id.propid = kCategoryId;
        id.val.lVal = ids[i];
        WORD properties = 0;
        if (!SeekFirst(database, id) ||
            !CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &properties, nullptr, &buffer, &size, nullptr))
            continue;
        const CEPROPVAL* name = FindValue(buffer, properties, kCategoryName);
        if (!AppendName(textOut, textChars, name && name->val.lpwstr ? name->val.lpwstr : L""))
            break;
    }
    LocalFree(buffer);
    CloseHandle(database);
}
