// Dates in restrictions, read by the short-date picture.
#include "platform/outlook/short_date.h"

#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

using namespace poom;

namespace {

struct ParseCase {
    const wchar_t* picture;
    const wchar_t* text;
    bool ok;
    const wchar_t* expected;  // "yyyy-mm-dd hh:mm"
};

const ParseCase kCases[] = {
    {L"MM/dd/yy", L"01/31/24", true, L"2024-01-31 00:00"},
    {L"MM/dd/yy", L"01/31/24 23:59", true, L"2024-01-31 23:59"},
    {L"MM/dd/yy", L"  02/29/24  ", true, L"2024-02-29 00:00"},     // blanks around
    {L"MM/dd/yy", L"1/2/24", true, L"2024-01-02 00:00"},            // one digit is enough
    {L"MM/dd/yy", L"12/31/99", true, L"1999-12-31 00:00"},
    {L"MM/dd/yy", L"01/01/29", true, L"2029-01-01 00:00"},          // last year of the window
    {L"MM/dd/yy", L"01/01/30", true, L"1930-01-01 00:00"},          // first of the last century
    {L"MM/dd/yy", L"01/01/00", true, L"2000-01-01 00:00"},
    {L"MM/dd/yy", L"01/31/24 9:05", true, L"2024-01-31 09:05"},
    {L"MM/dd/yy", L"01/31/24 10:30:15", true, L"2024-01-31 10:30"},
    {L"MM/dd/yy", L"02/29/23", false, nullptr},                     // not a leap year
    {L"MM/dd/yy", L"13/01/24", false, nullptr},
    {L"MM/dd/yy", L"00/10/24", false, nullptr},
    {L"MM/dd/yy", L"01/32/24", false, nullptr},
    {L"MM/dd/yy", L"01/31/24 24:00", false, nullptr},
    {L"MM/dd/yy", L"01/31/24 10:7", false, nullptr},                // minutes need two digits
    {L"MM/dd/yy", L"01/31/24x", false, nullptr},
    {L"MM/dd/yy", L"01-31-24", false, nullptr},                     // the picture's separator only
    {L"MM/dd/yy", L"2024-01-31", false, nullptr},
    {L"MM/dd/yy", L"", false, nullptr},
    {L"yyyy-MM-dd", L"2024-01-31", true, L"2024-01-31 00:00"},
    {L"yyyy-MM-dd", L"2024-01-31 18:00", true, L"2024-01-31 18:00"},
    {L"yyyy-MM-dd", L"24-01-31", true, L"2024-01-31 00:00"},        // a short year still reads
    {L"dd.MM.yyyy", L"31.01.2024", true, L"2024-01-31 00:00"},
    {L"yy/MM/dd", L"24/02/29", true, L"2024-02-29 00:00"},
    {L"yyyy'년' M'월' d'일'", L"2024년 3월 1일", true, L"2024-03-01 00:00"},
    {L"yyyy'년' M'월' d'일'", L"2024년 3월 1", false, nullptr},
};

TEST(ShortDate, ParsesByThePicture)
{
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "picture " << testing::PrintToString(std::wstring(c.picture)) << " text "
                                        << testing::PrintToString(std::wstring(c.text)));
        DATE date = 0;
        bool ok = ParseDateText(c.text, c.picture, &date);
        EXPECT_EQ(ok, c.ok);
        if (ok && c.ok) {
            EXPECT_EQ(fixtures::Text(date), std::wstring(c.expected));
        }
    }
}

TEST(ShortDate, TwoDigitYearWindow)
{
    EXPECT_EQ(ExpandTwoDigitYear(0), 2000);
    EXPECT_EQ(ExpandTwoDigitYear(29), 2029);
    EXPECT_EQ(ExpandTwoDigitYear(30), 1930);
    EXPECT_EQ(ExpandTwoDigitYear(99), 1999);
}

// The callers set the system default locale's format around each query;
// the parse must see the change at once, and the old format after it.
TEST(ShortDate, FollowsTheFormatSetAroundAQuery)
{
    wchar_t saved[32] = L"";
    ASSERT_GT(GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved, 32), 0);
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"MM/dd/yy"));
    EXPECT_EQ(CurrentShortDatePicture(), L"MM/dd/yy");
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"yyyy-MM-dd"));
    EXPECT_EQ(CurrentShortDatePicture(), L"yyyy-MM-dd");
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved);
}

}  // namespace
