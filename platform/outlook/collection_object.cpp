// An item collection. Its membership is computed when first read and again
// whenever this process has saved an item of the folder since, and, at
// get_Count, when the database's record count shows that another process
// added or deleted one. This process's own deletes are followed without
// reading the folder again (deleting every item one by one through Item(1)
// would read it once per item). Sort and Restrict read the store afresh.
// The items it hands out are copies taken when the membership was computed.
#include "platform/outlook/com_object.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/pim_store.h"
#include "platform/outlook/short_date.h"

#include <algorithm>

namespace poom {

namespace {

class Collection : public DispatchObject<IPOutlookItemCollection, &IID_IPOutlookItemCollection> {
public:
    explicit Collection(const QueryDef& query) : query_(query) {}

    HRESULT STDMETHODCALLTYPE Add(IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = NewItemObject(StateOf(NewItemData(query_.kind)));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_Count(int* count) override
    {
        if (!count)
            return E_POINTER;
        Refresh(true);
        *count = static_cast<int>(entries_.size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Item(int index, IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        Refresh(false);
        if (index < 1 || index > static_cast<int>(entries_.size()))
            return E_INVALIDARG;
        *item = ObjectOf(entries_[static_cast<size_t>(index - 1)]);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Find(BSTR query, IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        find_ = Parse(query);
        if (!find_)
            return E_INVALIDARG;
        findNext_ = 0;
        return FindNext(item);
    }

    HRESULT STDMETHODCALLTYPE FindNext(IDispatch** item) override
    {
        if (!item)
            return E_POINTER;
        *item = nullptr;
        if (!find_)
            return E_UNEXPECTED;
        Refresh(false);
        for (; findNext_ < entries_.size(); ++findNext_) {
            if (EntryMatches(*find_, entries_[findNext_])) {
                *item = ObjectOf(entries_[findNext_++]);
                return S_OK;
            }
        }
        return S_FALSE;  // no further item
    }

    HRESULT STDMETHODCALLTYPE Remove(int index) override
    {
        Refresh(false);
        if (index < 1 || index > static_cast<int>(entries_.size()))
            return E_INVALIDARG;
        const QueryEntry& entry = entries_[static_cast<size_t>(index - 1)];
        ItemStatePtr state = entry.occurrence ? OccurrenceStateOf(entry) : StateOf(*entry.item);
        return DeleteItem(*state);
    }

    HRESULT STDMETHODCALLTYPE Restrict(BSTR query, IPOutlookItemCollection** items) override
    {
        if (!items)
            return E_POINTER;
        *items = nullptr;
        std::shared_ptr<const Restriction> restriction = Parse(query);
        if (!restriction)
            return E_INVALIDARG;
        QueryDef narrowed = query_;
        narrowed.restrictions.push_back(restriction);
        *items = NewCollection(narrowed);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Sort(BSTR property, VARIANT_BOOL descending) override
    {
        std::wstring name = TextOf(property);
        if (name.size() >= 2 && name.front() == L'[' && name.back() == L']')
            name = name.substr(1, name.size() - 2);
        const FieldDef* field = FindField(query_.kind, name);
        if (!field)
            return E_INVALIDARG;
        query_.sortField = field;
        query_.descending = descending != VARIANT_FALSE;
        built_ = false;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_IncludeRecurrences(VARIANT_BOOL* include) override
    {
        return ReturnValue<VARIANT_BOOL>(AsVariantBool(query_.includeRecurrences), include);
    }
    HRESULT STDMETHODCALLTYPE put_IncludeRecurrences(VARIANT_BOOL include) override
    {
        query_.includeRecurrences = include != VARIANT_FALSE && query_.kind == ItemKind::Appointment;
        built_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) override { return NoEnumerator(enumerator); }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }

private:
    std::shared_ptr<const Restriction> Parse(BSTR query)
    {
        std::shared_ptr<const Restriction> restriction =
            Restriction::Parse(query_.kind, TextOf(query), CurrentShortDatePicture());
        if (!restriction)
            NKDbgPrintfW(L"ceoutlook: malformed restriction: %s\r\n", TextOf(query).c_str());
        return restriction;
    }

    // Drops the entries of the records this process deleted since the
    // membership was computed; false when it did more than delete.
    bool FollowOwnDeletes(PimStore& store)
    {
        std::vector<CEOID> deleted;
        if (!store.DeletedSince(query_.kind, generation_, &deleted))
            return false;
        generation_ = store.Generation(query_.kind);
        std::sort(deleted.begin(), deleted.end());
        // A Find walk under way goes on after the item it last gave.
        size_t kept = 0;
        size_t findNext = findNext_;
        for (size_t i = 0; i < entries_.size(); ++i) {
            if (std::binary_search(deleted.begin(), deleted.end(), entries_[i].item->Oid())) {
                if (i < findNext_)
                    --findNext;
                continue;
            }
            if (kept != i)
                entries_[kept] = std::move(entries_[i]);
            ++kept;
        }
        entries_.resize(kept);
        findNext_ = findNext;
        recordCount_ -= std::min<DWORD>(recordCount_, static_cast<DWORD>(deleted.size()));
        return true;
    }

    void Refresh(bool lookAtOthers)
    {
        PimStore& store = PimStore::Instance();
        if (built_ && generation_ != store.Generation(query_.kind) && !FollowOwnDeletes(store))
            built_ = false;
        bool stale = !built_ || (lookAtOthers && recordCount_ != store.Count(query_.kind));
        if (!stale)
            return;
        generation_ = store.Generation(query_.kind);
        recordCount_ = store.Count(query_.kind);
        std::vector<ItemData> items;
        store.ReadAll(query_.kind, &items);
        std::vector<std::shared_ptr<const ItemData>> shared;
        shared.reserve(items.size());
        for (ItemData& item : items)
            shared.push_back(std::make_shared<const ItemData>(std::move(item)));
        entries_ = RunQuery(query_, shared);
        built_ = true;
    }

    static IDispatch* ObjectOf(const QueryEntry& entry)
    {
        return NewItemObject(entry.occurrence ? OccurrenceStateOf(entry) : StateOf(*entry.item));
    }

    QueryDef query_;
    std::vector<QueryEntry> entries_;
    bool built_ = false;
    unsigned long long generation_ = 0;
    DWORD recordCount_ = 0;
    std::shared_ptr<const Restriction> find_;
    size_t findNext_ = 0;
};

}  // namespace

IPOutlookItemCollection* NewCollection(const QueryDef& query)
{
    return new Collection(query);
}

}  // namespace poom
