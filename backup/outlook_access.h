// How the passes hold Pocket Outlook objects (references released with
// their holders) and reach the folders and items of OutlookApp.
#pragma once

#include "core/state.h"

#include <utility>

template <class T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* p) : p_(p) {}
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComRef() { Reset(); }

    void Reset()
    {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }
    T** Out()
    {
        Reset();
        return &p_;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// An item handed out as IDispatch, asked for its own interface.
template <class T>
ComRef<T> ItemAs(IDispatch* item, REFIID iid)
{
    ComRef<T> result;
    if (item)
        item->QueryInterface(iid, reinterpret_cast<void**>(result.Out()));
    return result;
}

// The item collection of a default folder (olFolderContacts, ...); empty
// when it cannot be had.
ComRef<IPOutlookItemCollection> FolderItems(int folder);

// The item of that object id in its property form; empty when there is none.
ComRef<IItem> PropertyItemOf(uint32_t oid);

// A saved item's object id, 0 when it cannot be read.
template <class I>
uint32_t OidOfItem(I* item)
{
    long oid = 0;
    if (!item || FAILED(item->get_Oid(&oid)))
        return 0;
    return static_cast<uint32_t>(oid);
}
