#include "tests/hardening/stored_records.h"

#include "platform/ceplat/byte_fields.h"

namespace fuzz {

namespace {

constexpr size_t kRecordHeaderBytes = 3;    // version, count
constexpr size_t kPropertyHeaderBytes = 8;  // id, length

}  // namespace

Bytes LittleEndian(uint64_t value, int width)
{
    Bytes bytes;
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    return bytes;
}

Bytes Utf16(const std::wstring& text)
{
    ce::ByteWriter<Bytes> out;
    for (wchar_t c : text)
        out.PutU16LE(static_cast<uint16_t>(c));
    return out.Take();
}

store::Property StoredProperty(CEPROPID id, const Bytes& bytes)
{
    return store::Property{id, std::string(bytes.begin(), bytes.end())};
}

Seed StoredRecordSeed(const store::PropertyList& properties)
{
    std::string encoded = store::EncodeRecordBlob(properties);
    Seed seed{Bytes(encoded.begin(), encoded.end()), {{1, 2}}};
    size_t at = kRecordHeaderBytes;
    for (const store::Property& p : properties) {
        seed.lengths.push_back({at + 4, 4});
        at += kPropertyHeaderBytes + p.data.size();
    }
    return seed;
}

bool ReadStoredRecord(const uint8_t* data, size_t size, ReadRecord* record)
{
    if (!store::DecodeRecordBlob(data, size, &record->views))
        return false;
    record->bytes = store::ReadBufferSize(record->views, nullptr, 0);
    record->buffer.assign((record->bytes + 7) / 8, 0);
    record->count = store::FillReadBuffer(record->views, nullptr, 0, reinterpret_cast<uint8_t*>(record->buffer.data()));
    return true;
}

}  // namespace fuzz
