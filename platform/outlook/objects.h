// The objects of the server, each made by one function; every result
// carries one reference for the caller.
#pragma once

#include "platform/outlook/item_query.h"
#include "platform/outlook/item_state.h"

namespace poom {

IPOutlookApp2* NewApplication();
IFolder* NewFolder(ItemKind kind);
IPOutlookItemCollection* NewCollection(const QueryDef& query);
// An IContact, IAppointment or ITask for the state (by its kind).
IDispatch* NewItemObject(const ItemStatePtr& state);
IRecurrencePattern* NewPattern(const ItemStatePtr& state);
IExceptions* NewExceptions(const ItemStatePtr& series);
IRecipients* NewRecipients(const ItemStatePtr& state);
IItem* NewPropertyItem(const ItemStatePtr& state);
IStream* NewPropertyStream(const ItemStatePtr& state, CEPROPID prop, const std::vector<BYTE>& contents, bool write);

IDispatch* NewContactObject(const ItemStatePtr& state);
IDispatch* NewAppointmentObject(const ItemStatePtr& state);
IDispatch* NewTaskObject(const ItemStatePtr& state);

// get_Application of every object: an application object.
HRESULT ReturnApplication(IPOutlookApp** app);

// The window the application logged on with (the parent of forms).
HWND LogonWindow();

// Opens the item in a stand-in form in another process and returns at once.
HRESULT DisplayItem(const ItemState& state);

}  // namespace poom
