#include "platform/outlook/record_blobs.h"

#include "platform/outlook/byte_fields.h"
#include "platform/outlook/ole_dates.h"

#include <cstring>

namespace poom {

namespace {

constexpr uint16_t kBlobVersion = 1;
// The fewest bytes one entry takes, so that a count the blob cannot hold is
// refused before anything is made for it.
constexpr size_t kLeastExceptionBytes = 11;  // start, deleted, value count
constexpr size_t kLeastRecipientBytes = 4;   // two empty texts

uint64_t Ticks(double date)
{
    FILETIME time = DateToFileTime(date);
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

double DateOfTicks(uint64_t ticks)
{
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return FileTimeToDate(time);
}

void PutValue(ByteWriter& out, CEPROPID prop, const PropValue& value)
{
    out.PutU32LE(prop);
    switch (TypeFromPropID(prop)) {
    case CEVT_LPWSTR: PutText16(out, value.text); break;
    case CEVT_FILETIME: {
        FILETIME time = FileTimeOfValue(value);
        out.PutU64LE((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
        break;
    }
    case CEVT_BLOB:
    case CEVT_STREAM: PutBytes32(out, value.bytes); break;
    case CEVT_R8: {
        uint64_t bits = 0;
        std::memcpy(&bits, &value.real, sizeof(bits));
        out.PutU64LE(bits);
        break;
    }
    default: out.PutU32LE(static_cast<uint32_t>(value.number)); break;
    }
}

bool GetValue(ByteReader& in, CEPROPID* prop, PropValue* value)
{
    uint32_t id;
    if (!in.GetU32LE(&id))
        return false;
    *prop = id;
    *value = PropValue{};
    value->type = TypeFromPropID(id);
    switch (value->type) {
    case CEVT_LPWSTR: return GetText16(in, &value->text);
    case CEVT_FILETIME: {
        uint64_t ticks;
        if (!in.GetU64LE(&ticks))
            return false;
        FILETIME time;
        time.dwLowDateTime = static_cast<DWORD>(ticks);
        time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
        *value = DateValue(time);
        return true;
    }
    case CEVT_BLOB:
    case CEVT_STREAM: return GetBytes32(in, &value->bytes);
    case CEVT_R8: {
        uint64_t bits;
        if (!in.GetU64LE(&bits))
            return false;
        std::memcpy(&value->real, &bits, sizeof(bits));
        return true;
    }
    case CEVT_I2:
    case CEVT_I4:
    case CEVT_BOOL:
    case CEVT_AUTO_I4:
    case CEVT_UI2:
    case CEVT_UI4: {
        uint32_t n;
        if (!in.GetU32LE(&n))
            return false;
        value->number = value->type == CEVT_UI4 || value->type == CEVT_UI2 ? static_cast<long long>(n)
                                                                             : static_cast<int32_t>(n);
        return true;
    }
    }
    return false;
}

bool GetVersion(ByteReader& in)
{
    uint16_t version;
    return in.GetU16LE(&version) && version == kBlobVersion;
}

}  // namespace

std::vector<BYTE> EncodeRecurrence(const RecurrenceRule& rule)
{
    ByteWriter out;
    out.PutU16LE(kBlobVersion);
    out.PutU16LE(static_cast<uint16_t>(static_cast<int16_t>(rule.type)));
    out.PutU32LE(static_cast<uint32_t>(rule.startDay));
    out.PutU8(static_cast<uint8_t>(rule.end));
    out.PutU32LE(static_cast<uint32_t>(rule.endDay));
    out.PutU32LE(static_cast<uint32_t>(rule.occurrences));
    out.PutU32LE(static_cast<uint32_t>(rule.interval));
    out.PutU32LE(static_cast<uint32_t>(rule.dayOfWeekMask));
    out.PutU32LE(static_cast<uint32_t>(rule.dayOfMonth));
    out.PutU32LE(static_cast<uint32_t>(rule.instance));
    out.PutU32LE(static_cast<uint32_t>(rule.monthOfYear));
    return out.Take();
}

bool DecodeRecurrence(const BYTE* bytes, size_t count, RecurrenceRule* rule)
{
    ByteReader in(bytes, count);
    uint16_t type;
    uint8_t end;
    uint32_t fields[8];
    if (!GetVersion(in) || !in.GetU16LE(&type) || !in.GetU32LE(&fields[0]) || !in.GetU8(&end))
        return false;
    for (int i = 1; i < 8; ++i)
        if (!in.GetU32LE(&fields[i]))
            return false;
    if (end > 2 || !in.AtEnd())
        return false;
    RecurrenceRule result;
    result.type = static_cast<int16_t>(type);
    result.startDay = static_cast<int32_t>(fields[0]);
    result.end = static_cast<RecurrenceEnd>(end);
    result.endDay = static_cast<int32_t>(fields[1]);
    result.occurrences = static_cast<int32_t>(fields[2]);
    result.interval = static_cast<int32_t>(fields[3]);
    result.dayOfWeekMask = static_cast<int32_t>(fields[4]);
    result.dayOfMonth = static_cast<int32_t>(fields[5]);
    result.instance = static_cast<int32_t>(fields[6]);
    result.monthOfYear = static_cast<int32_t>(fields[7]);
    if (!RuleInRange(result))
        return false;
    *rule = result;
    return true;
}

std::vector<BYTE> EncodeExceptions(const std::vector<OccurrenceException>& exceptions)
{
    ByteWriter out;
    out.PutU16LE(kBlobVersion);
    out.PutU16LE(static_cast<uint16_t>(exceptions.size()));
    for (const OccurrenceException& exception : exceptions) {
        out.PutU64LE(Ticks(exception.originalStart));
        out.PutU8(exception.deleted ? 1 : 0);
        out.PutU16LE(static_cast<uint16_t>(exception.values.size()));
        for (const auto& [prop, value] : exception.values)
            PutValue(out, prop, value);
    }
    return out.Take();
}

bool DecodeExceptions(const BYTE* bytes, size_t count, std::vector<OccurrenceException>* exceptions)
{
    ByteReader in(bytes, count);
    uint16_t total;
    if (!GetVersion(in) || !in.GetU16LE(&total) || in.Left() / kLeastExceptionBytes < total)
        return false;
    std::vector<OccurrenceException> result(total);
    for (OccurrenceException& exception : result) {
        uint64_t ticks;
        uint8_t deleted;
        uint16_t values;
        if (!in.GetU64LE(&ticks) || !in.GetU8(&deleted) || deleted > 1 || !in.GetU16LE(&values))
            return false;
        exception.originalStart = DateOfTicks(ticks);
        exception.deleted = deleted != 0;
        for (uint16_t i = 0; i < values; ++i) {
            CEPROPID prop;
            PropValue value;
            if (!GetValue(in, &prop, &value))
                return false;
            exception.values[prop] = value;
        }
    }
    if (!in.AtEnd())
        return false;
    *exceptions = std::move(result);
    return true;
}

std::vector<BYTE> EncodeRecipients(const std::vector<Recipient>& recipients)
{
    ByteWriter out;
    out.PutU16LE(kBlobVersion);
    out.PutU16LE(static_cast<uint16_t>(recipients.size()));
    for (const Recipient& recipient : recipients) {
        PutText16(out, recipient.name);
        PutText16(out, recipient.address);
    }
    return out.Take();
}

bool DecodeRecipients(const BYTE* bytes, size_t count, std::vector<Recipient>* recipients)
{
    ByteReader in(bytes, count);
    uint16_t total;
    if (!GetVersion(in) || !in.GetU16LE(&total) || in.Left() / kLeastRecipientBytes < total)
        return false;
    std::vector<Recipient> result(total);
    for (Recipient& recipient : result)
        if (!GetText16(in, &recipient.name) || !GetText16(in, &recipient.address))
            return false;
    if (!in.AtEnd())
        return false;
    *recipients = std::move(result);
    return true;
}

}  // namespace poom
