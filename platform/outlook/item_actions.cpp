#include "platform/outlook/item_actions.h"

#include "platform/outlook/categories.h"
#include "platform/outlook/ole_dates.h"
#include "platform/outlook/pim_store.h"

#include <cmath>

namespace poom {

namespace {

double Today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return MakeDate(now.wYear, now.wMonth, now.wDay);
}

PropValue EmptyValueOf(CEPROPID prop)
{
    PropValue value;
    value.type = TypeFromPropID(prop);
    if (value.type == CEVT_FILETIME)
        value.date = kPoomNoDate;
    return value;
}

// Writes the item with its categories resolved and associated.
HRESULT WriteWithCategories(ItemData& item)
{
    ResolvedCategories categories;
    if (!ResolveCategories(item.Text(kPropCategories), &categories))
        return LastStoreError();
    item.SetText(kPropCategories, categories.text);
    bool isNew = item.Oid() == 0;
    if (!PimStore::Instance().Write(&item, categories.marks))
        return LastStoreError();
    AssociateCategories(item.Oid(), isNew, categories.ids);
    return S_OK;
}

// The record and its category rows go in one store transaction, which has
// ended when the save returns.
HRESULT StoreItem(ItemData& item)
{
    PimStore& store = PimStore::Instance();
    if (!store.BeginBatch())
        return LastStoreError();
    bool isNew = item.Oid() == 0;
    HRESULT hr = WriteWithCategories(item);
    if (!store.EndBatch()) {
        if (SUCCEEDED(hr))
            hr = LastStoreError();
        if (isNew) {
            // Nothing of it was kept.
            item.SetOid(0);
            item.StoredProps().clear();
        }
    }
    return hr;
}

// A contact saved without FileAs files under its name, else its company,
// else its first e-mail address.
void FillFileAs(ItemData& contact)
{
    if (!contact.Text(kPropFileAs).empty())
        return;
    std::wstring name = contact.Text(kPropLastName) + contact.Text(kPropFirstName);
    if (name.empty())
        name = contact.Text(kPropCompanyName);
    if (name.empty())
        name = contact.Text(kPropEmail1);
    contact.SetText(kPropFileAs, name);
}

// Exceptions of occurrences the pattern no longer has are dropped.
void DropStaleExceptions(ItemData& series)
{
    auto& exceptions = series.Exceptions();
    if (!series.Rule().Recurs()) {
        exceptions.clear();
        return;
    }
    double timeOfDay = TimeOfDay(series.Date(kPropStart));
    std::vector<OccurrenceException> kept;
    for (const OccurrenceException& exception : exceptions) {
        if (std::fabs(TimeOfDay(exception.originalStart) - timeOfDay) < kSameTimeTolerance &&
            IsOccurrenceDay(series.Rule(), DayOf(exception.originalStart)))
            kept.push_back(exception);
    }
    exceptions.swap(kept);
}

HRESULT CheckReminderLead(const ItemData& appointment)
{
    if (!appointment.Rule().Recurs() || !appointment.Flag(kPropReminderSet))
        return S_OK;
    long long lead = appointment.Number(kPropReminderMinutes);
    long long gap = ShortestGapMinutes(appointment.Rule());
    if (lead < gap)
        return S_OK;
    NKDbgPrintfW(L"ceoutlook: not saved: a reminder %lld minutes ahead is not shorter than the %lld minutes "
                 L"between occurrences\r\n",
                 lead, gap);
    return POOM_E_REMINDER_TOO_LONG;
}

// The day a task's current occurrence stands on.
long CurrentTaskDay(const ItemData& task)
{
    if (task.Has(kPropStartDate))
        return DayOf(task.Date(kPropStartDate));
    if (task.Has(kPropDueDate))
        return DayOf(task.Date(kPropDueDate));
    return task.Rule().startDay;
}

void ShiftTaskDates(ItemData& task, long days)
{
    for (CEPROPID prop : {kPropStartDate, kPropDueDate, kPropReminderTime}) {
        if (task.Has(prop))
            task.SetDate(prop, task.Date(prop) + days);
    }
}

HRESULT CompleteRecurringTask(ItemState& state)
{
    ItemData& task = state.data;
    long current = CurrentTaskDay(task);
    std::optional<long> next = NextOccurrenceDay(task.Rule(), current);
    if (!next) {
        HRESULT hr = StoreItem(task);  // the last occurrence: the series itself is done
        if (SUCCEEDED(hr))
            state.storedComplete = true;
        return hr;
    }
    ItemData completed = task;
    completed.SetOid(0);
    completed.StoredProps().clear();
    completed.Rule() = RecurrenceRule{};
    if (!completed.Has(kPropDateCompleted))
        completed.SetDate(kPropDateCompleted, Today());
    HRESULT hr = StoreItem(completed);
    if (FAILED(hr))
        return hr;
    ItemData series = task;
    ShiftTaskDates(series, *next - current);
    series.SetFlag(kPropComplete, false);
    series.Remove(kPropDateCompleted);
    hr = StoreItem(series);
    if (FAILED(hr)) {
        PimStore::Instance().Delete(ItemKind::Task, completed.Oid());
        ForgetCategories(completed.Oid());
        return hr;
    }
    state.data = completed;
    state.storedComplete = true;
    return S_OK;
}

OccurrenceException& ExceptionFor(ItemData& series, double originalStart)
{
    for (OccurrenceException& exception : series.Exceptions()) {
        if (std::fabs(exception.originalStart - originalStart) < kSameTimeTolerance)
            return exception;
    }
    series.Exceptions().push_back(OccurrenceException{});
    series.Exceptions().back().originalStart = originalStart;
    return series.Exceptions().back();
}

// Reads the series, lets change() edit the occurrence's exception and
// writes the series back; the record count does not change.
template <class Change>
HRESULT ChangeOccurrence(ItemState& state, Change change)
{
    ItemData series;
    if (!PimStore::Instance().Read(ItemKind::Appointment, state.data.Oid(), &series))
        return E_FAIL;
    change(ExceptionFor(series, state.originalStart));
    if (!PimStore::Instance().Write(&series, CategoryMarks{}))
        return LastStoreError();
    if (ItemStatePtr parent = state.series.lock())
        parent->data.Exceptions() = series.Exceptions();
    return S_OK;
}

HRESULT SaveOccurrence(ItemState& state)
{
    if (state.deleted)
        return S_OK;  // a deleted occurrence stays deleted
    return ChangeOccurrence(state, [&](OccurrenceException& exception) {
        exception.deleted = false;
        for (CEPROPID prop : state.changed) {
            auto it = state.data.Props().find(prop);
            exception.values[prop] = it != state.data.Props().end() ? it->second : EmptyValueOf(prop);
        }
        for (CEPROPID prop : {kPropStart, kPropEnd}) {
            PropValue value = EmptyValueOf(prop);
            value.date = state.data.Date(prop);
            exception.values[prop] = value;
        }
    });
}

HRESULT DeleteOccurrence(ItemState& state)
{
    HRESULT hr = ChangeOccurrence(state, [](OccurrenceException& exception) {
        exception.deleted = true;
        exception.values.clear();
    });
    if (SUCCEEDED(hr))
        state.deleted = true;
    return hr;
}

}  // namespace

