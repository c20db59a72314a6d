#include "core/contact_names.h"

#include <strsafe.h>

IPOutlookApp* OutlookApp = nullptr;

namespace {

// A BSTR freed with its holder.
struct OwnedText {
    BSTR text = nullptr;
    ~OwnedText() { SysFreeString(text); }
    LPCWSTR get() const { return text ? text : L""; }
};

}  // namespace

bool ReadContactDisplayName(CEOID contactOid, LPWSTR nameOut, size_t nameChars)
{
    if (!nameOut || nameChars == 0)
        return false;
    nameOut[0] = L'\0';
    if (!OutlookApp)
        return false;
    IDispatch* item = nullptr;
    if (FAILED(OutlookApp->GetItemFromOid(static_cast<long>(contactOid), &item)) || !item)
        return false;
    IContact* contact = nullptr;
    HRESULT result = item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact));
    item->Release();
    if (FAILED(result) || !contact)
        return false;
    OwnedText last, first;
    contact->get_LastName(&last.text);
    contact->get_FirstName(&first.text);
    contact->Release();
    StringCchCopyW(nameOut, nameChars, last.get());
    StringCchCatW(nameOut, nameChars, first.get());
    return true;
}

std::wstring ReadContactText(IContact* contact, HRESULT (STDMETHODCALLTYPE IContact::*getter)(BSTR*))
{
    OwnedText text;
    if (FAILED((contact->*getter)(&text.text)))
        return std::wstring();
    return text.get();
}
