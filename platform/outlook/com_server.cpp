// In-process COM server of the Pocket Outlook objects.
#include "platform/ce.h"

#include <objbase.h>

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, void** object)
{
    if (object)
        *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return S_OK;
}
