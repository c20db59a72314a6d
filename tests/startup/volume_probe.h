// Reads databases of a volume as they are stored: their sort orders and
// their records property by property, for comparison with fixtures.
#pragma once

#include "core/state.h"

#include <string>
#include <vector>

namespace probe {

// Mounts the volume into DiaryVolume with a session in DiarySession, as the
// main window does; fresh empties it first.
bool MountVolume(const wchar_t* path, bool fresh);
void UnmountVolume();

struct SortOrder {
    std::vector<CEPROPID> properties;
    std::vector<DWORD> flags;
};

struct DatabaseShape {
    bool exists = false;
    CEOID oid = 0;
    std::vector<SortOrder> sortOrders;
    DWORD records = 0;
};

DatabaseShape ReadShape(const wchar_t* name);

struct Property {
    CEPROPID id;
    long number;             // I4
    std::wstring text;       // strings
    std::vector<BYTE> bytes; // streams
};
using Record = std::vector<Property>;

// Every record in insertion order, each property in stored order.
std::vector<Record> ReadRecords(const wchar_t* name);

// Shorthand for expected records.
Property I4(int number, long value);
Property Text(int number, const std::wstring& value);
Property Stream(int number, const std::vector<BYTE>& value);

bool operator==(const Property& a, const Property& b);
void PrintTo(const Property& p, std::ostream* out);

}  // namespace probe
