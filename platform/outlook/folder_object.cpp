// A default folder: the contacts, the calendar or the tasks.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/pim_store.h"

namespace poom {

namespace {

class Folder : public DispatchObject<IFolder, &IID_IFolder> {
public:
    explicit Folder(ItemKind kind) : kind_(kind) {}

    HRESULT STDMETHODCALLTYPE get_Items(IPOutlookItemCollection** items) override
    {
        if (!items)
            return E_POINTER;
        QueryDef query;
        query.kind = kind_;
        query.deviceMajorVersion = PimStore::Instance().DeviceMajorVersion();
        *items = NewCollection(query);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* itemType) override
    {
        return ReturnValue<int>(static_cast<int>(kind_), itemType);
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }
    // There is no infrared port on this device.
    HRESULT STDMETHODCALLTYPE AddItemToInfraredFolder(int, IDispatch*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SendToInfrared() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ReceiveFromInfrared(IPOutlookItemCollection** items) override
    {
        if (items)
            *items = nullptr;
        return E_NOTIMPL;
    }

private:
    ItemKind kind_;
};

}  // namespace

IFolder* NewFolder(ItemKind kind)
{
    return new Folder(kind);
}

}  // namespace poom
