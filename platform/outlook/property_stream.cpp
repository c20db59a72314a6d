// A stream over one blob or stream property of an item. Writes stay in the
// stream until Commit puts them into the item.
#include "platform/outlook/com_object.h"
#include "platform/outlook/objects.h"

#include <algorithm>
#include <cstring>

namespace poom {

namespace {

class PropertyStream : public ComObject<IStream, &IID_IStream> {
public:
    PropertyStream(const ItemStatePtr& state, CEPROPID prop, const std::vector<BYTE>& contents, bool write)
        : state_(state), prop_(prop), bytes_(contents), write_(write)
    {
    }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override
    {
        if (!buffer && count)
            return STG_E_INVALIDPOINTER;
        size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
        ULONG n = static_cast<ULONG>(std::min<size_t>(left, count));
        if (n)
            memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
        if (read)
            *read = n;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override
    {
        if (!write_)
            return STG_E_ACCESSDENIED;
        if (!buffer && count)
            return STG_E_INVALIDPOINTER;
        if (bytes_.size() < position_ + count)
            bytes_.resize(position_ + count);
        if (count)
            memcpy(bytes_.data() + position_, buffer, count);
        position_ += count;
        if (written)
            *written = count;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override
    {
        long long base = 0;
        switch (origin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = static_cast<long long>(position_); break;
        case STREAM_SEEK_END: base = static_cast<long long>(bytes_.size()); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        long long target = base + move.QuadPart;
        if (target < 0)
            return STG_E_INVALIDFUNCTION;
        position_ = static_cast<size_t>(target);
        if (newPosition)
            newPosition->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override
    {
        if (!write_)
            return STG_E_ACCESSDENIED;
        if (size.QuadPart > 0x7FFFFFFF)
            return STG_E_MEDIUMFULL;
        bytes_.resize(static_cast<size_t>(size.QuadPart));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override
    {
        if (!write_)
            return STG_E_ACCESSDENIED;
        state_->data.SetBytes(prop_, bytes_.data(), bytes_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override
    {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override
    {
        if (!stat)
            return STG_E_INVALIDPOINTER;
        *stat = STATSTG{};
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = bytes_.size();
        stat->grfMode = write_ ? STGM_READWRITE : STGM_READ;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override
    {
        if (clone)
            *clone = nullptr;
        return E_NOTIMPL;
    }

private:
    ItemStatePtr state_;
    CEPROPID prop_;
    std::vector<BYTE> bytes_;
    bool write_;
    size_t position_ = 0;
};

}  // namespace

IStream* NewPropertyStream(const ItemStatePtr& state, CEPROPID prop, const std::vector<BYTE>& contents, bool write)
{
    return new PropertyStream(state, prop, contents, write);
}

}  // namespace poom
