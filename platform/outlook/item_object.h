// What the three item interfaces share, implemented once: each item class
// derives from ItemObject over its own interface, and the members below
// implement that interface's methods of the same name (a member an
// interface does not have is a plain member).
#pragma once

#include "platform/outlook/com_object.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"

namespace poom {

template <class Interface, const IID* Id>
class ItemObject : public DispatchObject<Interface, Id> {
public:
    explicit ItemObject(const ItemStatePtr& state) : state_(state) {}

    HRESULT STDMETHODCALLTYPE GetRecurrencePattern(IRecurrencePattern** pattern)
    {
        if (!pattern)
            return E_POINTER;
        *pattern = NewPattern(state_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearRecurrencePattern() { return ClearItemPattern(*state_); }
    HRESULT STDMETHODCALLTYPE get_Subject(BSTR* value) { return GetTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE put_Subject(BSTR value) { return PutTextProp(*state_, kPropSubject, value); }
    HRESULT STDMETHODCALLTYPE get_Categories(BSTR* value) { return GetTextProp(*state_, kPropCategories, value); }
    HRESULT STDMETHODCALLTYPE put_Categories(BSTR value) { return PutTextProp(*state_, kPropCategories, value); }
    HRESULT STDMETHODCALLTYPE get_Sensitivity(long* value) { return GetNumberProp(*state_, kPropSensitivity, value); }
    HRESULT STDMETHODCALLTYPE put_Sensitivity(long value) { return PutNumberProp(*state_, kPropSensitivity, value); }
    HRESULT STDMETHODCALLTYPE get_ReminderSet(VARIANT_BOOL* set) { return GetFlagProp(*state_, kPropReminderSet, set); }
    HRESULT STDMETHODCALLTYPE put_ReminderSet(VARIANT_BOOL set) { return PutFlagProp(*state_, kPropReminderSet, set); }
    HRESULT STDMETHODCALLTYPE get_ReminderSoundFile(BSTR* file)
    {
        return GetTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderSoundFile(BSTR file)
    {
        return PutTextProp(*state_, kPropReminderSoundFile, file);
    }
    HRESULT STDMETHODCALLTYPE get_ReminderOptions(long* options)
    {
        return GetNumberProp(*state_, kPropReminderOptions, options);
    }
    HRESULT STDMETHODCALLTYPE put_ReminderOptions(long options)
    {
        return PutNumberProp(*state_, kPropReminderOptions, options);
    }
    HRESULT STDMETHODCALLTYPE get_Body(BSTR* body) { return GetBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE put_Body(BSTR body) { return PutBodyText(*state_, body); }
    HRESULT STDMETHODCALLTYPE get_BodyInk(BYTE** ink, int* bytes) { return GetBodyInk(*state_, ink, bytes); }
    HRESULT STDMETHODCALLTYPE put_BodyInk(BYTE* ink, int bytes) { return PutBodyInk(*state_, ink, bytes); }
    HRESULT STDMETHODCALLTYPE Save() { return SaveItem(*state_); }
    HRESULT STDMETHODCALLTYPE Delete() { return DeleteItem(*state_); }
    HRESULT STDMETHODCALLTYPE Display() { return DisplayItem(*state_); }
    HRESULT STDMETHODCALLTYPE get_Oid(long* oid)
    {
        return ReturnValue<long>(static_cast<long>(state_->data.Oid()), oid);
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) { return ReturnApplication(app); }

protected:
    // Copy(Interface** copy) of the item class: a stored copy of the same class.
    template <class Self>
    HRESULT CopyAs(Interface** copy)
    {
        if (!copy)
            return E_POINTER;
        *copy = nullptr;
        ItemStatePtr result;
        HRESULT hr = CopyItem(*state_, &result);
        if (SUCCEEDED(hr))
            *copy = new Self(result);
        return hr;
    }

    ItemStatePtr state_;
};

}  // namespace poom
