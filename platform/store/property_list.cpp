#include "platform/store/property_list.h"

#include "platform/ceplat/byte_fields.h"

#include <bit>
#include <cstring>

namespace store {

// Stored records and sort orders are byte strings of SQLite blobs.
using ByteWriter = ce::ByteWriter<std::string>;
using ce::ByteReader;

namespace {

constexpr uint8_t kRecordFormat = 1;
constexpr size_t kDataAlignment = 8;

// Byte size of a fixed-size value type, 0 for the variable ones, -1 for a
// type the store does not keep.
inline int FixedSizeOf(WORD type)
{
    switch (type) {
    case CEVT_I2:
    case CEVT_UI2:
        return 2;
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_BOOL:
    case CEVT_AUTO_I4:
        return 4;
    case CEVT_R8:
    case CEVT_FILETIME:
        return 8;
    case CEVT_LPWSTR:
    case CEVT_BLOB:
    case CEVT_STREAM:
        return 0;
    }
    return -1;
}

bool ValidStoredSize(WORD type, uint32_t size)
{
    int fixed = FixedSizeOf(type);
    if (fixed > 0)
        return size == static_cast<uint32_t>(fixed);
    if (fixed < 0)
        return false;
    return type != CEVT_LPWSTR || size % 2 == 0;
}

size_t Aligned(size_t n)
{
    return (n + kDataAlignment - 1) & ~(kDataAlignment - 1);
}

size_t DataSizeOf(const PropertyView& p)
{
    switch (TypeFromPropID(p.id)) {
    case CEVT_LPWSTR:
        return Aligned(p.size + sizeof(wchar_t));
    case CEVT_BLOB:
    case CEVT_STREAM:
        return Aligned(p.size);
    }
    return 0;
}

const PropertyView* FindView(const PropertyViews& properties, CEPROPID id)
{
    for (const PropertyView& p : properties) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

// A value's bytes, eight at a time: every read copies every value, and for
// values this short the C runtime's copy costs more than the copying.
void CopyValueBytes(const uint8_t* from, uint32_t bytes, uint8_t* to)
{
    uint32_t i = 0;
    for (; i + sizeof(uint64_t) <= bytes; i += sizeof(uint64_t)) {
        uint64_t word;
        std::memcpy(&word, from + i, sizeof(word));
        std::memcpy(to + i, &word, sizeof(word));
    }
    for (; i < bytes; ++i)
        to[i] = from[i];
}

// Stored text units (little-endian) into a wide string.
void CopyTextUnits(const uint8_t* from, uint32_t bytes, wchar_t* to)
{
    if constexpr (std::endian::native == std::endian::little && sizeof(wchar_t) == 2) {
        CopyValueBytes(from, bytes, reinterpret_cast<uint8_t*>(to));
    } else {
        for (uint32_t i = 0; i < bytes / 2; ++i)
            to[i] = static_cast<wchar_t>(ce::LoadU16LE(from + 2 * i));
    }
}

// Fills one CEPROPVAL from a stored property; variable data go to *data.
void FillValue(const PropertyView& p, CEPROPVAL* out, uint8_t** data)
{
    out->propid = p.id;
    out->wLenData = 0;
    out->wFlags = 0;
    std::memset(&out->val, 0, sizeof(out->val));
    switch (TypeFromPropID(p.id)) {
    case CEVT_I2:
        out->val.iVal = static_cast<short>(ce::LoadU16LE(p.data));
        break;
    case CEVT_UI2:
        out->val.uiVal = ce::LoadU16LE(p.data);
        break;
    case CEVT_I4:
    case CEVT_AUTO_I4:
        out->val.lVal = static_cast<long>(ce::LoadU32LE(p.data));
        break;
    case CEVT_UI4:
        out->val.ulVal = ce::LoadU32LE(p.data);
        break;
    case CEVT_BOOL:
        out->val.boolVal = static_cast<BOOL>(ce::LoadU32LE(p.data));
        break;
    case CEVT_R8: {
        uint64_t bits = ce::LoadU32LE(p.data) | (static_cast<uint64_t>(ce::LoadU32LE(p.data + 4)) << 32);
        std::memcpy(&out->val.dblVal, &bits, sizeof(bits));
        break;
    }
    case CEVT_FILETIME:
        out->val.filetime.dwLowDateTime = ce::LoadU32LE(p.data);
        out->val.filetime.dwHighDateTime = ce::LoadU32LE(p.data + 4);
        break;
    case CEVT_LPWSTR: {
        auto* text = reinterpret_cast<wchar_t*>(*data);
        CopyTextUnits(p.data, p.size, text);
        text[p.size / 2] = L'\0';
        out->val.lpwstr = text;
        *data += DataSizeOf(p);
        break;
    }
    case CEVT_BLOB:
    case CEVT_STREAM:
        CopyValueBytes(p.data, p.size, *data);
        out->val.blob.dwCount = p.size;
        out->val.blob.lpb = *data;
        *data += DataSizeOf(p);
        break;
    }
}

}  // namespace

std::string StoredValueBytes(WORD type, const CEVALUNION& val)
{
    ByteWriter w;
    switch (type) {
    case CEVT_I2:
        w.PutU16LE(static_cast<uint16_t>(val.iVal));
        break;
    case CEVT_UI2:
        w.PutU16LE(val.uiVal);
        break;
    case CEVT_I4:
    case CEVT_AUTO_I4:
        w.PutU32LE(static_cast<uint32_t>(val.lVal));
        break;
    case CEVT_UI4:
        w.PutU32LE(val.ulVal);
        break;
    case CEVT_BOOL:
        w.PutU32LE(static_cast<uint32_t>(val.boolVal));
        break;
    case CEVT_R8: {
        uint64_t bits = 0;
        std::memcpy(&bits, &val.dblVal, sizeof(bits));
        w.PutU32LE(static_cast<uint32_t>(bits));
        w.PutU32LE(static_cast<uint32_t>(bits >> 32));
        break;
    }
    case CEVT_FILETIME:
        w.PutU32LE(val.filetime.dwLowDateTime);
        w.PutU32LE(val.filetime.dwHighDateTime);
        break;
    case CEVT_LPWSTR:
        for (const wchar_t* p = val.lpwstr; p && *p; ++p)
            w.PutU16LE(static_cast<uint16_t>(*p));
        break;
    case CEVT_BLOB:
    case CEVT_STREAM:
        w.PutBytes(val.blob.lpb, val.blob.dwCount);
        break;
    }
    return w.Take();
}

std::string EncodeRecordBlob(const PropertyList& properties)
{
    ByteWriter w;
    w.PutU8(kRecordFormat);
    w.PutU16LE(static_cast<uint16_t>(properties.size()));
    for (const Property& p : properties) {
        w.PutU32LE(p.id);
        w.PutU32LE(static_cast<uint32_t>(p.data.size()));
        w.PutBytes(p.data.data(), p.data.size());
    }
    return w.Take();
}

bool DecodeRecordBlob(const void* data, size_t size, PropertyViews* out)
{
    ByteReader r(data, size);
    uint8_t format = 0;
    uint16_t count = 0;
    out->clear();
    if (!r.GetU8(&format) || format != kRecordFormat || !r.GetU16LE(&count))
        return false;
    out->reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        PropertyView p;
        uint32_t id = 0;
        if (!r.GetU32LE(&id) || !r.GetU32LE(&p.size) || !r.GetSpan(p.size, &p.data))
            return false;
        p.id = id;
        if (!ValidStoredSize(TypeFromPropID(p.id), p.size))
            return false;
        out->push_back(p);
    }
    return r.AtEnd();
}

PropertyList OwnedProperties(const PropertyViews& views)
{
    PropertyList list;
    list.reserve(views.size());
    for (const PropertyView& v : views)
        list.push_back({v.id, std::string(reinterpret_cast<const char*>(v.data), v.size)});
    return list;
}

PropertyViews ViewsOf(const PropertyList& properties)
{
    PropertyViews views;
    views.reserve(properties.size());
    for (const Property& p : properties) {
        views.push_back({p.id, reinterpret_cast<const uint8_t*>(p.data.data()),
                         static_cast<uint32_t>(p.data.size())});
    }
    return views;
}

bool ChangesFromValues(const CEPROPVAL* values, WORD count, PropertyChanges* out)
{
    out->clear();
    if (count && !values) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    out->reserve(count);
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& v = values[i];
        WORD type = TypeFromPropID(v.propid);
        PropertyChange change;
        change.property.id = v.propid;
        change.remove = (v.wFlags & CEDB_PROPDELETE) != 0;
        if (!change.remove) {
            bool pointerMissing = (type == CEVT_LPWSTR && !v.val.lpwstr) ||
                                  ((type == CEVT_BLOB || type == CEVT_STREAM) &&
                                   v.val.blob.dwCount && !v.val.blob.lpb);
            if (FixedSizeOf(type) < 0 || pointerMissing) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return false;
            }
            change.property.data = StoredValueBytes(type, v.val);
        }
        out->push_back(std::move(change));
    }
    return true;
}

