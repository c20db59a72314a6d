// One item as this process holds it: its record properties (keyed by
// record property id), its recurrence rule, the exceptions of its
// occurrences and its recipients. What a record lacks reads as the
// property's "missing" value: empty text, 0, false, or the object model's
// no-date value for dates.
#pragma once

#include "platform/outlook/item_fields.h"
#include "platform/outlook/recurrence_rule.h"
#include "platform/outlook/restriction.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace poom {

struct PropValue {
    WORD type = CEVT_LPWSTR;
    std::wstring text;         // CEVT_LPWSTR
    long long number = 0;      // integer types and CEVT_BOOL, as stored
    double date = 0;           // CEVT_FILETIME, as a variant time
    std::vector<BYTE> bytes;   // CEVT_BLOB, CEVT_STREAM
    uint64_t fileTime = 0;     // CEVT_FILETIME as read; it stands while date is the date it gives
    double real = 0;           // CEVT_R8

    // A date compares by the FILETIME it is written as.
    bool operator==(const PropValue& other) const;
};

// The FILETIME a date value is written as: the one it was read from while
// its date is unchanged (so that a part of a second survives), else the date's.
FILETIME FileTimeOfValue(const PropValue& value);
// A date value as read from a FILETIME.
PropValue DateValue(const FILETIME& time);

using PropMap = std::map<CEPROPID, PropValue>;

// A changed or deleted occurrence of a recurring appointment. `values`
// holds what differs from the series; Start and End are always there.
struct OccurrenceException {
    double originalStart = 0;
    bool deleted = false;
    PropMap values;

    bool operator==(const OccurrenceException&) const = default;
};

struct Recipient {
    std::wstring name;
    std::wstring address;

    bool operator==(const Recipient&) const = default;
};

// Record property ids in ascending order, each once, in one block: every
// item read and every item object handed out copies them, and a node per
// id cost more than the rest of the copy.
class PropIdSet {
public:
    PropIdSet() = default;
    PropIdSet(std::initializer_list<CEPROPID> ids)
    {
        for (CEPROPID id : ids)
            insert(id);
    }
    void insert(CEPROPID id)
    {
        if (ids_.empty() || ids_.back() < id) {
            ids_.push_back(id);  // records list their ids in order
            return;
        }
        auto at = std::lower_bound(ids_.begin(), ids_.end(), id);
        if (*at != id)
            ids_.insert(at, id);
    }
    size_t count(CEPROPID id) const { return std::binary_search(ids_.begin(), ids_.end(), id) ? 1 : 0; }
    void clear() { ids_.clear(); }
    bool empty() const { return ids_.empty(); }
    size_t size() const { return ids_.size(); }
    std::vector<CEPROPID>::const_iterator begin() const { return ids_.begin(); }
    std::vector<CEPROPID>::const_iterator end() const { return ids_.end(); }

private:
    std::vector<CEPROPID> ids_;
};

class ItemData {
public:
    explicit ItemData(ItemKind kind = ItemKind::Contact) : kind_(kind) {}

    ItemKind Kind() const { return kind_; }
    CEOID Oid() const { return oid_; }
    void SetOid(CEOID oid) { oid_ = oid; }

    PropMap& Props() { return props_; }
    const PropMap& Props() const { return props_; }
    // Properties the record had when it was read, so that a save removes
    // those that are gone.
    PropIdSet& StoredProps() { return stored_; }

    bool Has(CEPROPID prop) const { return props_.count(prop) != 0; }
    void Remove(CEPROPID prop) { props_.erase(prop); }

    std::wstring Text(CEPROPID prop) const;
    void SetText(CEPROPID prop, const std::wstring& text);  // empty removes
    double Date(CEPROPID prop) const;                        // no date when missing
    void SetDate(CEPROPID prop, double date);                // no date removes
    void SetFileTime(CEPROPID prop, const FILETIME& time);   // as SetDate, keeping the exact time
    long long Number(CEPROPID prop, long long missing = 0) const;
    void SetNumber(CEPROPID prop, long long value);
    bool Flag(CEPROPID prop) const { return Number(prop) != 0; }
    void SetFlag(CEPROPID prop, bool value) { SetNumber(prop, value ? 1 : 0); }
    const std::vector<BYTE>* Bytes(CEPROPID prop) const;
    void SetBytes(CEPROPID prop, const BYTE* bytes, size_t count);  // 0 bytes removes

    RecurrenceRule& Rule() { return rule_; }
    const RecurrenceRule& Rule() const { return rule_; }
    std::vector<OccurrenceException>& Exceptions() { return exceptions_; }
    const std::vector<OccurrenceException>& Exceptions() const { return exceptions_; }
    std::vector<Recipient>& Recipients() { return recipients_; }
    const std::vector<Recipient>& Recipients() const { return recipients_; }

    // The value a restriction or sort sees; overrides stand in for an
    // occurrence's own values. An appointment's End reads as its last
    // second (never before its start).
    FieldValue Field(const FieldDef& field, const PropMap* overrides = nullptr) const;

    // An appointment's length in days.
    double DurationDays() const { return Date(kPropEnd) - Date(kPropStart); }
    // An appointment moved to a new start, its length kept.
    void MoveStart(double start);
    // An appointment's end set by its length in minutes from its start.
    void SetDurationMinutes(long minutes);

private:
    const PropValue* Find(CEPROPID prop, const PropMap* overrides = nullptr) const;
    // The property's value, emptied and given the type, for a setter to fill.
    PropValue& Fresh(CEPROPID prop, WORD type);

    ItemKind kind_;
    CEOID oid_ = 0;
    PropMap props_;
    PropIdSet stored_;
    RecurrenceRule rule_;
    std::vector<OccurrenceException> exceptions_;
    std::vector<Recipient> recipients_;
};

// A new, unsaved item with the object model's defaults.
ItemData NewItemData(ItemKind kind);

// The name a contact goes by: last name followed by first name and middle
// name (the way the lists of this system show Korean names).
std::wstring FullNameOf(const ItemData& contact);

// The body's text (empty when the body is not a Rich Ink body).
std::wstring BodyTextOf(const std::vector<BYTE>* body);
// The body with its text replaced, its ink kept; empty for neither.
std::vector<BYTE> BodyWithText(const std::vector<BYTE>* body, const std::wstring& text);

}  // namespace poom
