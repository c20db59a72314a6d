// Id counters of own memos and anniversaries, kept in the one record of
// QuillonEnv.
#pragma once

#include "core/state.h"

constexpr int32_t kFirstCounterValue = 10000;

// The next memo id / anniversary id. The counter record is rewritten in
// place; the id is always above every id the memos (anniversaries) already
// use, so a counter record that was lost or could not be advanced never
// hands out an id twice.
int32_t NextMemoId();
int32_t NextAnniversaryId();

// The largest value of an I4 id property in a database that has a sort
// order on it; 0 when it has none (or the database is missing).
int32_t LargestIdIn(LPCWSTR name, CEPROPID idProperty);
