// Reading an own database forward from a seek: the one walk that the memo,
// category and anniversary loaders share.
#pragma once

#include "core/db_access.h"

#include <functional>

// Seeks to the beginning, then with seekType (CEDB_SEEK_VALUEFIRSTEQUAL,
// CEDB_SEEK_VALUEGREATEROREQUAL, ...) to the first record for the value (no
// second seek when value is null), and reads records forward from there.
// visit returns false to stop; the walk also ends after the last record.
void WalkRecords(HANDLE database, DWORD seekType, const CEPROPVAL* value,
                 const std::function<bool(const OwnRecord& record)>& visit);
