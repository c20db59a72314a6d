// The application object: the root of the object model.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/ole_dates.h"
#include "platform/outlook/pim_store.h"

namespace poom {

namespace {

std::atomic<HWND> logonWindow{nullptr};

const wchar_t kVersion[] = L"1.0.0";

class Application : public DispatchObject<IPOutlookApp2, &IID_IPOutlookApp2> {
public:
    HRESULT STDMETHODCALLTYPE Logon(long hWnd) override
    {
        logonWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(hWnd));
        return PimStore::Instance().Ensure() ? S_OK : LastStoreError();
    }
    HRESULT STDMETHODCALLTYPE Logoff() override
    {
        logonWindow = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) override { return ReturnText(kVersion, version); }

    HRESULT STDMETHODCALLTYPE GetDefaultFolder(int folder, IFolder** result) override
    {
        if (!result)
            return E_POINTER;
        *result = nullptr;
        switch (folder) {
        case olFolderCalendar: *result = NewFolder(ItemKind::Appointment); return S_OK;
        case olFolderContacts: *result = NewFolder(ItemKind::Contact); return S_OK;
        case olFolderTasks: *result = NewFolder(ItemKind::Task); return S_OK;
        }
        return E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE CreateItem(int itemType, IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        if (itemType != olAppointmentItem && itemType != olContactItem && itemType != olTaskItem)
            return E_INVALIDARG;
        *item = NewItemObject(StateOf(NewItemData(static_cast<ItemKind>(itemType))));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetItemFromOid(long oid, IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        ItemData data;
        if (!PimStore::Instance().Find(static_cast<CEOID>(oid), &data))
            return E_FAIL;
        *item = NewItemObject(StateOf(std::move(data)));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetItemFromOidEx(ULONG oid, ULONG, IItem** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        ItemData data;
        if (!PimStore::Instance().Find(oid, &data))
            return E_FAIL;
        *item = NewPropertyItem(StateOf(std::move(data)));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetIDsFromNames(ULONG, LPCWSTR const*, ULONG, CEPROPID*) override { return E_NOTIMPL; }

    // The world clock's cities and time zones are not part of this device.
    HRESULT STDMETHODCALLTYPE get_HomeCity(ICity** city) override { return NoCity(city); }
    HRESULT STDMETHODCALLTYPE put_HomeCity(ICity*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_VisitingCity(ICity** city) override { return NoCity(city); }
    HRESULT STDMETHODCALLTYPE put_VisitingCity(ICity*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentCityIndex(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CurrentCityIndex(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ReceiveFromInfrared() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_OutlookCompatible(VARIANT_BOOL* compatible) override
    {
        return ReturnValue<VARIANT_BOOL>(VARIANT_TRUE, compatible);
    }
    HRESULT STDMETHODCALLTYPE GetTimeZoneFromIndex(int, ITimeZone** zone) override
    {
        if (zone)
            *zone = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTimeZoneInformationFromIndex(int, TIME_ZONE_INFORMATION*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override
    {
        if (!app)
            return E_POINTER;
        AddRef();
        *app = this;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SysFreeString(BSTR text) override
    {
        ::SysFreeString(text);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE VariantTimeToSystemTime(DATE date, SYSTEMTIME* time) override
    {
        if (!time)
            return E_POINTER;
        return DateToSystemTime(date, time) ? S_OK : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE SystemTimeToVariantTime(SYSTEMTIME* time, DATE* date) override
    {
        if (!time || !date)
            return E_POINTER;
        return SystemTimeToDate(*time, date) ? S_OK : E_INVALIDARG;
    }

protected:
    void* QueryOther(REFIID iid) override
    {
        return IsEqualIID(iid, IID_IPOutlookApp) ? static_cast<IPOutlookApp*>(this) : nullptr;
    }

private:
    static HRESULT NoCity(ICity** city)
    {
        if (city)
            *city = nullptr;
        return E_NOTIMPL;
    }
};

}  // namespace

IPOutlookApp2* NewApplication()
{
    return new Application;
}

HRESULT ReturnApplication(IPOutlookApp** app)
{
    if (!app)
        return E_POINTER;
    *app = NewApplication();
    return S_OK;
}

HWND LogonWindow()
{
    return logonWindow;
}

}  // namespace poom