void ApplyChanges(PropertyList* properties, const PropertyChanges& changes)
{
    for (const PropertyChange& c : changes) {
        auto it = properties->begin();
        while (it != properties->end() && it->id != c.property.id)
            ++it;
        if (c.remove) {
            if (it != properties->end())
                properties->erase(it);
        } else if (it != properties->end()) {
            it->data = c.property.data;
        } else {
            properties->push_back(c.property);
        }
    }
}

bool HasAutoNumber(const PropertyList& properties)
{
    for (const Property& p : properties) {
        if (TypeFromPropID(p.id) == CEVT_AUTO_I4)
            return true;
    }
    return false;
}

void SetAutoNumbers(PropertyList* properties, DWORD number)
{
    for (Property& p : *properties) {
        if (TypeFromPropID(p.id) != CEVT_AUTO_I4)
            continue;
        ByteWriter w;
        w.PutU32LE(number);
        p.data = w.Take();
    }
}

size_t ReadBufferSize(const PropertyViews& properties, const CEPROPID* wanted, WORD wantedCount)
{
    size_t size = 0;
    if (!wanted) {
        size = properties.size() * sizeof(CEPROPVAL);
        for (const PropertyView& p : properties)
            size += DataSizeOf(p);
        return size;
    }
    size = wantedCount * sizeof(CEPROPVAL);
    for (WORD i = 0; i < wantedCount; ++i) {
        if (const PropertyView* p = FindView(properties, wanted[i]))
            size += DataSizeOf(*p);
    }
    return size;
}

WORD FillReadBuffer(const PropertyViews& properties, const CEPROPID* wanted, WORD wantedCount,
                    uint8_t* buffer)
{
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    if (!wanted) {
        uint8_t* data = buffer + properties.size() * sizeof(CEPROPVAL);
        for (size_t i = 0; i < properties.size(); ++i)
            FillValue(properties[i], &values[i], &data);
        return static_cast<WORD>(properties.size());
    }
    uint8_t* data = buffer + wantedCount * sizeof(CEPROPVAL);
    for (WORD i = 0; i < wantedCount; ++i) {
        if (const PropertyView* p = FindView(properties, wanted[i])) {
            FillValue(*p, &values[i], &data);
        } else {
            std::memset(&values[i], 0, sizeof(CEPROPVAL));
            values[i].propid = wanted[i];
            values[i].wFlags = CEDB_PROPNOTFOUND;
        }
    }
    return wantedCount;
}

}  // namespace store
