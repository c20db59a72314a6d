// A Pocket Outlook item being rebuilt from the fields of its record, as the
// check pass and the restore both do: made at field 1, each field set
// through the property the backup read it from, released at the end. What
// a setter refused is kept for the restore to report.
#pragma once

#include "backup/outlook_access.h"

#include <vector>

struct FieldRefusal {
    WORD id;
    HRESULT result;
};

template <class I>
class ItemBuild {
public:
    // Starts a record with a new item (empty when none could be made; the
    // record's fields are then set on nothing).
    void Begin(ComRef<I> item);
    // Sets one field of the record (fields the kind does not set through
    // a property are left to the caller). A recurrence field that the
    // record's type does not read is not set.
    void Apply(WORD id, const BYTE* data, size_t length);
    I* Item() const { return item_.Get(); }
    // A reference of its own to the item, kept past Release.
    ComRef<I> ItemRef() const;
    bool Active() const { return active_; }
    bool Made() const { return static_cast<bool>(item_); }
    const std::vector<FieldRefusal>& Refusals() const { return refusals_; }
    void Release();

private:
    ComRef<I> item_;
    ComRef<IRecurrencePattern> pattern_;
    std::vector<FieldRefusal> refusals_;
    long patternType_ = kTypeNotSet;  // the record's recurrence type
    bool active_ = false;

    static constexpr long kTypeNotSet = -2;
};

// The start time of an appointment's series, taken from its field 4; its
// exceptions' occurrences are looked for at that time of their dates (the
// time the file's original date carries is not relied on).
struct SeriesStart {
    WORD hour = 0;
    WORD minute = 0;
    void Take(WORD id, const BYTE* data, size_t length);
    bool OccurrenceDate(const BYTE* data, size_t length, DATE* start) const;
};

// A new unsaved contact added to the contacts collection the pass holds
// (appointments and tasks: core's NewAppointmentItem and NewTaskItem).
ComRef<IContact> NewContactIn(IPOutlookItemCollection* contacts);

// The field data as the object model's date and time of the file.
bool FieldDateTime(const BYTE* data, size_t length, DATE* date);
