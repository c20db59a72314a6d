// In-process COM server of the Pocket Outlook objects: the class object of
// the application, and the test reset of everything the objects hold.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/pim_store.h"

#include <objbase.h>

namespace poom {

namespace {

std::atomic<long> serverLocks{0};

class ApplicationFactory : public ComObject<IClassFactory, &IID_IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        IPOutlookApp2* app = NewApplication();
        HRESULT hr = app->QueryInterface(iid, out);
        app->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        serverLocks += lock ? 1 : -1;
        return S_OK;
    }
};

void ResetForTests()
{
    PimStore::Instance().Close();
}

}  // namespace

}  // namespace poom

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_Application))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new poom::ApplicationFactory;
    HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return poom::LiveObjects() == 0 && poom::serverLocks == 0 ? S_OK : S_FALSE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        // The reset hook lives here, so the DLL stays loaded once it is registered.
        HMODULE pinned = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&DllCanUnloadNow), &pinned);
        CeRegisterTestReset(poom::ResetForTests);
    }
    return TRUE;
}
