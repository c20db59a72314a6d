// IRecurrencePattern: a view of its item's rule. Every item has one; it
// reports type -1 until a type is set, and setting the type first fills the
// rule from the item's own start (date, weekday, day, month, which week).
// The pattern's start time, end time and duration are those of the
// appointment itself. PatternEndDate reads back the last occurrence when
// the rule ends after a count, 4501-01-01 when it never ends; Occurrences
// reads 0 unless the rule ends after a count, and setting 0 keeps an end
// date that was set.
#include "platform/outlook/com_object.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"
#include "platform/outlook/pim_store.h"

namespace poom {

namespace {

constexpr long kDefaultCount = 10;
constexpr long kAllWeekdays = 0x7F;
constexpr long kLastDayOfMonth = 31;
constexpr long kLastInstance = 5;  // the fifth week stands for the last
constexpr long kMonthsInYear = 12;

class Pattern : public DispatchObject<IRecurrencePattern, &IID_IRecurrencePattern> {
public:
    explicit Pattern(const ItemStatePtr& state) : state_(state) {}

    HRESULT STDMETHODCALLTYPE get_RecurrenceType(long* type) override
    {
        return ReturnValue<long>(Rule().Recurs() ? Rule().type : static_cast<long>(olRecursNone), type);
    }
    HRESULT STDMETHODCALLTYPE get_StartTime(DATE* time) override
    {
        return ReturnValue<DATE>(IsAppointment() ? TimeOfDay(Start()) : 0.0, time);
    }
    HRESULT STDMETHODCALLTYPE get_EndTime(DATE* time) override
    {
        return ReturnValue<DATE>(IsAppointment() ? TimeOfDay(End()) : 0.0, time);
    }
    HRESULT STDMETHODCALLTYPE get_PatternStartDate(DATE* date) override
    {
        return ReturnValue<DATE>(static_cast<double>(Rule().Recurs() ? Rule().startDay : ItemDay()), date);
    }
    HRESULT STDMETHODCALLTYPE get_PatternEndDate(DATE* date) override
    {
        double end = kPoomNoDate;
        if (Rule().Recurs() && Rule().end == RecurrenceEnd::ByDate)
            end = Rule().endDay;
        else if (std::optional<long> last = LastOccurrenceDay(Rule()))
            end = *last;
        return ReturnValue<DATE>(end, date);
    }
    HRESULT STDMETHODCALLTYPE get_Duration(long* minutes) override
    {
        return ReturnValue<long>(IsAppointment() ? MinutesBetween(Start(), End()) : 0, minutes);
    }
    HRESULT STDMETHODCALLTYPE get_Interval(long* interval) override { return ReturnValue(Rule().interval, interval); }
    HRESULT STDMETHODCALLTYPE get_DayOfWeekMask(long* mask) override
    {
        return ReturnValue(Rule().dayOfWeekMask, mask);
    }
    HRESULT STDMETHODCALLTYPE get_DayOfMonth(long* day) override { return ReturnValue(Rule().dayOfMonth, day); }
    HRESULT STDMETHODCALLTYPE get_Instance(long* instance) override { return ReturnValue(Rule().instance, instance); }
    HRESULT STDMETHODCALLTYPE get_MonthOfYear(long* month) override
    {
        return ReturnValue(Rule().monthOfYear, month);
    }
    HRESULT STDMETHODCALLTYPE get_NoEndDate(VARIANT_BOOL* noEnd) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(Rule().end == RecurrenceEnd::Never), noEnd);
    }
    HRESULT STDMETHODCALLTYPE get_Occurrences(long* count) override
    {
        return ReturnValue<long>(Rule().end == RecurrenceEnd::ByCount ? Rule().occurrences : 0, count);
    }

