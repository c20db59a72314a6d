// Stored records for the fuzz tests: seeds built from properties, with the
// record's count and each value's length marked as fields, and inputs read
// back the way the store hands a record to its caller.
#pragma once

#include "platform/store/property_list.h"

#include "tests/hardening/fuzz_kit.h"

#include <string>
#include <vector>

namespace fuzz {

Bytes LittleEndian(uint64_t value, int width);
Bytes Utf16(const std::wstring& text);
store::Property StoredProperty(CEPROPID id, const Bytes& bytes);

Seed StoredRecordSeed(const store::PropertyList& properties);

// A record's bytes decoded and laid out in a caller's read buffer.
struct ReadRecord {
    store::PropertyViews views;
    std::vector<uint64_t> buffer;  // 8-byte aligned, as a caller's allocation is
    size_t bytes = 0;              // the size the store asks for
    WORD count = 0;
    const CEPROPVAL* Values() const { return reinterpret_cast<const CEPROPVAL*>(buffer.data()); }
};

// False when the store refuses the bytes as a record.
bool ReadStoredRecord(const uint8_t* data, size_t size, ReadRecord* record);

}  // namespace fuzz
