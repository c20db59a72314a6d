// An item object's state, shared by the item, its recurrence pattern, its
// recipients and its property-item form, so that a change through one is
// seen through all.
#pragma once

#include "platform/outlook/item_data.h"
#include "platform/outlook/item_query.h"

#include <memory>
#include <set>

namespace poom {

struct ItemState {
    ItemData data;
    bool storedComplete = false;  // tasks: Complete as last read or saved
    // Occurrences of a recurring appointment: data holds the occurrence's
    // values, data.Oid() the series.
    bool occurrence = false;
    double originalStart = 0;
    std::set<CEPROPID> changed;  // what was put on the occurrence
    bool deleted = false;
    std::weak_ptr<ItemState> series;  // the series object it was taken from
};

using ItemStatePtr = std::shared_ptr<ItemState>;

ItemStatePtr StateOf(ItemData data);
ItemStatePtr OccurrenceStateOf(const QueryEntry& entry, const std::weak_ptr<ItemState>& series = {});

}  // namespace poom
