#include "lists/contacts_cache.h"

#include "core/build_variant.h"
#include "core/category_mask.h"
#include "core/contact_names.h"
#include "core/item_categories.h"
#include "core/outlook_probes.h"
#include "core/wait_cursor.h"
#include "platform/outlook/client_values.h"

#include <strsafe.h>

ContactsCacheTable ContactsCache;
uint16_t ContactOrder[kContactCacheRows] = {};
IPOutlookItemCollection* ContactLoaderItems = nullptr;

namespace {

constexpr int kDirectLoader = 0;
constexpr CEOID kContactOidBase = 0x80000000;
constexpr CEPROPID kFileAs = 0x0080001F;
constexpr CEPROPID kFirstName = 0x0082001F;
constexpr CEPROPID kLastName = 0x0084001F;
constexpr CEPROPID kCompanyName = 0x008A001F;
constexpr CEPROPID kDepartment = 0x008B001F;
constexpr CEPROPID kJobTitle = 0x008C001F;
constexpr CEPROPID kMobilePhone = 0x0096001F;
constexpr CEPROPID kBusinessPhone = 0x0097001F;
constexpr CEPROPID kHomePhone = 0x0099001F;
constexpr CEPROPID kCategoryCount = 0x200F0012;
constexpr CEPROPID kContactNumber = 0x10000066;
constexpr wchar_t kNoCompany[] = L" ";
// Wide enough for the names of every category an item may have.
constexpr int kCategoriesChars = 1024;

// The place of each property a row takes among the values found first.
int FoundSlot(CEPROPID id)
{
    switch (id) {
    case kFileAs:
        return 0;
    case kCompanyName:
        return 1;
    case kDepartment:
        return 2;
    case kJobTitle:
        return 3;
    case kMobilePhone:
        return 4;
    case kBusinessPhone:
        return 5;
    case kHomePhone:
        return 6;
    case kCategoryCount:
        return 7;
    case kContactNumber:
        return 8;
    case kContactCategoryMask:
        return 9;
    }
    return -1;
}
constexpr int kFoundSlots = 10;

// The properties of one record as read, the first value of each property a
// row takes found in one pass instead of a search each.
struct RecordValues {
    const CEPROPVAL* values;
    WORD count;
    const CEPROPVAL* first[kFoundSlots] = {};

    RecordValues(const CEPROPVAL* recordValues, WORD recordCount) : values(recordValues), count(recordCount)
    {
        for (WORD i = count; i-- > 0;) {
            int slot = FoundSlot(values[i].propid);
            if (slot >= 0)
                first[slot] = &values[i];
        }
    }
    // Null for a property FoundSlot does not place, as for one not read.
    const CEPROPVAL* Find(CEPROPID id) const
    {
        const int slot = FoundSlot(id);
        return slot < 0 ? nullptr : first[slot];
    }
    LPCWSTR Text(CEPROPID id, LPCWSTR missing = L"") const
    {
        const CEPROPVAL* value = Find(id);
        return value && value->val.lpwstr ? value->val.lpwstr : missing;
    }
    // Appends every value of the property, in stored order.
    void AppendAll(CEPROPID id, LPWSTR text, size_t textChars) const
    {
        for (WORD i = 0; i < count; ++i) {
            if (values[i].propid == id && values[i].val.lpwstr)
                StringCchCatW(text, textChars, values[i].val.lpwstr);
        }
    }
};

void FillRowFromRecord(ContactCacheEntry& row, const RecordValues& record, ItemCategoryReader& categoryNames)
{
    const CEPROPVAL* number = record.Find(kContactNumber);
    row.oid = kContactOidBase + (number ? number->val.ulVal : 0);

    wchar_t name[kDirectNameChars] = L"";
    record.AppendAll(kLastName, name, kDirectNameChars);
    record.AppendAll(kFirstName, name, kDirectNameChars);
    row.name = name;
    row.company = record.Text(kCompanyName, kNoCompany);

    // Only the terminator: the whole buffer would be cleared for every row.
    wchar_t categories[kCategoriesChars];
    categories[0] = L'\0';
    if (OlderPlatformBuild) {
        if (const CEPROPVAL* mask = record.Find(kContactCategoryMask))
            LookupCategoryNamesByMask(categories, kCategoriesChars, mask->val.blob.dwCount, mask->val.blob.lpb);
    } else if (record.Find(kCategoryCount)) {
        categoryNames.Read(categories, kCategoriesChars, row.oid);
    }
    row.categories = categories;

    row.phoneKind = L'B';
    if (record.Find(kBusinessPhone)) {
        row.shownPhone = record.Text(kBusinessPhone);
    } else {
        wchar_t home[kDirectHomePhoneChars] = L"";
        StringCchCopyW(home, kDirectHomePhoneChars, record.Text(kHomePhone));
        row.shownPhone = home;
        row.phoneKind = L'H';
    }
    row.mobile = record.Text(kMobilePhone);
    row.homePhone = record.Text(kHomePhone);
    row.department = record.Text(kDepartment);
    row.jobTitle = record.Text(kJobTitle);
}

bool HasSortKey(const RecordValues& record)
{
    return record.Text(kFileAs)[0] != L'\0';
}

void FillRowFromContact(ContactCacheEntry& row, IContact* contact)
{
    long oid = 0;
    contact->get_Oid(&oid);
    row.oid = static_cast<CEOID>(oid);
    wchar_t name[kOutlookNameChars] = L"";
    StringCchCopyW(name, kOutlookNameChars, ReadContactText(contact, &IContact::get_LastName).c_str());
    StringCchCatW(name, kOutlookNameChars, ReadContactText(contact, &IContact::get_FirstName).c_str());
    row.name = name;
    row.company = ReadContactText(contact, &IContact::get_CompanyName);
    row.categories = ReadContactText(contact, &IContact::get_Categories);
    row.homePhone = ReadContactText(contact, &IContact::get_HomeTelephoneNumber);
    row.shownPhone = ReadContactText(contact, &IContact::get_BusinessTelephoneNumber);
    row.phoneKind = L'B';
    if (row.shownPhone.empty()) {
        row.shownPhone = row.homePhone;
        row.phoneKind = L'H';
    }
    row.mobile = ReadContactText(contact, &IContact::get_MobileTelephoneNumber);
    row.department = ReadContactText(contact, &IContact::get_Department);
    row.jobTitle = ReadContactText(contact, &IContact::get_JobTitle);
}

IContact* ContactAt(IPOutlookItemCollection* items, int position)
{
    IDispatch* item = nullptr;
    if (FAILED(items->Item(position, &item)) || !item)
        return nullptr;
    IContact* contact = nullptr;
    if (FAILED(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact))))
        contact = nullptr;
    item->Release();
    return contact;
}

