// A diary with something of every kind, and the comparison of two backups
// of one diary taken before and after a restore.
#pragma once

#include "tests/backup/diary_fixture.h"

namespace backuptest {

struct SampleDiary {
    std::vector<CEOID> contacts;      // in the order they were made
    std::vector<CEOID> appointments;
    std::vector<CEOID> tasks;
};

// Contacts made in an order their file-as names do not follow (so a fresh
// device hands a later contact's old id to an earlier one), with ink, a
// picture, one too large for a field, further properties; appointments
// with a changed and a deleted occurrence, recipients, an anniversary's
// mirror; tasks, one recurring; links (one to no contact, one to an item
// not in the diary), memos with and without a contact, an anniversary with
// its text, a Notes file link and the counters.
SampleDiary MakeSampleDiary();

// Expects backup b to hold what backup a held, as a restore of a gives it:
// the same records in the same order where only the items' object ids (and
// the rows' fields that name them), the ids of memos linked to a restored
// contact (taken from the memo counter, which rises by their count), links
// of a restored item to no contact (dropped) and a picture too large for a
// field (an empty field 100 in a, none in b) differ.
void ExpectSameDiary(const Bytes& a, const Bytes& b);

}  // namespace backuptest
