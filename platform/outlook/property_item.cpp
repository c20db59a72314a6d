// IItem: an item by its record properties, for the properties no item
// interface names (a contact's picture and the like).
#include "platform/outlook/com_object.h"
#include "platform/outlook/categories.h"
#include "platform/outlook/item_actions.h"
#include "platform/outlook/objects.h"
#include "platform/outlook/record_codec.h"

#include <algorithm>

namespace poom {

namespace {

bool IsStreamType(CEPROPID prop)
{
    return TypeFromPropID(prop) == CEVT_BLOB || TypeFromPropID(prop) == CEVT_STREAM;
}

// Bytes a value needs beyond its CEPROPVAL.
size_t ExtraBytes(const PropValue* value, CEPROPID prop)
{
    if (!value)
        return 0;
    if (TypeFromPropID(prop) == CEVT_LPWSTR)
        return (value->text.size() + 1) * sizeof(wchar_t);
    if (IsStreamType(prop))
        return (value->bytes.size() + 1) & ~static_cast<size_t>(1);  // keep texts after it aligned
    return 0;
}

void* Allocate(HANDLE heap, void* old, size_t bytes)
{
    if (heap)
        return old ? HeapReAlloc(heap, 0, old, bytes) : HeapAlloc(heap, 0, bytes);
    return old ? LocalReAlloc(old, bytes, LMEM_MOVEABLE) : LocalAlloc(LMEM_FIXED, bytes);
}

class PropertyItem : public DispatchObject<IItem, &IID_IItem> {
public:
    explicit PropertyItem(const ItemStatePtr& state) : state_(state) {}

    HRESULT STDMETHODCALLTYPE GetProps(const CEPROPID* ids, ULONG flags, WORD count, CEPROPVAL** values,
                                       ULONG* bufferBytes, HANDLE heap) override
    {
        if (!values || !bufferBytes || (count && !ids))
            return E_POINTER;
        const PropMap& props = state_->data.Props();
        size_t needed = count * sizeof(CEPROPVAL);
        for (WORD i = 0; i < count; ++i) {
            auto it = props.find(ids[i]);
            needed += ExtraBytes(it == props.end() ? nullptr : &it->second, ids[i]);
        }
        if (!*values || *bufferBytes < needed) {
            if (!(flags & CEDB_ALLOWREALLOC)) {
                *bufferBytes = static_cast<ULONG>(needed);
                return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
            }
            void* grown = Allocate(heap, *values, needed);
            if (!grown)
                return E_OUTOFMEMORY;
            *values = static_cast<CEPROPVAL*>(grown);
            *bufferBytes = static_cast<ULONG>(needed);
        }
        BYTE* tail = reinterpret_cast<BYTE*>(*values) + count * sizeof(CEPROPVAL);
        for (WORD i = 0; i < count; ++i)
            tail = Fill(ids[i], props, &(*values)[i], tail);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetProps(ULONG, WORD count, CEPROPVAL* values) override
    {
        if (count && !values)
            return E_POINTER;
        ItemData& item = state_->data;
        for (WORD i = 0; i < count; ++i) {
            const CEPROPVAL& value = values[i];
            if (value.wFlags & CEDB_PROPDELETE) {
                item.Remove(value.propid);
                continue;
            }
            switch (TypeFromPropID(value.propid)) {
            case CEVT_LPWSTR: item.SetText(value.propid, value.val.lpwstr ? value.val.lpwstr : L""); break;
            case CEVT_FILETIME: item.SetFileTime(value.propid, value.val.filetime); break;
            case CEVT_BLOB:
            case CEVT_STREAM: item.SetBytes(value.propid, value.val.blob.lpb, value.val.blob.dwCount); break;
            case CEVT_I2:
            case CEVT_UI2:
            case CEVT_I4:
            case CEVT_UI4:
            case CEVT_BOOL:
            case CEVT_R8: item.Props()[value.propid] = PropValueOf(value); break;
            default: return E_INVALIDARG;
            }
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Save() override { return SaveItem(*state_); }
    HRESULT STDMETHODCALLTYPE Delete() override { return DeleteItem(*state_); }
    HRESULT STDMETHODCALLTYPE Display(HWND) override { return DisplayItem(*state_); }
    HRESULT STDMETHODCALLTYPE Edit(HWND) override { return DisplayItem(*state_); }
    HRESULT STDMETHODCALLTYPE get_Oid(CEOID* oid) override { return ReturnValue<CEOID>(state_->data.Oid(), oid); }
    HRESULT STDMETHODCALLTYPE get_DefaultItemType(int* itemType) override
    {
        return ReturnValue<int>(static_cast<int>(state_->data.Kind()), itemType);
    }
    HRESULT STDMETHODCALLTYPE get_Application(IPOutlookApp** app) override { return ReturnApplication(app); }
    HRESULT STDMETHODCALLTYPE get_Parent(IFolder** folder) override
    {
        if (!folder)
            return E_POINTER;
        *folder = NewFolder(state_->data.Kind());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AddCategory(LPCWSTR category) override
    {
        if (!category)
            return E_POINTER;
        std::wstring text = state_->data.Text(kPropCategories);
        state_->data.SetText(kPropCategories, text.empty() ? std::wstring(category) : text + L", " + category);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RemoveCategory(LPCWSTR category) override
    {
        if (!category)
            return E_POINTER;
        std::wstring kept;
        for (const std::wstring& name : SplitCategoryList(state_->data.Text(kPropCategories))) {
            if (CompareTextIgnoringCase(name, category) == 0)
                continue;
            kept += (kept.empty() ? L"" : L", ") + name;
        }
        state_->data.SetText(kPropCategories, kept);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OpenProperty(CEPROPID prop, DWORD mode, IStream** stream) override
    {
        if (!stream)
            return E_POINTER;
        *stream = nullptr;
        if (!IsStreamType(prop))
            return E_INVALIDARG;
        const std::vector<BYTE>* bytes = state_->data.Bytes(prop);
        bool write = (mode & GENERIC_WRITE) != 0;
        if (!bytes && !write)
            return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
        *stream = NewPropertyStream(state_, prop, bytes ? *bytes : std::vector<BYTE>(), write);
        return S_OK;
    }

private:
    // Fills one value; texts and bytes go to the tail of the buffer.
    static BYTE* Fill(CEPROPID id, const PropMap& props, CEPROPVAL* out, BYTE* tail)
    {
        *out = CEPROPVAL{};
        out->propid = id;
        auto it = props.find(id);
        if (it == props.end()) {
            out->wFlags = CEDB_PROPNOTFOUND;
            return tail;
        }
        const PropValue& value = it->second;
        switch (TypeFromPropID(id)) {
        case CEVT_LPWSTR:
            memcpy(tail, value.text.c_str(), (value.text.size() + 1) * sizeof(wchar_t));
            out->val.lpwstr = reinterpret_cast<LPWSTR>(tail);
            return tail + (value.text.size() + 1) * sizeof(wchar_t);
        case CEVT_BLOB:
        case CEVT_STREAM:
            if (!value.bytes.empty())
                memcpy(tail, value.bytes.data(), value.bytes.size());
            out->val.blob.dwCount = static_cast<DWORD>(value.bytes.size());
            out->val.blob.lpb = tail;
            return tail + ((value.bytes.size() + 1) & ~static_cast<size_t>(1));
        default: out->val = CePropValOf(id, value).val; return tail;
        }
    }

    ItemStatePtr state_;
};

}  // namespace

IItem* NewPropertyItem(const ItemStatePtr& state)
{
    return new PropertyItem(state);
}

}  // namespace poom
