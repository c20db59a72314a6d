// IContact over an item state.
#include "platform/outlook/item_object.h"

namespace poom {

namespace {

// The record property of a text property of the interface.
CEPROPID ContactTextProp(const wchar_t* name)
{
    if (lstrcmpW(name, L"Body") == 0)
        return kPropBody;
    const FieldDef* field = FindField(ItemKind::Contact, name);
    return field ? field->prop : 0;
}

HRESULT GetContactText(const ItemState& state, CEPROPID prop, BSTR* out)
{
    return prop == kPropBody ? GetBodyText(state, out) : GetTextProp(state, prop, out);
}

HRESULT PutContactText(ItemState& state, CEPROPID prop, BSTR value)
{
    return prop == kPropBody ? PutBodyText(state, value) : PutTextProp(state, prop, value);
}

#define CONTACT_GET_TEXT(Name)                                            \
    HRESULT STDMETHODCALLTYPE get_##Name(BSTR* value) override            \
    {                                                                     \
        static const CEPROPID prop = ContactTextProp(L## #Name);          \
        return GetContactText(*state_, prop, value);                      \
    }
#define CONTACT_PUT_TEXT(Name)                                            \
    HRESULT STDMETHODCALLTYPE put_##Name(BSTR value) override             \
    {                                                                     \
        static const CEPROPID prop = ContactTextProp(L## #Name);          \
        return PutContactText(*state_, prop, value);                      \
    }

class Contact : public ItemObject<IContact, &IID_IContact> {
public:
    explicit Contact(const ItemStatePtr& state) : ItemObject(state) {}

    HRESULT STDMETHODCALLTYPE get_Birthday(DATE* date) override { return GetDateProp(*state_, kPropBirthday, date); }
    HRESULT STDMETHODCALLTYPE get_Anniversary(DATE* date) override
    {
        return GetDateProp(*state_, kPropAnniversary, date);
    }
    POOM_CONTACT_TEXT_PROPERTIES(CONTACT_GET_TEXT)
    HRESULT STDMETHODCALLTYPE put_Birthday(DATE date) override { return PutDateProp(*state_, kPropBirthday, date); }
    HRESULT STDMETHODCALLTYPE put_Anniversary(DATE date) override
    {
        return PutDateProp(*state_, kPropAnniversary, date);
    }
    POOM_CONTACT_TEXT_PROPERTIES(CONTACT_PUT_TEXT)
    HRESULT STDMETHODCALLTYPE Copy(IContact** copy) override { return CopyAs<Contact>(copy); }
};

}  // namespace

IDispatch* NewContactObject(const ItemStatePtr& state)
{
    return static_cast<IContact*>(new Contact(state));
}

}  // namespace poom
