// Sort orders and their keys. A record's key under one sort order is a byte
// string whose plain byte order (memcmp, SQLite's BLOB order) is the sort
// order, so that the volume file's indexes keep every declared order.
#pragma once

#include "platform/store/property_list.h"

#include <string>
#include <vector>

namespace store {

struct SortOrder {
    WORD keyFlags = 0;
    std::vector<CEPROPID> props;
    std::vector<DWORD> flags;  // one per property
};
using SortOrders = std::vector<SortOrder>;

// The stored form: u8 version 1, u8 count, then per order u16 key flags,
// u8 property count, and per property u32 id, u32 flags; little-endian.
// The reader refuses what a declaration would: more than CEDB_MAXSORTORDER
// orders, 0 or more than CEDB_MAXSORTPROP properties, a type not sortable.
std::string EncodeSortOrders(const SortOrders& orders);
bool DecodeSortOrders(const void* data, size_t size, SortOrders* out);

// Checks one descriptor (1 to 16 sortable properties).
bool SortOrderFromDef(const SORTORDERSPECEX& descriptor, SortOrder* out);
void SpecFromSortOrder(const SortOrder& order, SORTORDERSPECEX* descriptor);

// The declared order an open asks for: the leading property ids must match;
// among several, the one whose flags match too (wanted.flags empty: the
// first). -1 when none.
int MatchSortOrder(const SortOrders& declared, const SortOrder& wanted);

// Per property: a marker byte (present 1; missing 2, or 0 with
// CEDB_SORT_UNKNOWNFIRST), then the value: integers big-endian with the sign
// bit flipped for signed types, strings as big-endian code units (folded to
// upper case when case-insensitive) ending in 0x0000; descending inverts
// the value bytes.
std::string RecordKey(const SortOrder& order, const PropertyViews& properties);

// The key prefix of a value seek over the first count properties; false
// when count is 0 or larger than the order.
bool SeekPrefix(const SortOrder& order, const CEPROPVAL* values, WORD count, std::string* out);

// The smallest byte string above every string that starts with *prefix;
// false when there is none.
bool PrefixSuccessor(std::string* prefix);

}  // namespace store