ItemStatePtr StateOf(ItemData data)
{
    auto state = std::make_shared<ItemState>();
    state->data = std::move(data);
    state->storedComplete = state->data.Flag(kPropComplete);
    return state;
}

ItemStatePtr OccurrenceStateOf(const QueryEntry& entry, const std::weak_ptr<ItemState>& series)
{
    auto state = std::make_shared<ItemState>();
    state->data = OccurrenceData(entry);
    state->occurrence = true;
    state->originalStart = entry.originalStart;
    state->deleted = entry.exception >= 0 && entry.item->Exceptions()[entry.exception].deleted;
    state->series = series;
    return state;
}

void NoteChange(ItemState& state, CEPROPID prop)
{
    if (state.occurrence)
        state.changed.insert(prop);
}

HRESULT GetTextProp(const ItemState& state, CEPROPID prop, BSTR* out)
{
    return ReturnText(state.data.Text(prop), out);
}

HRESULT PutTextProp(ItemState& state, CEPROPID prop, BSTR value)
{
    state.data.SetText(prop, TextOf(value));
    NoteChange(state, prop);
    return S_OK;
}

HRESULT GetDateProp(const ItemState& state, CEPROPID prop, DATE* out)
{
    return ReturnValue<DATE>(state.data.Date(prop), out);
}

HRESULT PutDateProp(ItemState& state, CEPROPID prop, DATE value)
{
    state.data.SetDate(prop, value);
    NoteChange(state, prop);
    return S_OK;
}

HRESULT GetNumberProp(const ItemState& state, CEPROPID prop, long* out)
{
    return ReturnValue<long>(static_cast<long>(state.data.Number(prop)), out);
}

HRESULT PutNumberProp(ItemState& state, CEPROPID prop, long value)
{
    state.data.SetNumber(prop, value);
    NoteChange(state, prop);
    return S_OK;
}

