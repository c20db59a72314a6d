#include "platform/outlook/com_object.h"

namespace poom {

namespace {
std::atomic<long> liveObjects{0};
}

void CountObject(int delta)
{
    liveObjects += delta;
}

long LiveObjects()
{
    return liveObjects;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT LastStoreError()
{
    DWORD error = GetLastError();
    return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

}  // namespace poom
