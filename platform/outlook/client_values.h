// What a client of the object model hands it: texts as BSTRs that free
// themselves, and dates from their parts (through the system's own
// conversion, not the server's).
#pragma once

#include "platform/ce.h"

#include <string>

namespace poomclient {

class Text {
public:
    explicit Text(const std::wstring& text) : bstr_(SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size())))
    {
    }
    ~Text() { SysFreeString(bstr_); }
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    operator BSTR() const { return bstr_; }

private:
    BSTR bstr_;
};

inline DATE Date(int year, int month, int day, int hour = 0, int minute = 0)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    DATE date = 0;
    SystemTimeToVariantTime(&time, &date);
    return date;
}

}  // namespace poomclient
