// IAppointment over an item state: a whole appointment, or one occurrence
// of a recurring one (whose Save and Delete touch only that occurrence).
#include "platform/outlook/item_object.h"
#include "platform/outlook/ole_dates.h"

namespace poom {

namespace {

class Appointment : public ItemObject<IAppointment, &IID_IAppointment> {
public:
    explicit Appointment(const ItemStatePtr& state) : ItemObject(state) {}

    HRESULT STDMETHODCALLTYPE get_IsRecurring(VARIANT_BOOL* recurring) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(state_->occurrence || state_->data.Rule().Recurs()),
                                         recurring);
    }
    HRESULT STDMETHODCALLTYPE get_Location(BSTR* value) override { return GetTextProp(*state_, kPropLocation, value); }
    HRESULT STDMETHODCALLTYPE get_Start(DATE* start) override { return GetDateProp(*state_, kPropStart, start); }
    HRESULT STDMETHODCALLTYPE get_Duration(long* minutes) override
    {
        return ReturnValue<long>(MinutesBetween(Start(), End()), minutes);
    }
    HRESULT STDMETHODCALLTYPE get_End(DATE* end) override { return GetDateProp(*state_, kPropEnd, end); }
    HRESULT STDMETHODCALLTYPE get_AllDayEvent(VARIANT_BOOL* allDay) override
    {
        return GetFlagProp(*state_, kPropAllDayEvent, allDay);
    }
    HRESULT STDMETHODCALLTYPE get_BusyStatus(long* status) override
    {
        return GetNumberProp(*state_, kPropBusyStatus, status);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderMinutesBeforeStart(long* minutes) override
    {
        return GetNumberProp(*state_, kPropReminderMinutes, minutes);
    }
    HRESULT STDMETHODCALLTYPE get_MeetingStatus(long* status) override
    {
        long value = state_->data.Recipients().empty() ? static_cast<long>(state_->data.Number(kPropMeetingStatus))
                                                       : static_cast<long>(olMeeting);
        return ReturnValue<long>(value, status);
    }
    HRESULT STDMETHODCALLTYPE get_Recipients(IRecipients** recipients) override
    {
        if (!recipients)
            return E_POINTER;
        *recipients = NewRecipients(state_);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE put_Location(BSTR value) override { return PutTextProp(*state_, kPropLocation, value); }
    // A new start keeps the length.
    HRESULT STDMETHODCALLTYPE put_Start(DATE start) override
    {
        state_->data.MoveStart(start);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Duration(long minutes) override
    {
        if (minutes < 0)
            return E_INVALIDARG;
        state_->data.SetDurationMinutes(minutes);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_End(DATE end) override
    {
        if (end < Start() - kSameTimeTolerance)
            return E_INVALIDARG;
        state_->data.SetDate(kPropEnd, end);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_AllDayEvent(VARIANT_BOOL allDay) override
    {
        return PutFlagProp(*state_, kPropAllDayEvent, allDay);
    }
    HRESULT STDMETHODCALLTYPE put_BusyStatus(long status) override
    {
        return PutNumberProp(*state_, kPropBusyStatus, status);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderMinutesBeforeStart(long minutes) override
    {
        if (minutes < 0)
            return E_INVALIDARG;
        return PutNumberProp(*state_, kPropReminderMinutes, minutes);
    }

    // Meeting requests go nowhere on this device.
    HRESULT STDMETHODCALLTYPE Send() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Cancel() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Copy(IAppointment** copy) override { return CopyAs<Appointment>(copy); }

private:
    double Start() const { return state_->data.Date(kPropStart); }
    double End() const { return state_->data.Date(kPropEnd); }
};

}  // namespace

IDispatch* NewAppointmentObject(const ItemStatePtr& state)
{
    return static_cast<IAppointment*>(new Appointment(state));
}

}  // namespace poom
