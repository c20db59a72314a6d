// What a collection holds: the items of a folder that pass its restriction,
// in its sort order, with recurring appointments expanded into their
// occurrences when asked. Order: the sort property when one is set, then
// the folder's own order (contacts by FileAs, appointments by Start, tasks
// by record), then the record id, so that a restricted collection keeps the
// relative order of the one it came from.
//
// Expansion: the occurrences whose start can satisfy the restriction (its
// conditions on Start and End bound them), moved occurrences at their new
// times, deleted ones left out; an expansion that the restriction gives no
// upper bound stops after the series' 1000th occurrence, however the series
// ends. With recurrences included, on a
// device of CE major version 4 an item that spans several days is delivered once for each day it touches,
// the restriction judging each day's share of it, all deliveries carrying
// the item's own Start and End; without an upper bound in the restriction,
// its first 1000 days at most.
#pragma once

#include "platform/outlook/item_data.h"
#include "platform/outlook/restriction.h"

#include <memory>
#include <vector>

namespace poom {

struct QueryEntry {
    std::shared_ptr<const ItemData> item;  // the item, or the series of an occurrence
    bool occurrence = false;
    double originalStart = 0;  // occurrences: start before any move
    double start = 0;          // appointments: this delivery's start and end
    double end = 0;
    int exception = -1;        // index into the series' exceptions, -1 none
};

struct QueryDef {
    ItemKind kind = ItemKind::Contact;
    // Every one must hold (a collection restricted again keeps the first).
    std::vector<std::shared_ptr<const Restriction>> restrictions;
    const FieldDef* sortField = nullptr;              // null: the folder's order
    bool descending = false;
    bool includeRecurrences = false;
    int deviceMajorVersion = 5;
};

constexpr int kOpenEndedOccurrenceLimit = 1000;

std::vector<QueryEntry> RunQuery(const QueryDef& query, const std::vector<std::shared_ptr<const ItemData>>& items);

bool EntryMatches(const Restriction& restriction, const QueryEntry& entry);

// The occurrence of a series at that start: an unmoved one whose original
// start it is first, then a moved one now there, then one moved away from
// there. Deleted occurrences are never found.
bool FindOccurrence(const ItemData& series, double start, QueryEntry* entry);

// The values of an occurrence: the series' with the exception's on top.
ItemData OccurrenceData(const QueryEntry& entry);

}  // namespace poom
