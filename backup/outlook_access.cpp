#include "backup/outlook_access.h"

ComRef<IPOutlookItemCollection> FolderItems(int folder)
{
    ComRef<IFolder> source;
    ComRef<IPOutlookItemCollection> items;
    if (OutlookApp && SUCCEEDED(OutlookApp->GetDefaultFolder(folder, source.Out())) && source)
        source->get_Items(items.Out());
    return items;
}

ComRef<IItem> PropertyItemOf(uint32_t oid)
{
    ComRef<IPOutlookApp2> app;
    ComRef<IItem> item;
    if (OutlookApp && SUCCEEDED(OutlookApp->QueryInterface(IID_IPOutlookApp2, reinterpret_cast<void**>(app.Out()))))
        app->GetItemFromOidEx(oid, 0, item.Out());
    return item;
}
