#include "today/outlook_items.h"

#include "core/short_date_restrict.h"
#include "today/day_text.h"

#include <cstdio>

void RestrictionDate(DATE day, bool endOfDay, wchar_t* out, size_t chars)
{
    SYSTEMTIME parts;
    SplitDate(day, &parts);
    _snwprintf(out, chars, endOfDay ? L"%02d/%02d/%02d 23:59" : L"%02d/%02d/%02d", parts.wMonth, parts.wDay,
               parts.wYear % 100);
    out[chars - 1] = L'\0';
}

IPOutlookItemCollection* RestrictedItems(int folder, LPCWSTR query, bool includeRecurrences)
{
    if (!OutlookApp)
        return nullptr;
    IFolder* folderObject = nullptr;
    if (FAILED(OutlookApp->GetDefaultFolder(folder, &folderObject)) || !folderObject)
        return nullptr;
    IPOutlookItemCollection* all = nullptr;
    HRESULT result = folderObject->get_Items(&all);
    folderObject->Release();
    if (FAILED(result) || !all)
        return nullptr;
    if (includeRecurrences)
        all->put_IncludeRecurrences(VARIANT_TRUE);
    if (!query)
        return all;

    IPOutlookItemCollection* restricted = nullptr;
    result = RestrictWithShortDates(all, query, &restricted);
    all->Release();
    if (FAILED(result)) {
        NKDbgPrintfW(L"Glimmor: restriction failed (0x%08lX): %ls\r\n", static_cast<unsigned long>(result), query);
        return nullptr;
    }
    return restricted;
}

void ForEachItem(IPOutlookItemCollection* items, REFIID interfaceId, int limit,
                 const std::function<bool(void* item)>& visit)
{
    if (!items)
        return;
    for (int index = 1; index <= limit; ++index) {
        IDispatch* dispatch = nullptr;
        if (FAILED(items->Item(index, &dispatch)) || !dispatch)
            return;
        void* item = nullptr;
        HRESULT result = dispatch->QueryInterface(interfaceId, &item);
        dispatch->Release();
        if (FAILED(result) || !item)
            return;
        bool goOn = visit(item);
        static_cast<IUnknown*>(item)->Release();
        if (!goOn)
            return;
    }
}

void* OutlookItemByOid(uint32_t oid, REFIID interfaceId)
{
    if (!OutlookApp || oid == 0)
        return nullptr;
    IDispatch* dispatch = nullptr;
    if (FAILED(OutlookApp->GetItemFromOid(static_cast<long>(oid), &dispatch)) || !dispatch)
        return nullptr;
    void* item = nullptr;
    if (FAILED(dispatch->QueryInterface(interfaceId, &item)))
        item = nullptr;
    dispatch->Release();
    return item;
}
