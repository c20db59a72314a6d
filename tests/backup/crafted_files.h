// Records of backup files written by hand, for the restore's edge cases.
#pragma once

#include "tests/backup/backup_bytes.h"

namespace backuptest {

inline const Bytes kCounterRecord = Field(5, 1, "10000") + Field(5, 2, "10000") + Field(5, 3, "10000");

// A contact, appointment or task with its old id, the fields given between
// its first and its final field, and those after its final field.
inline Bytes ContactRecord(const char* oldId, const Bytes& fields = Bytes(), const Bytes& after = Bytes())
{
    return Field(1, 1, "") + fields + Field(1, 48, oldId) + after;
}

inline Bytes AppointmentRecord(const char* oldId, const Bytes& fields = Bytes(), const Bytes& after = Bytes())
{
    return Field(2, 1, "a") + Field(2, 4, "200705311000") + Field(2, 6, "200705311100") + fields +
           Field(2, 9999, oldId) + after;
}

inline Bytes TaskRecord(const char* oldId, const Bytes& fields = Bytes())
{
    return Field(8, 1, "t") + fields + Field(8, 9999, oldId);
}

}  // namespace backuptest
