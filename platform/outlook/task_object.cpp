// ITask over an item state. Start and due dates of 4501-01-01 (or later)
// are no date; a task without one reads back 4501-01-01.
#include "platform/outlook/com_object.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"

namespace poom {

namespace {

class Task : public DispatchObject<ITask, &IID_ITask> {
public:
    explicit Task(const ItemStatePtr& state) : state_(state) {}

    HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** pattern) override
    {
        if (!pattern)
            return E_POINTER;
        *pattern = NewPattern(state_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() override { return ClearItemPattern(*state_); }
    HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* recurring) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(state_->data.Rule().Recurs()), recurring);
    }
    HRESULT STDMETHODCALLTYPE get_Subject(BSTR* value) override { return GetTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE get_Categories(BSTR* value) override
    {
        return GetTextProp(*state_, kPropCategories, value);
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
    HRESULT STDMETHODCALLTYPE get_Sensitivity(long* value) override
    {
        return GetNumberProp(*state_, kPropSensitivity, value);
    }
    HRESULT STDMETHODCALLTYPE get_TeamTask(VARIANT_BOOL* value) override
    {
        return GetFlagProp(*state_, kPropTeamTask, value);
    }
    HRESULT STDMETHODCALLTYPE get_Body(BSTR* body) override { return GetBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) override { return GetBodyInk(*state_, ink, bytes); }
    HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* set) override
    {
        return GetFlagProp(*state_, kPropReminderSet, set);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* file) override
    {
        return GetTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderTime(DATE* time) override
    {
        return GetDateProp(*state_, kPropReminderTime, time);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* options) override
    {
        return GetNumberProp(*state_, kPropReminderOptions, options);
    }

    HRESULT STDMETHODCALLTYPE put_Subject(BSTR value) override { return PutTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE put_Categories(BSTR value) override
    {
        return PutTextProp(*state_, kPropCategories, value);
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
    HRESULT STDMETHODCALLTYPE put_Sensitivity(long value) override
    {
        return PutNumberProp(*state_, kPropSensitivity, value);
    }
    HRESULT STDMETHODCALLTYPE put_TeamTask(VARIANT_BOOL value) override
    {
        return PutFlagProp(*state_, kPropTeamTask, value);
    }
    HRESULT STDMETHODCALLTYPE put_Body(BSTR body) override { return PutBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) override { return PutBodyInk(*state_, ink, bytes); }
    HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL set) override
    {
        return PutFlagProp(*state_, kPropReminderSet, set);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR file) override
    {
        return PutTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderTime(DATE time) override
    {
        return PutDateProp(*state_, kPropReminderTime, time);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderOptions(long options) override
    {
        return PutNumberProp(*state_, kPropReminderOptions, options);
    }

    HRESULT STDMETHODCALLTYPE Save() override { return SaveItem(*state_); }
    HRESULT STDMETHODCALLTYPE Delete() override { return DeleteItem(*state_); }
    HRESULT STDMETHODCALLTYPE SkipRecurrence() override { return SkipTaskOccurrence(*state_); }
    HRESULT STDMETHODCALLTYPE Display() override { return DisplayItem(*state_); }
    HRESULT STDMETHODCALLTYPE get_Oid(long* oid) override
    {
        return ReturnValue<long>(static_cast<long>(state_->data.Oid()), oid);
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }
    HRESULT STDMETHODCALLTYPE Copy(ITask** copy) override
    {
        if (!copy)
            return E_POINTER;
        *copy = nullptr;
        ItemStatePtr result;
        HRESULT hr = CopyItem(*state_, &result);
        if (SUCCEEDED(hr))
            *copy = new Task(result);
        return hr;
    }

private:
    ItemStatePtr state_;
};

}  // namespace

IDispatch* NewTaskObject(const ItemStatePtr& state)
{
    return static_cast<ITask*>(new Task(state));
}

}  // namespace poom
