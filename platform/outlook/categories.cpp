#include "platform/outlook/categories.h"

#include "platform/outlook/pim_store.h"
#include "platform/outlook/restriction.h"

#include <algorithm>
#include <cwctype>

namespace poom {

namespace {

constexpr CEPROPID kMainId = MAKEPROPID(1, CEVT_AUTO_I4);
constexpr CEPROPID kMainName = MAKEPROPID(2, CEVT_LPWSTR);
constexpr CEPROPID kAssocItem = MAKEPROPID(1, CEVT_UI4);
constexpr CEPROPID kAssocCategory = MAKEPROPID(2, CEVT_I4);
constexpr CEPROPID kOldNumber = MAKEPROPID(0x4002, CEVT_I2);
constexpr CEPROPID kOldName = MAKEPROPID(0x4001, CEVT_LPWSTR);
constexpr DWORD kOldMaskBytes = 15;  // the older loader reads at most 15 bytes

const wchar_t kMainDatabase[] = L"CategoryMainDB";
const wchar_t kAssocDatabase[] = L"CategoryAssocDB";
const wchar_t kOldDatabase[] = L"\\Categories Database";

struct Category {
    DWORD id = 0;
    std::wstring name;
};

// Reads records one after another into one buffer, freed with it.
class RecordReader {
public:
    explicit RecordReader(HANDLE db) : db_(db) {}
    ~RecordReader()
    {
        if (buffer_)
            LocalFree(buffer_);
    }
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // The record at the position (0 when there is none); its values stay
    // valid until the next read.
    CEOID Read(const CEPROPVAL** values, WORD* count)
    {
        *count = 0;
        CEOID oid = CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, count, nullptr, &buffer_, &size_, nullptr);
        *values = reinterpret_cast<const CEPROPVAL*>(buffer_);
        return oid;
    }

private:
    HANDLE db_;
    LPBYTE buffer_ = nullptr;
    DWORD size_ = 0;
};

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = 0, last = text.size();
    while (first < last && std::iswspace(text[first]))
        ++first;
    while (last > first && std::iswspace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// Every category of the database, with its id (or number) and name.
std::vector<Category> ReadCategories(HANDLE db, CEPROPID idProp, CEPROPID nameProp)
{
    std::vector<Category> categories;
    if (!CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr))
        return categories;
    RecordReader reader(db);
    for (;;) {
        const CEPROPVAL* values = nullptr;
        WORD count = 0;
        if (!reader.Read(&values, &count))
            break;
        Category category;
        for (WORD i = 0; i < count; ++i) {
            if (values[i].propid == idProp)
                category.id = idProp == kOldNumber ? static_cast<DWORD>(values[i].val.iVal) : values[i].val.ulVal;
            else if (values[i].propid == nameProp && values[i].val.lpwstr)
                category.name = values[i].val.lpwstr;
        }
        categories.push_back(category);
        if (!CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            break;
    }
    return categories;
}

// The category database, open in the order it is created with, as the
// store keeps it (not to be closed).
HANDLE OpenSortedOn(const wchar_t* name, CEPROPID first, CEPROPID second = 0)
{
    SORTORDERSPECEX sort = SortOn(first, 0, second, 0);
    return PimStore::Instance().KeptOther(name, &sort, &sort, 1);
}

HANDLE OpenMain()
{
    return OpenSortedOn(kMainDatabase, kMainId);
}

HANDLE OpenAssoc()
{
    return OpenSortedOn(kAssocDatabase, kAssocItem, kAssocCategory);
}

HANDLE OpenOld()
{
    return OpenSortedOn(kOldDatabase, kOldNumber);
}

// The category of that name (without case), created when missing.
bool FindOrCreate(HANDLE db, bool older, std::vector<Category>& known, const std::wstring& name, Category* found)
{
    for (const Category& category : known) {
        if (CompareTextIgnoringCase(category.name, name) == 0) {
            *found = category;
            return true;
        }
    }
    Category created;
    created.name = name;
    CEPROPVAL values[2] = {};
    values[1].propid = older ? kOldName : kMainName;
    values[1].val.lpwstr = const_cast<LPWSTR>(name.c_str());
    if (older) {
        // The lowest number not taken that a mask can hold.
        DWORD number = 0;
        while (number < kOldMaskBytes * 8 &&
               std::any_of(known.begin(), known.end(), [&](const Category& c) { return c.id == number; }))
            ++number;
        if (number >= kOldMaskBytes * 8)
            return false;
        created.id = number;
        values[0].propid = kOldNumber;
        values[0].val.iVal = static_cast<short>(number);
    } else {
        values[0].propid = kMainId;  // numbered by the store
    }
    CEOID oid = CeWriteRecordProps(db, 0, 2, values);
    if (!oid)
        return false;
    if (!older)
        created.id = oid & 0x7FFFFFFFu;
    known.push_back(created);
    *found = created;
    return true;
}

}  // namespace

std::vector<std::wstring> SplitCategoryList(const std::wstring& text)
{
    std::vector<std::wstring> names;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos)
            comma = text.size();
        std::wstring name = Trimmed(text.substr(start, comma - start));
        bool repeat = std::any_of(names.begin(), names.end(),
                                  [&](const std::wstring& n) { return CompareTextIgnoringCase(n, name) == 0; });
        if (!name.empty() && !repeat)
            names.push_back(name);
        start = comma + 1;
    }
    return names;
}

