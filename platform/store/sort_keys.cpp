#include "platform/store/sort_keys.h"

#include "platform/ceplat/byte_fields.h"

#include <cstring>

namespace store {

// Stored records and sort orders are byte strings of SQLite blobs.
using ByteWriter = ce::ByteWriter<std::string>;
using ce::ByteReader;

namespace {

constexpr uint8_t kSortFormat = 1;
constexpr uint8_t kMarkerUnknownFirst = 0x00;
constexpr uint8_t kMarkerPresent = 0x01;
constexpr uint8_t kMarkerUnknownLast = 0x02;

bool IsSortableType(WORD type)
{
    switch (type) {
    case CEVT_I2:
    case CEVT_UI2:
    case CEVT_I4:
    case CEVT_UI4:
    case CEVT_BOOL:
    case CEVT_AUTO_I4:
    case CEVT_R8:
    case CEVT_FILETIME:
    case CEVT_LPWSTR:
        return true;
    }
    return false;
}

void PutBigEndian(std::string* key, uint64_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        key->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void AppendText(std::string* key, const uint8_t* units, uint32_t size, bool caseInsensitive)
{
    std::wstring text(size / 2, L'\0');
    for (uint32_t i = 0; i < size / 2; ++i)
        text[i] = static_cast<wchar_t>(units[2 * i] | (units[2 * i + 1] << 8));
    if (caseInsensitive && !text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    for (wchar_t c : text)
        PutBigEndian(key, static_cast<uint16_t>(c), 2);
    PutBigEndian(key, 0, 2);
}

// Appends the value bytes (stored little-endian form) in sort order.
void AppendValue(std::string* key, WORD type, DWORD flags, const uint8_t* data, uint32_t size)
{
    size_t start = key->size();
    switch (type) {
    case CEVT_I2:
        PutBigEndian(key, static_cast<uint16_t>((data[0] | (data[1] << 8)) ^ 0x8000), 2);
        break;
    case CEVT_UI2:
        PutBigEndian(key, static_cast<uint16_t>(data[0] | (data[1] << 8)), 2);
        break;
    case CEVT_I4:
    case CEVT_BOOL:
    case CEVT_AUTO_I4:
        PutBigEndian(key, ce::LoadU32LE(data) ^ 0x80000000u, 4);
        break;
    case CEVT_UI4:
        PutBigEndian(key, ce::LoadU32LE(data), 4);
        break;
    case CEVT_FILETIME:
        PutBigEndian(key, ce::LoadU32LE(data + 4), 4);
        PutBigEndian(key, ce::LoadU32LE(data), 4);
        break;
    case CEVT_R8: {
        uint64_t bits = ce::LoadU32LE(data) | (static_cast<uint64_t>(ce::LoadU32LE(data + 4)) << 32);
        bits = (bits >> 63) ? ~bits : (bits | (1ull << 63));
        PutBigEndian(key, bits, 8);
        break;
    }
    case CEVT_LPWSTR:
        AppendText(key, data, size, (flags & CEDB_SORT_CASEINSENSITIVE) != 0);
        break;
    }
    if (flags & CEDB_SORT_DESCENDING) {
        for (size_t i = start; i < key->size(); ++i)
            (*key)[i] = static_cast<char>(~(*key)[i]);
    }
}

const PropertyView* FindView(const PropertyViews& properties, CEPROPID id)
{
    for (const PropertyView& p : properties) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

bool SameFlags(const SortOrder& declared, const SortOrder& wanted)
{
    for (size_t i = 0; i < wanted.props.size(); ++i) {
        if (declared.flags[i] != wanted.flags[i])
            return false;
    }
    return true;
}

}  // namespace

std::string EncodeSortOrders(const SortOrders& orders)
{
    ByteWriter w;
    w.PutU8(kSortFormat);
    w.PutU8(static_cast<uint8_t>(orders.size()));
    for (const SortOrder& o : orders) {
        w.PutU16LE(o.keyFlags);
        w.PutU8(static_cast<uint8_t>(o.props.size()));
        for (size_t i = 0; i < o.props.size(); ++i) {
            w.PutU32LE(o.props[i]);
            w.PutU32LE(o.flags[i]);
        }
    }
    return w.Take();
}

bool DecodeSortOrders(const void* data, size_t size, SortOrders* out)
{
    ByteReader r(data, size);
    uint8_t format = 0, count = 0;
    out->clear();
    if (!r.GetU8(&format) || format != kSortFormat || !r.GetU8(&count) ||
        count > CEDB_MAXSORTORDER)
        return false;
    for (uint8_t i = 0; i < count; ++i) {
        SortOrder o;
        uint8_t props = 0;
        if (!r.GetU16LE(&o.keyFlags) || !r.GetU8(&props) || props == 0 ||
            props > CEDB_MAXSORTPROP)
            return false;
        for (uint8_t j = 0; j < props; ++j) {
            uint32_t id = 0, flags = 0;
            if (!r.GetU32LE(&id) || !r.GetU32LE(&flags) || !IsSortableType(TypeFromPropID(id)))
                return false;
            o.props.push_back(id);
            o.flags.push_back(flags);
        }
        out->push_back(std::move(o));
    }
    return r.AtEnd();
}

bool SortOrderFromDef(const SORTORDERSPECEX& descriptor, SortOrder* out)
{
    if (descriptor.wNumProps == 0 || descriptor.wNumProps > CEDB_MAXSORTPROP)
        return false;
    out->keyFlags = descriptor.wKeyFlags;
    out->props.clear();
    out->flags.clear();
    for (WORD i = 0; i < descriptor.wNumProps; ++i) {
        if (!IsSortableType(TypeFromPropID(descriptor.rgPropID[i])))
            return false;
        out->props.push_back(descriptor.rgPropID[i]);
        out->flags.push_back(descriptor.rgdwFlags[i]);
    }
    return true;
}

void SpecFromSortOrder(const SortOrder& order, SORTORDERSPECEX* descriptor)
{
    std::memset(descriptor, 0, sizeof(*descriptor));
    descriptor->wVersion = SORTORDERSPECEX_VERSION;
    descriptor->wNumProps = static_cast<WORD>(order.props.size());
    descriptor->wKeyFlags = order.keyFlags;
    for (size_t i = 0; i < order.props.size(); ++i) {
        descriptor->rgPropID[i] = order.props[i];
        descriptor->rgdwFlags[i] = order.flags[i];
    }
}

int MatchSortOrder(const SortOrders& declared, const SortOrder& wanted)
{
    int firstMatch = -1;
    for (size_t i = 0; i < declared.size(); ++i) {
        const SortOrder& d = declared[i];
        if (wanted.props.empty() || wanted.props.size() > d.props.size())
            continue;
        bool leadingMatch = true;
        for (size_t j = 0; j < wanted.props.size(); ++j)
            leadingMatch = leadingMatch && d.props[j] == wanted.props[j];
        if (!leadingMatch)
            continue;
        if (!wanted.flags.empty() && SameFlags(d, wanted))
            return static_cast<int>(i);
        if (firstMatch < 0)
            firstMatch = static_cast<int>(i);
    }
    return firstMatch;
}

std::string RecordKey(const SortOrder& order, const PropertyViews& properties)
{
    std::string key;
    for (size_t i = 0; i < order.props.size(); ++i) {
        const PropertyView* p = FindView(properties, order.props[i]);
        if (!p) {
            bool first = (order.flags[i] & CEDB_SORT_UNKNOWNFIRST) != 0;
            key.push_back(static_cast<char>(first ? kMarkerUnknownFirst : kMarkerUnknownLast));
            continue;
        }
        key.push_back(static_cast<char>(kMarkerPresent));
        AppendValue(&key, TypeFromPropID(p->id), order.flags[i], p->data, p->size);
    }
    return key;
}

bool SeekPrefix(const SortOrder& order, const CEPROPVAL* values, WORD count, std::string* out)
{
    out->clear();
    if (!values || count == 0 || count > order.props.size())
        return false;
    for (WORD i = 0; i < count; ++i) {
        WORD type = TypeFromPropID(order.props[i]);
        std::string bytes = StoredValueBytes(type, values[i].val);
        out->push_back(static_cast<char>(kMarkerPresent));
        AppendValue(out, type, order.flags[i], reinterpret_cast<const uint8_t*>(bytes.data()),
                    static_cast<uint32_t>(bytes.size()));
    }
    return true;
}

bool PrefixSuccessor(std::string* prefix)
{
    while (!prefix->empty()) {
        auto last = static_cast<unsigned char>(prefix->back());
        if (last != 0xFF) {
            prefix->back() = static_cast<char>(last + 1);
            return true;
        }
        prefix->pop_back();
    }
    return false;
}

}  // namespace store
