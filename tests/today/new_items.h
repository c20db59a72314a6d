// New Pocket Outlook items made through OutlookApp, for the tests and the
// benchmark.
#pragma once

#include "core/state.h"

namespace todaytest {

// A new unsaved item of the type, as the interface asked for; null when
// none could be made.
template <class Item>
Item* NewItem(int type, REFIID iid)
{
    IDispatch* dispatch = nullptr;
    if (!OutlookApp || FAILED(OutlookApp->CreateItem(type, &dispatch)) || !dispatch)
        return nullptr;
    Item* item = nullptr;
    dispatch->QueryInterface(iid, reinterpret_cast<void**>(&item));
    dispatch->Release();
    return item;
}

// Saves and releases the item; its object id, 0 when it was not saved.
template <class Item>
CEOID SaveAndRelease(Item* item)
{
    long oid = 0;
    if (SUCCEEDED(item->Save()))
        item->get_Oid(&oid);
    item->Release();
    return static_cast<CEOID>(oid);
}

}  // namespace todaytest
