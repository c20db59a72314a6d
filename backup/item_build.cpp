#include "backup/item_build.h"

#include "backup/item_fields.h"

#include <type_traits>

namespace {

// The fields of each kind that are set on the item, and those on its
// pattern (a task's pattern has no times of day).
template <class I>
std::span<const ItemField<I>> OwnFieldsOf();
template <>
std::span<const ItemField<IContact>> OwnFieldsOf<IContact>() { return ContactFields(); }
template <>
std::span<const ItemField<IAppointment>> OwnFieldsOf<IAppointment>() { return AppointmentFields(); }
template <>
std::span<const ItemField<ITask>> OwnFieldsOf<ITask>() { return TaskFields(); }

template <class I>
constexpr bool kHasPattern = !std::is_same_v<I, IContact>;

template <class I>
bool SetsPatternField(WORD id)
{
    if constexpr (!kHasPattern<I>)
        return false;
    else
        return id >= kFirstPatternField && id <= kLastPatternField &&
               !(std::is_same_v<I, ITask> && IsPatternTimeField(id));
}

}  // namespace

template <class I>
void ItemBuild<I>::Begin(ComRef<I> item)
{
    Release();
    item_ = std::move(item);
    active_ = true;
    if constexpr (kHasPattern<I>) {
        if (item_)
            item_->GetRecurrencePattern(pattern_.Out());
    }
}

template <class I>
void ItemBuild<I>::Apply(WORD id, const BYTE* data, size_t length)
{
    HRESULT result = S_OK;
    if (const ItemField<I>* field = FindItemField(OwnFieldsOf<I>(), id)) {
        if (item_)
            result = ApplyItemField(item_.Get(), *field, data, length);
    } else if (SetsPatternField<I>(id) && PatternFieldUsedBy(patternType_, id)) {
        const ItemField<IRecurrencePattern>* patternField = FindItemField(PatternFields(), id);
        if (pattern_ && patternField)
            result = ApplyItemField(pattern_.Get(), *patternField, data, length);
        if (id == kFirstPatternField && length > 0 && SUCCEEDED(result))
            patternType_ = DecodeSignedData(data, length);
    }
    if (FAILED(result))
        refusals_.push_back(FieldRefusal{id, result});
}

template <class I>
ComRef<I> ItemBuild<I>::ItemRef() const
{
    if (item_)
        item_->AddRef();
    return ComRef<I>(item_.Get());
}

template <class I>
void ItemBuild<I>::Release()
{
    pattern_.Reset();
    item_.Reset();
    refusals_.clear();
    patternType_ = kTypeNotSet;
    active_ = false;
}

template class ItemBuild<IContact>;
template class ItemBuild<IAppointment>;
template class ItemBuild<ITask>;

ComRef<IContact> NewContactIn(IPOutlookItemCollection* contacts)
{
    ComRef<IDispatch> item;
    if (!contacts || FAILED(contacts->Add(item.Out())) || !item)
        return ComRef<IContact>();
    return ItemAs<IContact>(item.Get(), IID_IContact);
}

bool FieldDateTime(const BYTE* data, size_t length, DATE* date)
{
    SYSTEMTIME time;
    return DecodeDateTimeData(data, length, &time) && VariantDateOfField(time, date);
}

void SeriesStart::Take(WORD id, const BYTE* data, size_t length)
{
    SYSTEMTIME start;
    if (id == 4 && DecodeDateTimeData(data, length, &start)) {
        hour = start.wHour;
        minute = start.wMinute;
    }
}

bool SeriesStart::OccurrenceDate(const BYTE* data, size_t length, DATE* start) const
{
    SYSTEMTIME time;
    if (!DecodeDateTimeData(data, length, &time))
        return false;
    time.wHour = hour;
    time.wMinute = minute;
    return VariantDateOfField(time, start);
}
