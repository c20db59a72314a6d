// The rows of the program's own databases as the backup holds them: for
// each kind, its database and the property behind each field. The last
// field of a kind is its final field. The write pass reads the rows through
// this table and the check and restore passes keep the fields by it.
#pragma once

#include "backup/backup_file.h"

#include <span>
#include <string>

enum class OwnEncoding { Number, Text, Body };

struct OwnField {
    WORD id;
    CEPROPID property;
    OwnEncoding encoding;
};

struct OwnRowKind {
    BYTE kind;
    const wchar_t* database;
    std::span<const OwnField> fields;
};

// The six kinds of rows, in the order the file holds them (the counter
// record, which comes first, has its own writer).
std::span<const OwnRowKind> OwnRowKinds();
const OwnRowKind* FindOwnRowKind(BYTE kind);

// The field values of one row being read back, by field id; a record
// starts with every value empty.
class OwnRowValues {
public:
    void Clear();
    void Keep(WORD id, const BYTE* data, size_t length);
    const std::string& Data(WORD id) const;
    std::wstring Text(WORD id) const;
    uint32_t Number(WORD id) const;
    // The first character of a one-character code, 0 when empty.
    wchar_t Letter(WORD id) const;

private:
    static constexpr WORD kMaxOwnField = 16;
    std::string values_[kMaxOwnField + 1];
};