void ClearRows(int first, int end)
{
    for (int i = first; i < end; ++i)
        ContactsCache.rows[i] = ContactCacheEntry();
}

}  // namespace

void FreeContactsCacheTexts()
{
    ClearRows(0, ContactsCache.count);
    ContactsCache.count = 0;
}

void ReleaseContactLoaderItems()
{
    if (ContactLoaderItems)
        ContactLoaderItems->Release();
    ContactLoaderItems = nullptr;
}

void ReloadContactsCache()
{
    if (Settings.ContactLoader == kDirectLoader)
        LoadContactsCacheFromDatabase();
    else
        LoadContactsCacheFromOutlook();
}

void LoadContactsCacheFromDatabase()
{
    WaitCursor wait;
    CEOID databaseOid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &databaseOid,
                                              const_cast<LPWSTR>(kContactsDatabaseName), &ContactsNameSortOrder, 0,
                                              nullptr);
    if (database == INVALID_HANDLE_VALUE || !database) {
        FreeContactsCacheTexts();
        return;
    }
    CEPROPVAL emptyKey = {};
    emptyKey.propid = kFileAs;
    emptyKey.val.lpwstr = const_cast<LPWSTR>(L"");
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    bool positioned =
        CeSeekDatabaseEx(database, CEDB_SEEK_VALUEGREATER, reinterpret_cast<DWORD_PTR>(&emptyKey), 1, nullptr) != 0;
    ItemCategoryReader categoryNames(ItemCategoryReader::kManyItems);
    // One buffer, grown by the store as needed, serves every record.
    BYTE* buffer = nullptr;
    DWORD bufferSize = 0;
    int rows = 0;
    while (positioned && rows < kContactCacheRows) {
        WORD count = 0;
        if (!CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &bufferSize, nullptr))
            break;
        RecordValues record(reinterpret_cast<const CEPROPVAL*>(buffer), count);
        // Records without a sort key sort after the others; they are not listed.
        if (HasSortKey(record)) {
            ContactOrder[rows] = static_cast<uint16_t>(rows);
            FillRowFromRecord(ContactsCache.rows[rows], record, categoryNames);
            ++rows;
        }
        positioned = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr) != 0;
    }
    LocalFree(buffer);
    CloseHandle(database);
    // Rows are filled over the last load's, whose texts keep their storage
    // for the new ones; what this load did not fill is cleared.
    ClearRows(rows, ContactsCache.count);
    ContactsCache.count = rows;
}

void LoadContactsCacheFromOutlook()
{
    WaitCursor wait;
    ReleaseContactLoaderItems();
    FreeContactsCacheTexts();
    IFolder* folder = nullptr;
    if (!OutlookApp || FAILED(OutlookApp->GetDefaultFolder(olFolderContacts, &folder)) || !folder)
        return;
    if (FAILED(folder->get_Items(&ContactLoaderItems)))
        ContactLoaderItems = nullptr;
    int total = 0;
    if (ContactLoaderItems) {
        ContactLoaderItems->Sort(poomclient::Text(L"[FullName]"), VARIANT_FALSE);
        ContactLoaderItems->get_Count(&total);
    }
    int rows = 0;
    for (int position = 1; position <= total && rows < kContactCacheRows; ++position) {
        IContact* contact = ContactAt(ContactLoaderItems, position);
        if (!contact)
            continue;
        ContactOrder[rows] = static_cast<uint16_t>(rows);
        FillRowFromContact(ContactsCache.rows[rows], contact);
        contact->Release();
        ++rows;
    }
    folder->Release();
    ContactsCache.count = rows;
}
