// The category names of a Pocket Outlook item, read from the system
// category databases.
#pragma once

#include "core/state.h"

#include <map>
#include <string>
#include <vector>

// An item has at most this many category associations read.
constexpr int kMaxItemCategories = 101;

// Reads the names of items with the two category databases opened once.
// For many items (a loader of every contact) it reads all associations and
// all category names at once instead of seeking each item's and each name.
class ItemCategoryReader {
public:
    enum Use { kFewItems, kManyItems };
    explicit ItemCategoryReader(Use use = kFewItems);
    ~ItemCategoryReader();
    ItemCategoryReader(const ItemCategoryReader&) = delete;
    ItemCategoryReader& operator=(const ItemCategoryReader&) = delete;

    // As GetItemCategories.
    void Read(LPWSTR textOut, size_t textChars, CEOID itemOid);

private:
    int ReadCategoryIds(CEOID itemOid, long* ids);
    void ReadAllAssociations();
    void ReadAllNames();
    bool ReadNext(HANDLE database, WORD* properties);
    const std::wstring* CategoryName(long id);

    HANDLE associationDatabase_ = nullptr;
    HANDLE categoryDatabase_ = nullptr;
    BYTE* buffer_ = nullptr;  // one record buffer, grown by the store
    DWORD bufferSize_ = 0;
    std::map<long, std::wstring> names_;
    bool allAssociationsRead_ = false;
    bool allNamesRead_ = false;
    // Every association read at once, by item, then category id; one flat
    // table, as a loader of every contact looks up thousands of items.
    struct Association {
        CEOID item;
        long category;
    };
    std::vector<Association> associations_;
    static bool ByItemThenCategory(const Association& a, const Association& b);
};

// The item's category names joined with ", ", in category-id order; the
// empty text when it has none or the databases cannot be read. Only whole
// names that fit textChars (terminator included) are taken.
void GetItemCategories(LPWSTR textOut, size_t textChars, CEOID itemOid);
