// An item as the property values of its database record, and back. Empty
// texts and no-date dates are not written (a record lacks them), so that
// direct readers of the databases see a missing property.
#pragma once

#include "platform/outlook/item_data.h"

#include <deque>
#include <vector>

namespace poom {

// What a contact record carries for its categories beside their text.
struct CategoryMarks {
    WORD count = 0;           // kPropCategoryCount, present when not 0
    std::vector<BYTE> mask;   // kPropCategoryMask (older build), present when not empty
};

// The values of one record write. They point into the item and into this
// object, so both must outlive the write.
class RecordWrite {
public:
    RecordWrite(const ItemData& item, const CategoryMarks& marks);
    CEPROPVAL* Values() { return values_.data(); }
    WORD Count() const { return static_cast<WORD>(values_.size()); }

private:
    void AddBlob(CEPROPID prop, std::vector<BYTE> bytes);
    void AddDelete(CEPROPID prop);
    std::vector<CEPROPVAL> values_;
    std::deque<std::vector<BYTE>> blobs_;
    bool existing_;
};

// One record value as the item keeps it, and back, every type exactly (an
// R8, a BOOL other than 0 and 1, a FILETIME's part of a second). Texts and
// bytes of the CEPROPVAL point into the PropValue.
PropValue PropValueOf(const CEPROPVAL& value);
CEPROPVAL CePropValOf(CEPROPID prop, const PropValue& value);

// The item a record holds. Properties the item model does not know are kept
// as they are, so that a save writes them back.
ItemData DecodeRecord(ItemKind kind, CEOID oid, const CEPROPVAL* values, WORD count);

}  // namespace poom
