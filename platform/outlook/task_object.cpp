// ITask over an item state. Start and due dates of 4501-01-01 (or later)
// are no date; a task without one reads back 4501-01-01.
#include "platform/outlook/item_object.h"
#include "platform/outlook/ole_dates.h"

namespace poom {

namespace {

class Task : public ItemObject<ITask, &IID_ITask> {
public:
    explicit Task(const ItemStatePtr& state) : ItemObject(state) {}

    HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* recurring) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(state_->data.Rule().Recurs()), recurring);
    }
    HRESULT STDMETHODCALLTYPE get_StartDate(DATE* date) override { return GetDateProp(*state_, kPropStartDate, date); }
    HRESULT STDMETHODCALLTYPE get_DueDate(DATE* date) override { return GetDateProp(*state_, kPropDueDate, date); }
    HRESULT STDMETHODCALLTYPE get_DateCompleted(DATE* date) override
    {
        return GetDateProp(*state_, kPropDateCompleted, date);
    }
    HRESULT STDMETHODCALLTYPE get_Importance(long* value) override
    {
        return GetNumberProp(*state_, kPropImportance, value);
    }
    HRESULT STDMETHODCALLTYPE get_Complete(VARIANT_BOOL* value) override
    {
        return GetFlagProp(*state_, kPropComplete, value);
    }
    HRESULT STDMETHODCALLTYPE get_TeamTask(VARIANT_BOOL* value) override
    {
        return GetFlagProp(*state_, kPropTeamTask, value);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderTime(DATE* time) override
    {
        return GetDateProp(*state_, kPropReminderTime, time);
    }

    HRESULT STDMETHODCALLTYPE put_StartDate(DATE date) override
    {
        return PutDateProp(*state_, kPropStartDate, date);
    }
    HRESULT STDMETHODCALLTYPE put_DueDate(DATE date) override { return PutDateProp(*state_, kPropDueDate, date); }
    HRESULT STDMETHODCALLTYPE put_Importance(long value) override
    {
        if (value < olImportanceLow || value > olImportanceHigh)
            return E_INVALIDARG;
        return PutNumberProp(*state_, kPropImportance, value);
    }
    // Completing dates the task today; opening it again clears the date.
    HRESULT STDMETHODCALLTYPE put_Complete(VARIANT_BOOL value) override
    {
        bool complete = value != VARIANT_FALSE;
        state_->data.SetFlag(kPropComplete, complete);
        if (!complete) {
            state_->data.Remove(kPropDateCompleted);
        } else if (!state_->data.Has(kPropDateCompleted)) {
            SYSTEMTIME now;
            GetLocalTime(&now);
            state_->data.SetDate(kPropDateCompleted, MakeDate(now.wYear, now.wMonth, now.wDay));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_TeamTask(VARIANT_BOOL value) override
    {
        return PutFlagProp(*state_, kPropTeamTask, value);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderTime(DATE time) override
    {
        return PutDateProp(*state_, kPropReminderTime, time);
    }

    HRESULT STDMETHODCALLTYPE SkipRecurrence() override { return SkipTaskOccurrence(*state_); }
    HRESULT STDMETHODCALLTYPE Copy(ITask** copy) override { return CopyAs<Task>(copy); }
};

}  // namespace

IDispatch* NewTaskObject(const ItemStatePtr& state)
{
    return static_cast<ITask*>(new Task(state));
}

}  // namespace poom
