// IRecipients and IRecipient: the people an appointment is a meeting with.
// They live in the appointment and are stored by its Save.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"

namespace poom {

namespace {

class RecipientObject : public DispatchObject<IRecipient, &IID_IRecipient> {
public:
    RecipientObject(const ItemStatePtr& state, size_t index) : state_(state), index_(index) {}

    HRESULT STDMETHODCALLTYPE get_Address(BSTR* address) override
    {
        Recipient* own = Own();
        return own ? ReturnText(own->address, address) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_Address(BSTR address) override
    {
        Recipient* own = Own();
        if (!own)
            return E_FAIL;
        own->address = TextOf(address);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override
    {
        Recipient* own = Own();
        return own ? ReturnText(own->name, name) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    // Null once the recipient was removed.
    Recipient* Own()
    {
        auto& all = state_->data.Recipients();
        return index_ < all.size() ? &all[index_] : nullptr;
    }

    ItemStatePtr state_;
    size_t index_;
};

class Recipients : public DispatchObject<IRecipients, &IID_IRecipients> {
public:
    explicit Recipients(const ItemStatePtr& state) : state_(state) {}

    HRESULT STDMETHODCALLTYPE Add(BSTR name, IRecipient** recipient) override
    {
        if (!recipient)
            return E_POINTER;
        state_->data.Recipients().push_back(Recipient{TextOf(name), std::wstring()});
        *recipient = new RecipientObject(state_, state_->data.Recipients().size() - 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Item(int index, IRecipient** recipient) override
    {
        if (!recipient)
            return E_POINTER;
        *recipient = nullptr;
        if (index < 1 || index > Count())
            return E_INVALIDARG;
        *recipient = new RecipientObject(state_, static_cast<size_t>(index - 1));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Remove(int index) override
    {
        if (index < 1 || index > Count())
            return E_INVALIDARG;
        auto& all = state_->data.Recipients();
        all.erase(all.begin() + (index - 1));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Count(int* count) override { return ReturnValue<int>(Count(), count); }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) override { return NoEnumerator(enumerator); }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    int Count() const { return static_cast<int>(state_->data.Recipients().size()); }

    ItemStatePtr state_;
};

}  // namespace

IRecipients* NewRecipients(const ItemStatePtr& state)
{
    return new Recipients(state);
}

}  // namespace poom
