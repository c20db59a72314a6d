// What every kind of item does the same way: property reads and writes,
// the body in its two views, save, delete, copy, and the task series steps.
#pragma once

#include "platform/outlook/com_object.h"
#include "platform/outlook/item_state.h"

namespace poom {

HRESULT GetTextProp(const ItemState& state, CEPROPID prop, BSTR* out);
HRESULT PutTextProp(ItemState& state, CEPROPID prop, BSTR value);
HRESULT GetDateProp(const ItemState& state, CEPROPID prop, DATE* out);
HRESULT PutDateProp(ItemState& state, CEPROPID prop, DATE value);
HRESULT GetNumberProp(const ItemState& state, CEPROPID prop, long* out);
HRESULT PutNumberProp(ItemState& state, CEPROPID prop, long value);
HRESULT GetFlagProp(const ItemState& state, CEPROPID prop, VARIANT_BOOL* out);
HRESULT PutFlagProp(ItemState& state, CEPROPID prop, VARIANT_BOOL value);
// Marks a property put on an occurrence, so that its save keeps it.
void NoteChange(ItemState& state, CEPROPID prop);

// Body and BodyInk are two views of one stored Rich Ink body: the text is
// the body's text part; writing the text keeps the ink. A BodyInk read is a
// LocalAlloc block the caller frees with LocalFree (null with 0 bytes when
// there is no body).
HRESULT GetBodyText(const ItemState& state, BSTR* out);
HRESULT PutBodyText(ItemState& state, BSTR text);
HRESULT GetBodyInk(const ItemState& state, BYTE** ink, int* bytes);
HRESULT PutBodyInk(ItemState& state, const BYTE* ink, int bytes);

// Saves the item (an occurrence into its series' exceptions). A recurring
// appointment whose reminder lead is not shorter than its shortest gap is
// refused with POOM_E_REMINDER_TOO_LONG. Saving a recurring task that was
// just completed stores a separate completed task under a new id and moves
// the series, which keeps its id, to its next occurrence; the object then
// stands for the completed task, so get_Oid gives the new id.
HRESULT SaveItem(ItemState& state);
HRESULT DeleteItem(ItemState& state);
// A copy stored at once under a new id.
HRESULT CopyItem(const ItemState& state, ItemStatePtr* copy);
// Moves a recurring task to its next occurrence (stored at once when the
// task was saved before); fails when there is none.
HRESULT SkipTaskOccurrence(ItemState& state);
HRESULT ClearItemPattern(ItemState& state);

}  // namespace poom
