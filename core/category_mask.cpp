#include "core/category_mask.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kCategoriesDatabase[] = L"\\Categories Database";
constexpr CEPROPID kCategoryNumber = 0x40020002;
constexpr CEPROPID kCategoryName = 0x4001001F;
constexpr wchar_t kSeparator[] = L", ";
constexpr size_t kCategoryNameChars = 128;

HANDLE OpenCategoriesByNumber()
{
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 1;
    sort.rgPropID[0] = kCategoryNumber;
    CEOID oid = 0;
    return CeOpenDatabaseEx2(&objectStore, &oid, const_cast<LPWSTR>(kCategoriesDatabase), &sort, 0, nullptr);
}

// The name of category number; false when the database cannot be opened.
// name is empty when there is no such category.
bool ReadCategoryName(int number, wchar_t* name, size_t nameChars)
{
    name[0] = L'\0';
    HANDLE database = OpenCategoriesByNumber();
    if (database == INVALID_HANDLE_VALUE || !database)
        return false;
    DWORD index = 0;
    CEPROPVAL key = {};
    key.propid = kCategoryNumber;
    key.val.iVal = static_cast<short>(number);
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
    // A failed seek leaves the position where it was: reading then would
    // give another category's name.
    if (CeSeekDatabaseEx(database, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, &index)) {
        CEPROPID wanted = kCategoryName;
        WORD count = 1;
        BYTE* buffer = nullptr;
        DWORD bufferSize = 0;
        if (CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, &wanted, &buffer, &bufferSize, nullptr)) {
            const CEPROPVAL* value = reinterpret_cast<const CEPROPVAL*>(buffer);
            if (count == 1 && value->propid == kCategoryName && value->val.lpwstr)
                StringCchCopyW(name, nameChars, value->val.lpwstr);
        }
        LocalFree(buffer);
    }
    CloseHandle(database);
    return true;
}

void AppendWhole(LPWSTR text, size_t textChars, LPCWSTR name)
{
    const size_t used = wcslen(text);
    const size_t separator = used ? wcslen(kSeparator) : 0;
    if (used + separator + wcslen(name) + 1 > textChars)
        return;
    if (separator)
        StringCchCatW(text, textChars, kSeparator);
    StringCchCatW(text, textChars, name);
}

}  // namespace

void LookupCategoryNamesByMask(LPWSTR text, size_t textChars, DWORD byteCount, const BYTE* maskBytes)
{
    if (!text || textChars == 0)
        return;
    text[0] = L'\0';
    if (byteCount == 0 || !maskBytes)
        return;
    // Bits beyond the bytes read have no digit and are not looked at.
    const DWORD bytes = byteCount < kCategoryMaskBytesRead ? byteCount : kCategoryMaskBytesRead;
    bool digits[kCategoryMaskBytesRead * 8] = {};
    for (DWORD i = 0; i < bytes * 8; ++i)
        digits[i] = (maskBytes[i / 8] >> (i % 8)) & 1;
    for (DWORD i = 0; i < bytes * 8; ++i) {
        if (!digits[i])
            continue;
        wchar_t name[kCategoryNameChars];
        if (!ReadCategoryName(static_cast<int>(i), name, kCategoryNameChars))
            return;
        if (name[0])
            AppendWhole(text, textChars, name);
    }
}
