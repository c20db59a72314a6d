// Pocket Outlook reads of the item: restricted collections of a default
// folder and a walk over their items.
#pragma once

#include "today/state.h"

#include <functional>

// "%02d/%02d/%02d" (month, day, year modulo 100) of the day, and " 23:59"
// after it for the later bound of a range.
void RestrictionDate(DATE day, bool endOfDay, wchar_t* out, size_t chars);

// The items of the default folder restricted by the query, with recurring
// appointments expanded when asked. The query's dates are "MM/dd/yy": the
// system's short-date format is set to that around the call and restored
// right after it. A null query gives every item. Null without the application object or on failure.
IPOutlookItemCollection* RestrictedItems(int folder, LPCWSTR query, bool includeRecurrences);

// Calls visit with each item (1, 2, ...) as the interface asked for, until
// the collection gives none, visit returns false or limit items were seen.
// The item is released after the call.
void ForEachItem(IPOutlookItemCollection* items, REFIID interfaceId, int limit,
                 const std::function<bool(void* item)>& visit);

// The item of that object id as the interface asked for (the caller
// releases it); null when there is no such item or it is of another kind.
void* OutlookItemByOid(uint32_t oid, REFIID interfaceId);
template <class T>
T* OutlookItem(uint32_t oid, REFIID interfaceId)
{
    return static_cast<T*>(OutlookItemByOid(oid, interfaceId));
}

// A BSTR that frees itself.
struct OwnedBstr {
    BSTR text = nullptr;
    OwnedBstr() = default;
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    ~OwnedBstr() { SysFreeString(text); }
    BSTR* Out() { SysFreeString(text); text = nullptr; return &text; }
    LPCWSTR Get() const { return text ? text : L""; }
    UINT Length() const { return SysStringLen(text); }
    BSTR Release() { BSTR kept = text; text = nullptr; return kept; }
};
