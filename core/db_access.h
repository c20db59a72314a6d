// The one way the program talks to its own databases: open by name in
// DiarySession on DiaryVolume (no sort order, or one property sorted
// case-insensitive ascending), do one thing, close.
#pragma once

#include "core/state.h"

#include <functional>
#include <initializer_list>

constexpr CEPROPID kUnsorted = 0;

// Opens the database (with the open flags, such as CEDB_AUTOINCREMENT) and
// runs work on it; false (work not run) when the database cannot be opened.
bool WithOwnDatabase(LPCWSTR name, CEPROPID sortProperty, const std::function<void(HANDLE database)>& work,
                     DWORD openFlags = 0);

// The database opened as WithOwnDatabase opens it, for work that keeps it
// open across many calls; null when it cannot be opened. The caller closes it.
HANDLE OpenOwnDatabaseHandle(LPCWSTR name, CEPROPID sortProperty);

// Creates the database with one sort order per property, in order; 1 when
// it was created, 0 when not (also when it exists).
int CreateOwnDatabase(LPCWSTR name, std::initializer_list<CEPROPID> sortProperties);

// Deletes the database; -1 when it does not exist, else the delete's result.
int DropOwnDatabase(LPCWSTR name);

// Gives the database the new name, which no other database may have; false
// when it is not there or was not renamed.
bool RenameOwnDatabase(LPCWSTR name, LPCWSTR newName);

// Writes one new record with the properties in the order given; its record
// id, 0 when it was not written.
CEOID WriteNewOwnRecord(LPCWSTR name, std::initializer_list<CEPROPVAL> properties);

// Deletes one record by its id; false when it could not be deleted.
bool DeleteOwnRecord(LPCWSTR name, CEOID record);

// Property values for writes.
CEPROPVAL I4Value(CEPROPID id, int32_t value);
CEPROPVAL TextValue(CEPROPID id, LPCWSTR text);
CEPROPVAL StreamValue(CEPROPID id, DWORD bytes, const BYTE* data);

// Seeks to the first record, then to the first whose sort property equals
// the value; the record id, 0 when there is none.
CEOID SeekFirstEqual(HANDLE database, const CEPROPVAL& value);

// One record read with all its properties, freed with the object.
class OwnRecord {
public:
    OwnRecord() = default;
    OwnRecord(const OwnRecord&) = delete;
    OwnRecord& operator=(const OwnRecord&) = delete;
    ~OwnRecord();

    // Reads the record at the database's position; false when there is none.
    bool ReadCurrent(HANDLE database);
    // The id of the record read.
    CEOID Oid() const { return oid_; }
    // The value of a property, or 0 / the empty text / null when missing.
    int32_t I4(CEPROPID id) const;
    LPCWSTR Text(CEPROPID id) const;
    const CEPROPVAL* Find(CEPROPID id) const;

private:
    void Free();
    BYTE* buffer_ = nullptr;
    WORD count_ = 0;
    CEOID oid_ = 0;
};
