// The system PIM databases under the object model: "Contacts Database",
// "Appointments Database" and "Tasks Database" in "\pim.vol", or in the
// object store itself when the device is a Windows CE 3 one (the older
// build's mode, CeMajorVersion below 4 in the device profile). One instance
// per process; every call is its own store transaction (or ends one, see
// EndBatch), so other processes see each save and delete as soon as the
// call returns.
#pragma once

#include "platform/outlook/item_data.h"
#include "platform/outlook/record_codec.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace poom {

// A sort order on one property, or on two.
SORTORDERSPECEX SortOn(CEPROPID first, DWORD flags, CEPROPID second = 0, DWORD secondFlags = 0);

class PimStore {
public:
    static PimStore& Instance();

    // Mounts the volume and creates the databases that are missing.
    bool Ensure();
    // Closes every handle and unmounts (test reset).
    void Close();

    // The older build's mode, as it was when the store was opened.
    bool OlderBuild();
    int DeviceMajorVersion();
    // The volume of the PIM databases (the object store in the older mode).
    CEGUID Volume();

    bool ReadAll(ItemKind kind, std::vector<ItemData>* items);
    bool Read(ItemKind kind, CEOID oid, ItemData* item);
    // The item with that id, whatever its kind.
    bool Find(CEOID oid, ItemData* item);
    // Writes the item's record and gives it its id; false with the store's
    // error as the thread's last error.
    bool Write(ItemData* item, const CategoryMarks& marks);
    bool Delete(ItemKind kind, CEOID oid);
    // Several writes as one store transaction (nesting); other processes
    // see them, and hear of them, when the outermost EndBatch returns.
    // False with the store's error as the thread's last error.
    bool BeginBatch();
    bool EndBatch();
    // The record count of the kind's database, as every process sees it.
    DWORD Count(ItemKind kind);
    // Counts this process's saves and deletes of the kind.
    unsigned long long Generation(ItemKind kind);
    // The records of the kind this process deleted after the generation
    // given, when it did nothing else to the kind since; false when it also
    // saved one, or when that is too long ago to tell.
    bool DeletedSince(ItemKind kind, unsigned long long generation, std::vector<CEOID>* deleted);

    // A database of the PIM volume by name in the sort order given, created
    // with the sort orders given when missing; INVALID_HANDLE_VALUE on
    // failure. It is opened once and kept for the process while that
    // database exists (one deleted since is opened afresh). The caller holds
    // Hold() while it uses the handle, seeks before it reads, and does not
    // close it.
    HANDLE KeptOther(const wchar_t* name, const SORTORDERSPECEX* sort, const SORTORDERSPECEX* create,
                     WORD createCount);
    std::unique_lock<std::recursive_mutex> Hold();

private:
    PimStore() = default;
    // One save or delete, by the generation it made.
    struct Change {
        unsigned long long generation;
        CEOID oid;
        bool deleted;
    };
    struct Table {
        HANDLE handle = INVALID_HANDLE_VALUE;
        CEOID oid = 0;
        unsigned long long generation = 0;
        std::deque<Change> changes;  // the latest few
    };
    struct KeptDatabase {
        std::wstring name;
        SORTORDERSPECEX sort;
        HANDLE handle;
        CEOID oid;
    };
    void Note(Table& table, CEOID oid, bool deleted);
    Table& TableOf(ItemKind kind);
    bool OpenTables();
    bool ReadCurrent(ItemKind kind, Table& table, ItemData* item);
    HANDLE OpenOrCreate(const wchar_t* name, const SORTORDERSPECEX* sort, const SORTORDERSPECEX* create,
                        WORD createCount, CEOID* oid);
    void CloseKept();

    std::recursive_mutex lock_;
    bool open_ = false;
    bool mounted_ = false;
    bool olderBuild_ = false;
    CEGUID volume_ = {};
    Table tables_[3];
    std::vector<KeptDatabase> kept_;
    LPBYTE buffer_ = nullptr;
    DWORD bufferSize_ = 0;
};

}  // namespace poom