HRESULT GetFlagProp(const ItemState& state, CEPROPID prop, VARIANT_BOOL* out)
{
    return ReturnValue<VARIANT_BOOL>(AsVariantBool(state.data.Flag(prop)), out);
}

HRESULT PutFlagProp(ItemState& state, CEPROPID prop, VARIANT_BOOL value)
{
    state.data.SetFlag(prop, value != VARIANT_FALSE);
    NoteChange(state, prop);
    return S_OK;
}

HRESULT GetBodyText(const ItemState& state, BSTR* out)
{
    return ReturnText(BodyTextOf(state.data.Bytes(kPropBody)), out);
}

HRESULT PutBodyText(ItemState& state, BSTR text)
{
    std::vector<BYTE> body = BodyWithText(state.data.Bytes(kPropBody), TextOf(text));
    state.data.SetBytes(kPropBody, body.data(), body.size());
    NoteChange(state, kPropBody);
    return S_OK;
}

HRESULT GetBodyInk(const ItemState& state, BYTE** ink, int* bytes)
{
    if (!ink || !bytes)
        return E_POINTER;
    *ink = nullptr;
    *bytes = 0;
    const std::vector<BYTE>* body = state.data.Bytes(kPropBody);
    if (!body || body->empty())
        return S_OK;
    // Two zero bytes follow the body, as a stream-out leaves it.
    auto* copy = static_cast<BYTE*>(LocalAlloc(LPTR, body->size() + 2));
    if (!copy)
        return E_OUTOFMEMORY;
    memcpy(copy, body->data(), body->size());
    *ink = copy;
    *bytes = static_cast<int>(body->size());
    return S_OK;
}

HRESULT PutBodyInk(ItemState& state, const BYTE* ink, int bytes)
{
    if (bytes < 0 || (bytes > 0 && !ink))
        return E_INVALIDARG;
    state.data.SetBytes(kPropBody, ink, static_cast<size_t>(bytes));
    NoteChange(state, kPropBody);
    return S_OK;
}

HRESULT SaveItem(ItemState& state)
{
    if (state.occurrence)
        return SaveOccurrence(state);
    ItemData& item = state.data;
    switch (item.Kind()) {
    case ItemKind::Contact: FillFileAs(item); break;
    case ItemKind::Appointment: {
        HRESULT hr = CheckReminderLead(item);
        if (FAILED(hr))
            return hr;
        DropStaleExceptions(item);
        break;
    }
    case ItemKind::Task:
        if (item.Rule().Recurs() && item.Flag(kPropComplete) && !state.storedComplete)
            return CompleteRecurringTask(state);
        break;
    }
    HRESULT hr = StoreItem(item);
    if (SUCCEEDED(hr))
        state.storedComplete = item.Flag(kPropComplete);
    return hr;
}

HRESULT DeleteItem(ItemState& state)
{
    if (state.occurrence)
        return DeleteOccurrence(state);
    CEOID oid = state.data.Oid();
    if (oid == 0)
        return E_FAIL;  // never saved
    if (!PimStore::Instance().Delete(state.data.Kind(), oid))
        return LastStoreError();
    ForgetCategories(oid);
    state.data.SetOid(0);
    state.data.StoredProps().clear();
    return S_OK;
}

HRESULT CopyItem(const ItemState& state, ItemStatePtr* copy)
{
    ItemData data = state.data;
    data.SetOid(0);
    data.StoredProps().clear();
    if (state.occurrence) {
        data.Rule() = RecurrenceRule{};
        data.Exceptions().clear();
    }
    ItemStatePtr result = StateOf(std::move(data));
    HRESULT hr = SaveItem(*result);
    if (FAILED(hr))
        return hr;
    *copy = result;
    return S_OK;
}

HRESULT SkipTaskOccurrence(ItemState& state)
{
    ItemData& task = state.data;
    if (task.Kind() != ItemKind::Task || !task.Rule().Recurs())
        return E_FAIL;
    long current = CurrentTaskDay(task);
    std::optional<long> next = NextOccurrenceDay(task.Rule(), current);
    if (!next)
        return HRESULT_FROM_WIN32(ERROR_NO_MORE_ITEMS);
    ShiftTaskDates(task, *next - current);
    return task.Oid() ? StoreItem(task) : S_OK;
}

HRESULT ClearItemPattern(ItemState& state)
{
    if (state.occurrence)
        return E_FAIL;
    state.data.Rule() = RecurrenceRule{};
    state.data.Exceptions().clear();
    return S_OK;
}

}  // namespace poom
