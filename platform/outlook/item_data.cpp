#include "platform/outlook/item_data.h"

#include "platform/outlook/ole_dates.h"

#include <cmath>

namespace poom {

namespace {

uint64_t TicksOf(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FileTimeOfTicks(uint64_t ticks)
{
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

}  // namespace

FILETIME FileTimeOfValue(const PropValue& value)
{
    FILETIME read = FileTimeOfTicks(value.fileTime);
    return FileTimeToDate(read) == value.date ? read : DateToFileTime(value.date);
}

bool PropValue::operator==(const PropValue& other) const
{
    if (type != other.type || text != other.text || number != other.number || date != other.date ||
        bytes != other.bytes || real != other.real)
        return false;
    FILETIME mine = FileTimeOfValue(*this);
    FILETIME theirs = FileTimeOfValue(other);
    return mine.dwLowDateTime == theirs.dwLowDateTime && mine.dwHighDateTime == theirs.dwHighDateTime;
}

PropValue DateValue(const FILETIME& time)
{
    PropValue value;
    value.type = CEVT_FILETIME;
    value.date = FileTimeToDate(time);
    value.fileTime = TicksOf(time);
    return value;
}

const PropValue* ItemData::Find(CEPROPID prop, const PropMap* overrides) const
{
    if (overrides) {
        auto o = overrides->find(prop);
        if (o != overrides->end())
            return &o->second;
    }
    auto it = props_.find(prop);
    return it == props_.end() ? nullptr : &it->second;
}

PropValue& ItemData::Fresh(CEPROPID prop, WORD type)
{
    PropValue& value = props_[prop];
    value = PropValue{};
    value.type = type;
    return value;
}

std::wstring ItemData::Text(CEPROPID prop) const
{
    const PropValue* value = Find(prop);
    return value ? value->text : std::wstring();
}

void ItemData::SetText(CEPROPID prop, const std::wstring& text)
{
    if (text.empty()) {
        props_.erase(prop);
        return;
    }
    Fresh(prop, CEVT_LPWSTR).text = text;
}

double ItemData::Date(CEPROPID prop) const
{
    const PropValue* value = Find(prop);
    return value ? value->date : kPoomNoDate;
}

void ItemData::SetDate(CEPROPID prop, double date)
{
    // 4501-01-01 and later is no date.
    if (date >= kPoomNoDate - kSameTimeTolerance) {
        props_.erase(prop);
        return;
    }
    Fresh(prop, CEVT_FILETIME).date = date;
}

void ItemData::SetFileTime(CEPROPID prop, const FILETIME& time)
{
    PropValue value = DateValue(time);
    SetDate(prop, value.date);
    if (Has(prop))
        props_[prop] = value;
}

long long ItemData::Number(CEPROPID prop, long long missing) const
{
    const PropValue* value = Find(prop);
    return value ? value->number : missing;
}

void ItemData::SetNumber(CEPROPID prop, long long number)
{
    Fresh(prop, TypeFromPropID(prop)).number = number;
}

const std::vector<BYTE>* ItemData::Bytes(CEPROPID prop) const
{
    const PropValue* value = Find(prop);
    return value ? &value->bytes : nullptr;
}

void ItemData::SetBytes(CEPROPID prop, const BYTE* bytes, size_t count)
{
    if (count == 0) {
        props_.erase(prop);
        return;
    }
    Fresh(prop, TypeFromPropID(prop)).bytes.assign(bytes, bytes + count);
}

void ItemData::MoveStart(double start)
{
    double length = DurationDays();
    SetDate(kPropStart, start);
    SetDate(kPropEnd, start + length);
}

void ItemData::SetDurationMinutes(long minutes)
{
    SetDate(kPropEnd, Date(kPropStart) + minutes * kMinute);
}

FieldValue ItemData::Field(const FieldDef& field, const PropMap* overrides) const
{
    FieldValue result;
    result.type = field.type;
    if (field.prop == kFieldFullName) {
        result.text = FullNameOf(*this);
    } else if (field.prop == kFieldDuration) {
        const PropValue* start = Find(kPropStart, overrides);
        const PropValue* end = Find(kPropEnd, overrides);
        result.number = start && end ? MinutesBetween(start->date, end->date) : 0;
    } else if (field.prop == kPropEnd && kind_ == ItemKind::Appointment) {
        // The end is the first moment after the item: an item ending at
        // midnight does not end "on or after" that day.
        const PropValue* start = Find(kPropStart, overrides);
        const PropValue* end = Find(kPropEnd, overrides);
        double last = end ? end->date - kSecond : kPoomNoDate;
        result.date = start && last < start->date ? start->date : last;
    } else if (field.prop == kFieldIsRecurring) {
        result.number = rule_.Recurs() ? 1 : 0;
    } else if (field.prop == kFieldOid) {
        result.number = static_cast<long>(oid_);
    } else if (const PropValue* value = Find(field.prop, overrides)) {
        result.text = value->text;
        result.date = value->date;
        result.number = value->number;
    } else {
        result.date = kPoomNoDate;
    }
    return result;
}

ItemData NewItemData(ItemKind kind)
{
    ItemData item(kind);
    switch (kind) {
    case ItemKind::Appointment: {
        SYSTEMTIME now;
        GetLocalTime(&now);
        // The next whole hour, for an hour.
        DATE start = MakeDate(now.wYear, now.wMonth, now.wDay, now.wHour) + 1.0 / 24;
        item.SetDate(kPropStart, start);
        item.SetDate(kPropEnd, start + 1.0 / 24);
        item.SetFlag(kPropAllDayEvent, false);
        item.SetNumber(kPropBusyStatus, olBusy);
        item.SetNumber(kPropSensitivity, olNormal);
        item.SetFlag(kPropReminderSet, true);
        item.SetNumber(kPropReminderMinutes, 15);
        item.SetNumber(kPropMeetingStatus, olNonMeeting);
        break;
    }
    case ItemKind::Task:
        item.SetNumber(kPropImportance, olImportanceNormal);
        item.SetFlag(kPropComplete, false);
        item.SetFlag(kPropReminderSet, false);
        item.SetNumber(kPropSensitivity, olNormal);
        break;
    case ItemKind::Contact:
        break;
    }
    return item;
}

std::wstring FullNameOf(const ItemData& contact)
{
    return contact.Text(kPropLastName) + contact.Text(kPropFirstName) + contact.Text(kPropMiddleName);
}

std::wstring BodyTextOf(const std::vector<BYTE>* body)
{
    if (!body || body->empty())
        return std::wstring();
    INKBODYPARTS parts = {};
    if (!InkBodyRead(body->data(), static_cast<DWORD>(body->size()), &parts) || parts.textChars == 0)
        return std::wstring();
    std::wstring text(parts.textChars + 1, L'\0');
    DWORD copied = InkBodyCopyText(body->data(), static_cast<DWORD>(body->size()), text.data(),
                                   static_cast<DWORD>(text.size()));
    text.resize(copied);
    return text;
}

std::vector<BYTE> BodyWithText(const std::vector<BYTE>* body, const std::wstring& text)
{
    const BYTE* ink = nullptr;
    DWORD inkBytes = 0;
    INKBODYPARTS parts = {};
    if (body && !body->empty() && InkBodyRead(body->data(), static_cast<DWORD>(body->size()), &parts)) {
        ink = body->data() + parts.inkOffset;
        inkBytes = parts.inkBytes;
    }
    DWORD size = 0;
    if (!InkBodyMeasure(static_cast<DWORD>(text.size()), inkBytes, &size) || size == 0)
        return {};
    std::vector<BYTE> result(size);
    if (!InkBodyWrite(text.c_str(), static_cast<DWORD>(text.size()), ink, inkBytes, result.data(), size, &size))
        return {};
    result.resize(size);
    return result;
}

}  // namespace poom
