// The object model as the system uses it: the application object created
// through COM (the server registered in the device's prefix), a fresh
// "\pim.vol" and object store for every test, and direct reads of the
// databases underneath.
#pragma once

#include "platform/outlook/client_values.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace poomtest {

// Owns one reference.
template <class T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* p) : p_(p) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    Ref(Ref&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    Ref& operator=(Ref&& other) noexcept
    {
        if (this != &other) {
            Reset();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    ~Ref() { Reset(); }
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
    // For calls that take an IDispatch** and hand out an item interface.
    IDispatch** AsDispatch() { return reinterpret_cast<IDispatch**>(Out()); }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// A BSTR result as text; frees it.
std::wstring Take(BSTR text);

using poomclient::Date;
using poomclient::Text;  // a BSTR that frees itself, for property writes
std::wstring DateText(DATE date);  // "yyyy-mm-dd hh:mm"

// One record read straight from a database.
struct StoredValue {
    CEPROPID id = 0;
    long long number = 0;
    std::wstring text;
    std::vector<BYTE> bytes;
    FILETIME time = {};
    double real = 0;  // CEVT_R8
};
struct StoredRecord {
    CEOID oid = 0;
    std::vector<StoredValue> values;
    const StoredValue* Find(CEPROPID id) const;
};

class PoomTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Poses as a handset of that CE major version from now on (the store is
    // reopened, on fresh volumes, in the mode it implies).
    void PoseAsVersion(int major);

    Ref<IContact> NewContact();
    Ref<IAppointment> NewAppointment();
    Ref<ITask> NewTask();
    Ref<IPOutlookItemCollection> Items(int folder);
    // Sets the system short-date format for the call, as the system does.
    Ref<IPOutlookItemCollection> Restricted(IPOutlookItemCollection* items, const std::wstring& query,
                                            const wchar_t* shortDate = L"MM/dd/yy");

    // Straight from the databases ("\pim.vol", or the object store in the
    // older build's mode).
    DWORD RecordCount(const wchar_t* database);
    std::vector<StoredRecord> Records(const wchar_t* database);
    StoredRecord RecordOf(const wchar_t* database, CEOID oid);
    // Writes values into a record straight, as another program would.
    bool WriteRecord(const wchar_t* database, CEOID oid, std::vector<CEPROPVAL> values);

    Ref<IPOutlookApp> app_;
    int major_ = 5;
};

// The lines the stand-in item form recorded.
std::vector<std::wstring> FormRequests();

}  // namespace poomtest
