// Reference counting, interface lookup and the empty IDispatch part that
// every object of the server shares. Objects are created with a count of 1.
#pragma once

#include "platform/ce.h"

#include <atomic>
#include <string>
#include <type_traits>

namespace poom {

// Objects alive in this process (DllCanUnloadNow).
void CountObject(int delta);
long LiveObjects();

template <class Interface, const IID* Id>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, *Id))
            *out = static_cast<Interface*>(this);
        else if constexpr (std::is_base_of_v<IDispatch, Interface>) {
            if (IsEqualIID(iid, IID_IDispatch))
                *out = static_cast<IDispatch*>(this);
        } else if constexpr (std::is_base_of_v<ISequentialStream, Interface>) {
            if (IsEqualIID(iid, IID_ISequentialStream))
                *out = static_cast<ISequentialStream*>(this);
        }
        if (!*out)
            *out = QueryOther(iid);
        if (!*out)
            return E_NOINTERFACE;
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        long left = --references_;
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

protected:
    ComObject() { CountObject(1); }
    virtual ~ComObject() { CountObject(-1); }
    // Further interfaces of the object (not yet referenced).
    virtual void* QueryOther(REFIID) { return nullptr; }

private:
    std::atomic<long> references_{1};
};

// Objects of the object model answer IDispatch without type information.
template <class Interface, const IID* Id>
class DispatchObject : public ComObject<Interface, Id> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
};

// A string result: a new BSTR the caller frees with SysFreeString.
HRESULT ReturnText(const std::wstring& text, BSTR* out);
// A BSTR argument as text (null is empty).
inline std::wstring TextOf(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

template <class T>
HRESULT ReturnValue(T value, T* out)
{
    if (!out)
        return E_POINTER;
    *out = value;
    return S_OK;
}

inline VARIANT_BOOL AsVariantBool(bool value)
{
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// The collections of this device hand out no enumerators.
inline HRESULT NoEnumerator(IUnknown** enumerator)
{
    if (enumerator)
        *enumerator = nullptr;
    return E_NOTIMPL;
}

// The failure of the last store call as a result.
HRESULT LastStoreError();

}  // namespace poom
