// How the passes hold Pocket Outlook objects (references released with
// their holders) and reach the folders and items of OutlookApp.
#pragma once

#include "core/outlook_items.h"

// An item handed out as IDispatch, asked for its own interface.
template <class T>
ComRef<T> ItemAs(IDispatch* item, REFIID iid)
{
    ComRef<T> result;
    if (item)
        item->QueryInterface(iid, reinterpret_cast<void**>(result.Out()));
    return result;
}

// The item collection of a default folder (olFolderContacts, ...); empty
// when it cannot be had.
ComRef<IPOutlookItemCollection> FolderItems(int folder);

// The item of that object id in its property form; empty when there is none.
ComRef<IItem> PropertyItemOf(uint32_t oid);
