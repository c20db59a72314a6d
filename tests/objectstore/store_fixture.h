// Helpers for the object store tests: a fresh volume per test, database
// creation with sort orders, property builders and records read back as
// plain values.
#pragma once

#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace storetest {

constexpr DWORD kMountOpenAlways = 0x80000004;

inline CEPROPID Id(WORD number, WORD type)
{
    return MAKEPROPID(number, type);
}

CEPROPVAL I2(WORD number, short v);
CEPROPVAL UI2(WORD number, USHORT v);
CEPROPVAL I4(WORD number, long v);
CEPROPVAL UI4(WORD number, ULONG v);
CEPROPVAL Text(WORD number, const wchar_t* v);
CEPROPVAL Bytes(WORD number, WORD type, std::vector<uint8_t>& v);  // blob or stream
CEPROPVAL Auto(WORD number);

// One sort order: properties with their flags.
struct Sort {
    std::vector<std::pair<CEPROPID, DWORD>> props;
    WORD keyFlags = 0;
};
SORTORDERSPECEX SpecOf(const Sort& sort);

// A property read back, copied out of the store's buffer.
struct Value {
    CEPROPID id = 0;
    WORD flags = 0;
    long long number = 0;  // integers of every width, as their type reads them
    std::wstring text;
    std::vector<uint8_t> bytes;  // blobs and streams
};

struct Record {
    CEOID oid = 0;
    DWORD error = 0;  // when oid is 0
    std::vector<Value> values;
    const Value* Find(CEPROPID id) const;
};

// Reads the record at the position (all properties), frees the buffer.
Record ReadRecord(HANDLE db);

std::wstring DevicePath(const std::wstring& name);  // "\name"

// A hidden window that keeps every store notice it receives, in order, in
// NoticesSeen() (emptied as the window is made).
HWND CreateNoticeWindow();
std::vector<CENOTIFICATION>& NoticesSeen();

// Each test gets its own volume file, named after the test, mounted fresh.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates a database with version-2 information, flags 0x15.
    CEOID CreateDatabase(const wchar_t* name, const std::vector<Sort>& sorts);
    // Opens by name in a session: no sort order, one declared property
    // (flags 2), or a whole descriptor.
    HANDLE Open(const wchar_t* name, CEOID* oid = nullptr);
    HANDLE OpenSorted(const wchar_t* name, CEPROPID prop, DWORD flags = 0,
                      CENOTIFYREQUEST* request = nullptr);
    HANDLE OpenWith(const wchar_t* name, const SORTORDERSPECEX* descriptor, DWORD flags = 0,
                    CENOTIFYREQUEST* request = nullptr, CEOID* oid = nullptr);
    DWORD RecordCount(CEOID database);
    void Remount();

    std::wstring volumePath_;
    CEGUID volume_ = {};
    HANDLE session_ = nullptr;
};

// Removes a volume file with its WAL companions.
void DeleteVolumeFiles(const std::wstring& path);

// The folder of the test executable (where the helper programs are).
std::wstring ProgramDir();

}  // namespace storetest