    HRESULT STDMETHODCALLTYPE put_RecurrenceType(long type) override
    {
        if (state_->occurrence)
            return E_ACCESSDENIED;
        RecurrenceRule probe;
        probe.type = type;
        if (!probe.Recurs())
            return E_INVALIDARG;
        return Change([&](RecurrenceRule& rule) { rule.type = type; });
    }
    HRESULT STDMETHODCALLTYPE put_StartTime(DATE time) override
    {
        if (!IsAppointment() || state_->occurrence)
            return E_ACCESSDENIED;
        state_->data.MoveStart(Midnight(Start()) + TimeOfDay(time));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_EndTime(DATE time) override
    {
        if (!IsAppointment() || state_->occurrence)
            return E_ACCESSDENIED;
        double end = Midnight(End()) + TimeOfDay(time);
        if (end < Start())
            end += 1.0;
        state_->data.SetDate(kPropEnd, end);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_PatternStartDate(DATE date) override
    {
        if (!IsSupportedDate(date))
            return E_INVALIDARG;
        return Change([&](RecurrenceRule& rule) { rule.startDay = DayOf(date); });
    }
    HRESULT STDMETHODCALLTYPE put_PatternEndDate(DATE date) override
    {
        if (!IsSupportedDate(date))
            return E_INVALIDARG;
        return Change([&](RecurrenceRule& rule) {
            rule.end = RecurrenceEnd::ByDate;
            rule.endDay = DayOf(date);
            rule.occurrences = 0;
        });
    }
    HRESULT STDMETHODCALLTYPE put_Duration(long minutes) override
    {
        if (!IsAppointment() || state_->occurrence)
            return E_ACCESSDENIED;
        if (minutes < 0)
            return E_INVALIDARG;
        state_->data.SetDurationMinutes(minutes);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Interval(long interval) override
    {
        return ChangeInRange(&RecurrenceRule::interval, interval, 1, kMaxRecurrenceInterval);
    }
    HRESULT STDMETHODCALLTYPE put_DayOfWeekMask(long mask) override
    {
        return ChangeInRange(&RecurrenceRule::dayOfWeekMask, mask, 0, kAllWeekdays);
    }
    HRESULT STDMETHODCALLTYPE put_DayOfMonth(long day) override
    {
        return ChangeInRange(&RecurrenceRule::dayOfMonth, day, 1, kLastDayOfMonth);
    }
    HRESULT STDMETHODCALLTYPE put_Instance(long instance) override
    {
        return ChangeInRange(&RecurrenceRule::instance, instance, 1, kLastInstance);
    }
    HRESULT STDMETHODCALLTYPE put_MonthOfYear(long month) override
    {
        return ChangeInRange(&RecurrenceRule::monthOfYear, month, 1, kMonthsInYear);
    }
    HRESULT STDMETHODCALLTYPE put_NoEndDate(VARIANT_BOOL noEnd) override
    {
        return Change([&](RecurrenceRule& rule) {
            if (noEnd != VARIANT_FALSE) {
                rule.end = RecurrenceEnd::Never;
            } else if (rule.end == RecurrenceEnd::Never) {
                rule.end = RecurrenceEnd::ByCount;
                rule.occurrences = kDefaultCount;
            }
        });
    }
    HRESULT STDMETHODCALLTYPE put_Occurrences(long count) override
    {
        if (count < 0)
            return E_INVALIDARG;
        return Change([&](RecurrenceRule& rule) {
            if (count > 0) {
                rule.end = RecurrenceEnd::ByCount;
                rule.occurrences = count;
            } else if (rule.end == RecurrenceEnd::ByCount) {
                // The end stays where the count had put it.
                std::optional<long> last = LastOccurrenceDay(rule);
                rule.end = RecurrenceEnd::ByDate;
                rule.endDay = last ? *last : rule.startDay;
                rule.occurrences = 0;
            }
        });
    }

    HRESULT STDMETHODCALLTYPE GetOccurrence(DATE start, IAppointment** occurrence) override
    {
        if (!occurrence)
            return E_POINTER;
        *occurrence = nullptr;
        if (!IsAppointment())
            return E_NOTIMPL;
        RefreshExceptions();
        auto series = std::make_shared<const ItemData>(state_->data);
        QueryEntry entry;
        entry.item = series;
        if (state_->occurrence || !FindOccurrence(*series, start, &entry))
            return E_FAIL;
        *occurrence = static_cast<IAppointment*>(NewItemObject(OccurrenceStateOf(entry, state_)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Exceptions(IExceptions** exceptions) override
    {
        if (!exceptions)
            return E_POINTER;
        RefreshExceptions();
        *exceptions = NewExceptions(state_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    RecurrenceRule& Rule() { return state_->data.Rule(); }
    bool IsAppointment() const { return state_->data.Kind() == ItemKind::Appointment; }
    double Start() const { return state_->data.Date(kPropStart); }
    double End() const { return state_->data.Date(kPropEnd); }

    // The day the item itself starts on (a task: its start, else its due date, else today).
    long ItemDay() const
    {
        const ItemData& item = state_->data;
        if (IsAppointment())
            return DayOf(item.Date(kPropStart));
        if (item.Has(kPropStartDate))
            return DayOf(item.Date(kPropStartDate));
        if (item.Has(kPropDueDate))
            return DayOf(item.Date(kPropDueDate));
        SYSTEMTIME now;
        GetLocalTime(&now);
        return DayNumber(now.wYear, now.wMonth, now.wDay);
    }

    RecurrenceRule DefaultRule() const
    {
        RecurrenceRule rule;
        rule.startDay = ItemDay();
        CivilDate date = DateOfDayNumber(rule.startDay);
        rule.interval = 1;
        rule.dayOfWeekMask = 1L << WeekdayOfDay(rule.startDay);
        rule.dayOfMonth = date.day;
        rule.monthOfYear = date.month;
        rule.instance = (date.day - 1) / 7 + 1;
        return rule;
    }

    // A rule never touched takes the item's defaults first (day 0 is never
    // a pattern start: it is 1899-12-30).
    void FillDefaults()
    {
        if (!Rule().Recurs() && Rule().startDay == 0)
            Rule() = DefaultRule();
    }

    // Pattern properties can be set before the type; they wait in the rule.
    // A change that would leave the rule out of range (a count whose last
    // occurrence passes 9999, say) is refused and changes nothing.
    template <class Edit>
    HRESULT Change(Edit edit)
    {
        if (state_->occurrence)
            return E_ACCESSDENIED;
        FillDefaults();
        RecurrenceRule changed = Rule();
        edit(changed);
        if (!RuleInRange(changed))
            return E_INVALIDARG;
        Rule() = changed;
        return S_OK;
    }

    HRESULT ChangeInRange(long RecurrenceRule::*field, long value, long low, long high)
    {
        if (value < low || value > high)
            return E_INVALIDARG;
        return Change([&](RecurrenceRule& rule) { rule.*field = value; });
    }

    // Occurrences saved through other objects since this item was read.
    void RefreshExceptions()
    {
        if (state_->occurrence || state_->data.Oid() == 0)
            return;
        ItemData stored;
        if (PimStore::Instance().Read(ItemKind::Appointment, state_->data.Oid(), &stored))
            state_->data.Exceptions() = stored.Exceptions();
    }

    ItemStatePtr state_;
};

}  // namespace

IRecurrencePattern* NewPattern(const ItemStatePtr& state)
{
    return new Pattern(state);
}

}  // namespace poom
