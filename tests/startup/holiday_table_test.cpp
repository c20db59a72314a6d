// The built-in holidays against a fixture of ids, dates, names and lunar
// dates.
#include "core/holiday_table.h"

#include "tests/startup/holiday_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HolidayTable, MatchesTheFixtureInOrder)
{
    const HolidayEntry* table = BuiltinHolidayTable();
    for (int i = 0; i < kBuiltinHolidayCount; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const HolidayRow& want = kHolidayFixture[i];
        EXPECT_EQ(table[i].id, want.id);
        EXPECT_EQ(std::wstring(table[i].date), want.date);
        EXPECT_EQ(std::wstring(table[i].name), want.name);
        EXPECT_EQ(std::wstring(table[i].lunarDate), want.lunar);
    }
}

}  // namespace
