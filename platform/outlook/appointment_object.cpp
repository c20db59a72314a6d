// IAppointment over an item state: a whole appointment, or one occurrence
// of a recurring one (whose Save and Delete touch only that occurrence).
#include "platform/outlook/com_object.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"

namespace poom {

namespace {

class Appointment : public DispatchObject<IAppointment, &IID_IAppointment> {
public:
    explicit Appointment(const ItemStatePtr& state) : state_(state) {}

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
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(state_->occurrence || state_->data.Rule().Recurs()),
                                         recurring);
    }
    HRESULT STDMETHODCALLTYPE get_Subject(BSTR* value) override { return GetTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE get_Location(BSTR* value) override { return GetTextProp(*state_, kPropLocation, value); }
    HRESULT STDMETHODCALLTYPE get_Categories(BSTR* value) override
    {
        return GetTextProp(*state_, kPropCategories, value);
    }
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
    HRESULT STDMETHODCALLTYPE get_Sensitivity(long* value) override
    {
        return GetNumberProp(*state_, kPropSensitivity, value);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* set) override
    {
        return GetFlagProp(*state_, kPropReminderSet, set);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderMinutesBeforeStart(long* minutes) override
    {
        return GetNumberProp(*state_, kPropReminderMinutes, minutes);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* file) override
    {
        return GetTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* options) override
    {
        return GetNumberProp(*state_, kPropReminderOptions, options);
    }
    HRESULT STDMETHODCALLTYPE get_Body(BSTR* body) override { return GetBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) override { return GetBodyInk(*state_, ink, bytes); }
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

    HRESULT STDMETHODCALLTYPE put_Subject(BSTR value) override { return PutTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE put_Location(BSTR value) override { return PutTextProp(*state_, kPropLocation, value); }
    HRESULT STDMETHODCALLTYPE put_Categories(BSTR value) override
    {
        return PutTextProp(*state_, kPropCategories, value);
    }
    // A new start keeps the length.
    HRESULT STDMETHODCALLTYPE put_Start(DATE start) override
    {
        double length = End() - Start();
        state_->data.SetDate(kPropStart, start);
        state_->data.SetDate(kPropEnd, start + length);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Duration(long minutes) override
    {
        if (minutes < 0)
            return E_INVALIDARG;
        state_->data.SetDate(kPropEnd, Start() + minutes * kMinute);
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
    HRESULT STDMETHODCALLTYPE put_Sensitivity(long value) override
    {
        return PutNumberProp(*state_, kPropSensitivity, value);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL set) override
    {
        return PutFlagProp(*state_, kPropReminderSet, set);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderMinutesBeforeStart(long minutes) override
    {
        if (minutes < 0)
            return E_INVALIDARG;
        return PutNumberProp(*state_, kPropReminderMinutes, minutes);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR file) override
    {
        return PutTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderOptions(long options) override
    {
        return PutNumberProp(*state_, kPropReminderOptions, options);
    }
    HRESULT STDMETHODCALLTYPE put_Body(BSTR body) override { return PutBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) override { return PutBodyInk(*state_, ink, bytes); }

    HRESULT STDMETHODCALLTYPE Save() override { return SaveItem(*state_); }
    // Meeting requests go nowhere on this device.
    HRESULT STDMETHODCALLTYPE Send() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Delete() override { return DeleteItem(*state_); }
    HRESULT STDMETHODCALLTYPE Cancel() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Display() override { return DisplayItem(*state_); }
    HRESULT STDMETHODCALLTYPE get_Oid(long* oid) override
    {
        return ReturnValue<long>(static_cast<long>(state_->data.Oid()), oid);
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }
    HRESULT STDMETHODCALLTYPE Copy(IAppointment** copy) override
    {
        if (!copy)
            return E_POINTER;
        *copy = nullptr;
        ItemStatePtr result;
        HRESULT hr = CopyItem(*state_, &result);
        if (SUCCEEDED(hr))
            *copy = new Appointment(result);
        return hr;
    }

private:
    double Start() const { return state_->data.Date(kPropStart); }
    double End() const { return state_->data.Date(kPropEnd); }

    ItemStatePtr state_;
};

}  // namespace

IDispatch* NewAppointmentObject(const ItemStatePtr& state)
{
    return static_cast<IAppointment*>(new Appointment(state));
}

}  // namespace poom
