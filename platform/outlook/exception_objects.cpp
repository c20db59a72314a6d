// IExceptions and IException: the changed and deleted occurrences of a
// series, as the series held them when the collection was asked for.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"

namespace poom {

namespace {

class Exception : public DispatchObject<IException, &IID_IException> {
public:
    Exception(const ItemStatePtr& series, std::shared_ptr<const ItemData> snapshot, int index)
        : series_(series), snapshot_(std::move(snapshot)), index_(index)
    {
    }

    HRESULT STDMETHODCALLTYPE get_OriginalDate(DATE* date) override
    {
        return ReturnValue<DATE>(Own().originalStart, date);
    }
    HRESULT STDMETHODCALLTYPE get_Deleted(VARIANT_BOOL* deleted) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(Own().deleted), deleted);
    }
    // A deleted occurrence has no appointment.
    HRESULT STDMETHODCALLTYPE get_AppointmentItem(IAppointment** appointment) override
    {
        if (!appointment)
            return E_POINTER;
        *appointment = nullptr;
        if (Own().deleted)
            return E_FAIL;
        QueryEntry entry;
        entry.item = snapshot_;
        entry.occurrence = true;
        entry.exception = index_;
        entry.originalStart = Own().originalStart;
        double length = snapshot_->DurationDays();
        auto start = Own().values.find(kPropStart);
        auto end = Own().values.find(kPropEnd);
        entry.start = start != Own().values.end() ? start->second.date : entry.originalStart;
        entry.end = end != Own().values.end() ? end->second.date : entry.start + length;
        *appointment = static_cast<IAppointment*>(NewItemObject(OccurrenceStateOf(entry, series_)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    const OccurrenceException& Own() const { return snapshot_->Exceptions()[static_cast<size_t>(index_)]; }

    ItemStatePtr series_;
    std::shared_ptr<const ItemData> snapshot_;
    int index_;
};

class Exceptions : public DispatchObject<IExceptions, &IID_IExceptions> {
public:
    explicit Exceptions(const ItemStatePtr& series)
        : series_(series), snapshot_(std::make_shared<const ItemData>(series->data))
    {
    }

    HRESULT STDMETHODCALLTYPE Item(int index, IException** exception) override
    {
        if (!exception)
            return E_POINTER;
        *exception = nullptr;
        if (index < 1 || index > Count())
            return E_INVALIDARG;
        *exception = new Exception(series_, snapshot_, index - 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Count(int* count) override { return ReturnValue<int>(Count(), count); }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) override { return NoEnumerator(enumerator); }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    int Count() const { return static_cast<int>(snapshot_->Exceptions().size()); }

    ItemStatePtr series_;
    std::shared_ptr<const ItemData> snapshot_;
};

}  // namespace

IExceptions* NewExceptions(const ItemStatePtr& series)
{
    return new Exceptions(series);
}

}  // namespace poom
