// How the main program holds Pocket Outlook objects and hands them texts and
// dates: references released with their holder, items looked up by object
// id, and the date and time texts of the forms turned into the object
// model's dates and back (through OutlookApp).
#pragma once

#include "core/state.h"

#include <utility>

// Owns one interface reference.
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

// A BSTR that a getter filled, freed with its holder.
class OwnedText {
public:
    OwnedText() = default;
    OwnedText(const OwnedText&) = delete;
    OwnedText& operator=(const OwnedText&) = delete;
    ~OwnedText() { SysFreeString(text_); }
    BSTR* Out()
    {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }
    LPCWSTR Get() const { return text_ ? text_ : L""; }

private:
    BSTR text_ = nullptr;
};

// A BSTR made from a text for a putter, freed with its holder.
class TextArg {
public:
    explicit TextArg(LPCWSTR text) : text_(SysAllocString(text ? text : L"")) {}
    TextArg(const TextArg&) = delete;
    TextArg& operator=(const TextArg&) = delete;
    ~TextArg() { SysFreeString(text_); }
    operator BSTR() const { return text_; }

private:
    BSTR text_;
};

// The item of that object id through OutlookApp; empty when there is none,
// or it is of another kind.
ComRef<IContact> ContactFromOid(CEOID oid);
ComRef<IAppointment> AppointmentFromOid(CEOID oid);
ComRef<ITask> TaskFromOid(CEOID oid);

// A new, unsaved item: an appointment or task made by OutlookApp, a contact
// added to the default contacts folder. Empty when it cannot be made.
ComRef<IAppointment> NewAppointmentItem();
ComRef<ITask> NewTaskItem();
ComRef<IContact> NewContactItem();

// The object id of a saved item, 0 when it cannot be read.
template <class T>
CEOID OidOf(T* item)
{
    long oid = 0;
    if (!item || FAILED(item->get_Oid(&oid)))
        return 0;
    return static_cast<CEOID>(oid);
}

// Reads a date text "%4d-%2d-%2d" and a time text "%2d:%2d" into a system
// time cleared beforehand: an empty or unreadable time is 00:00, seconds are
// 0. False when the date cannot be read.
bool ReadDateAndTime(LPCWSTR date, LPCWSTR time, SYSTEMTIME* result);

// The same texts as an object-model date; false when they are no date.
bool VariantDateOf(LPCWSTR date, LPCWSTR time, DATE* result);

// An object-model date as "%04d-%02d-%02d" and "%02d:%02d"; either output may
// be null. False, leaving the outputs empty, when it is no date.
bool FormatVariantDate(DATE date, LPWSTR dateOut, size_t dateChars, LPWSTR timeOut, size_t timeChars);

// Today's date as "%04d-%02d-%02d" (the device's local date).
void FormatToday(LPWSTR dateOut, size_t dateChars);
