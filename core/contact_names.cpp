#include "core/contact_names.h"

#include "core/outlook_items.h"

#include <strsafe.h>

IPOutlookApp* OutlookApp = nullptr;

bool ReadContactDisplayName(CEOID contactOid, LPWSTR nameOut, size_t nameChars)
{
    if (!nameOut || nameChars == 0)
        return false;
    nameOut[0] = L'\0';
    ComRef<IContact> contact = ContactFromOid(contactOid);
    if (!contact)
        return false;
    OwnedText last, first;
    contact->get_LastName(last.Out());
    contact->get_FirstName(first.Out());
    StringCchCopyW(nameOut, nameChars, last.Get());
    StringCchCatW(nameOut, nameChars, first.Get());
    return true;
}

std::wstring ReadContactText(IContact* contact, HRESULT (STDMETHODCALLTYPE IContact::*getter)(BSTR*))
{
    OwnedText text;
    if (FAILED((contact->*getter)(text.Out())))
        return std::wstring();
    return text.Get();
}
