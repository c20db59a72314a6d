// A record's properties: the stored form kept in the volume file, the
// changes a write brings, and the buffer a read hands to the caller.
#pragma once

#include "platform/ce.h"

#include <cstdint>
#include <string>
#include <vector>

namespace store {

// One property as stored: value bytes little-endian, text as UTF-16LE code
// units without terminator, blobs and streams raw.
struct Property {
    CEPROPID id = 0;
    std::string data;
};
using PropertyList = std::vector<Property>;

// A property inside a buffer that someone else owns.
struct PropertyView {
    CEPROPID id = 0;
    const uint8_t* data = nullptr;
    uint32_t size = 0;
};
using PropertyViews = std::vector<PropertyView>;

struct PropertyChange {
    Property property;
    bool remove = false;
};
using PropertyChanges = std::vector<PropertyChange>;

// The stored record: u8 version 1, u16 count, then per property u32 id,
// u32 byte length, bytes; all little-endian.
// The stored bytes of one value of the given type.
std::string StoredValueBytes(WORD type, const CEVALUNION& val);

std::string EncodeRecordBlob(const PropertyList& properties);
bool DecodeRecordBlob(const void* data, size_t size, PropertyViews* out);

PropertyList OwnedProperties(const PropertyViews& views);
PropertyViews ViewsOf(const PropertyList& properties);

// Checks the caller's values of a write (types, pointers) and turns them
// into changes; sets ERROR_INVALID_PARAMETER and returns false when one is
// not acceptable.
bool ChangesFromValues(const CEPROPVAL* values, WORD count, PropertyChanges* out);

// Replaces properties of the same id, removes the deleted ones, appends the
// new ones in the order given.
void ApplyChanges(PropertyList* properties, const PropertyChanges& changes);

bool HasAutoNumber(const PropertyList& properties);
void SetAutoNumbers(PropertyList* properties, DWORD number);

// The caller's read buffer: CEPROPVAL array, then the text and blob bytes
// that its pointers address. wanted NULL means every property.
size_t ReadBufferSize(const PropertyViews& properties, const CEPROPID* wanted, WORD wantedCount);
WORD FillReadBuffer(const PropertyViews& properties, const CEPROPID* wanted, WORD wantedCount,
                    uint8_t* buffer);

}  // namespace store