bool ResolveCategories(const std::wstring& text, ResolvedCategories* result)
{
    *result = ResolvedCategories{};
    std::vector<std::wstring> names = SplitCategoryList(text);
    if (names.empty())
        return true;
    auto hold = PimStore::Instance().Hold();
    bool older = PimStore::Instance().OlderBuild();
    HANDLE db = older ? OpenOld() : OpenMain();
    if (db == INVALID_HANDLE_VALUE)
        return false;
    std::vector<Category> known = ReadCategories(db, older ? kOldNumber : kMainId, older ? kOldName : kMainName);
    std::vector<Category> chosen;
    bool ok = true;
    for (const std::wstring& name : names) {
        Category category;
        if (!FindOrCreate(db, older, known, name, &category)) {
            ok = false;
            break;
        }
        chosen.push_back(category);
    }
    if (!ok)
        return false;
    std::stable_sort(chosen.begin(), chosen.end(), [](const Category& a, const Category& b) { return a.id < b.id; });
    for (const Category& category : chosen) {
        if (!result->text.empty())
            result->text += L", ";
        result->text += category.name;
        result->ids.push_back(category.id);
        if (older) {
            size_t byte = category.id / 8;
            if (result->marks.mask.size() <= byte)
                result->marks.mask.resize(byte + 1);
            result->marks.mask[byte] |= static_cast<BYTE>(1u << (category.id % 8));
        }
    }
    result->marks.count = static_cast<WORD>(chosen.size());
    return true;
}

bool AssociateCategories(CEOID item, bool itemIsNew, const std::vector<DWORD>& ids)
{
    if (PimStore::Instance().OlderBuild())
        return true;
    if (itemIsNew && ids.empty())
        return true;
    auto hold = PimStore::Instance().Hold();
    HANDLE db = OpenAssoc();
    if (db == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    if (!itemIsNew)
        ForgetCategories(item);
    for (DWORD id : ids) {
        CEPROPVAL values[2] = {};
        values[0].propid = kAssocItem;
        values[0].val.ulVal = item;
        values[1].propid = kAssocCategory;
        values[1].val.lVal = static_cast<long>(id);
        if (!CeWriteRecordProps(db, 0, 2, values))
            ok = false;
    }
    return ok;
}

void ForgetCategories(CEOID item)
{
    if (PimStore::Instance().OlderBuild())
        return;
    auto hold = PimStore::Instance().Hold();
    HANDLE db = OpenAssoc();
    if (db == INVALID_HANDLE_VALUE)
        return;
    CEPROPVAL key = {};
    key.propid = kAssocItem;
    key.val.ulVal = item;
    if (CeSeekDatabaseEx(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, nullptr)) {
        RecordReader reader(db);
        for (;;) {
            const CEPROPVAL* values = nullptr;
            WORD count = 0;
            CEOID oid = reader.Read(&values, &count);
            if (!oid)
                break;
            bool same = false;
            for (WORD i = 0; i < count; ++i)
                if (values[i].propid == kAssocItem)
                    same = values[i].val.ulVal == item;
            if (!same || !CeDeleteRecord(db, oid))
                break;
            // After the delete the position holds the record that followed.
        }
    }
}

}  // namespace poom
