// The three blobs an item record carries beside its plain properties. All
// integers are little-endian; times are FILETIME ticks (local wall clock),
// texts UTF-16LE with a 16-bit length in code units and no terminator.
//
// Recurrence (kPropRecurrence), 37 bytes:
//   0  u16 version 1      2  i16 type         4  i32 pattern start day
//   8  u8  end (0 never, 1 by date, 2 by count) 9  i32 end day
//   13 i32 occurrences    17 i32 interval     21 i32 day-of-week mask
//   25 i32 day of month   29 i32 instance     33 i32 month of year
// (days are days since 1899-12-30)
//
// Exceptions (kPropExceptions):
//   u16 version 1, u16 count, then per exception:
//   u64 original start, u8 deleted (0/1), u16 value count, then per value:
//   u32 property id, and by its type: LPWSTR u16 length + text; I2, I4,
//   UI2, UI4, BOOL, AUTO_I4 i32; R8 u64 (its IEEE bits); FILETIME u64;
//   BLOB, STREAM u32 length + bytes.
//
// Recipients (kPropRecipients):
//   u16 version 1, u16 count, then per recipient: name, address (texts).
//
// A blob that is short, has another version, or runs on past its end is
// refused as a whole; so is a recurrence outside RuleInRange
// (recurrence_rule.h), and its item reads as not recurring.
#pragma once

#include "platform/outlook/item_data.h"

#include <vector>

namespace poom {

std::vector<BYTE> EncodeRecurrence(const RecurrenceRule& rule);
bool DecodeRecurrence(const BYTE* bytes, size_t count, RecurrenceRule* rule);

std::vector<BYTE> EncodeExceptions(const std::vector<OccurrenceException>& exceptions);
bool DecodeExceptions(const BYTE* bytes, size_t count, std::vector<OccurrenceException>* exceptions);

std::vector<BYTE> EncodeRecipients(const std::vector<Recipient>& recipients);
bool DecodeRecipients(const BYTE* bytes, size_t count, std::vector<Recipient>* recipients);

}  // namespace poom
