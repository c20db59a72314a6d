// The lists as the main program loads them: OutlookApp logged on, the
// diary volume "\pim.vol" mounted with every own database, a fresh store for
// every test; and the records and files the lists are loaded from.
#pragma once

#include "core/state.h"
#include "tests/outlook/poom_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace liststest {

using poomtest::Ref;

class ListsTest : public poomtest::PoomTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Own memos, anniversaries and holidays written straight into the store.
    void AddMemo(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title,
                 CEOID contact = 0);
    void AddHoliday(int32_t id, const wchar_t* date, const wchar_t* name, const wchar_t* lunar = L"");

    // Saved items made through the object model; their object ids.
    CEOID MakeContact(const wchar_t* last, const wchar_t* first);
    // Dates "yyyy-mm-dd" (empty: none); importance 0 low, 1 normal, 2 high.
    CEOID MakeTask(const wchar_t* subject, const wchar_t* start, const wchar_t* due, long importance = 1,
                   bool complete = false);
};

// An object-model date of "yyyy-mm-dd" or "yyyy-mm-dd hh:mm".
DATE DateOf(const wchar_t* text);

// A file of the device with its last write set to a moment given in UTC.
bool WriteFileAt(const std::wstring& path, const SYSTEMTIME& utc, const std::string& content = "x");
SYSTEMTIME Utc(int year, int month, int day, int hour = 0, int minute = 0);

}  // namespace liststest
