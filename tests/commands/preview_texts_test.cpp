// The preview panes' texts, as tables of fields to lines.
#include "lists/preview_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ContactPreviewFields Contact()
{
    return {L"홍", L"길동", L"한빛", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L""};
}

TEST(PreviewTexts, TheNameLineByDepartmentAndJobTitle)
{
    struct NameCase {
        const wchar_t *last, *first, *department, *jobTitle, *line;
    };
    const NameCase cases[] = {
        {L"홍", L"길동", L"개발부", L"과장", L"홍길동(개발부/과장)"},
        {L"홍", L"길동", L"개발부", L"", L"홍길동(개발부)"},
        {L"홍", L"길동", L"", L"과장", L"홍길동(과장)"},
        {L"홍", L"길동", L"", L"", L"홍길동"},
        {L"", L"길동", L"", L"", L"길동"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.line)));
        ContactPreviewFields fields = Contact();
        fields.lastName = c.last;
        fields.firstName = c.first;
        fields.department = c.department;
        fields.jobTitle = c.jobTitle;
        ContactPreviewLines lines;
        FormatContactPreview(&fields, &lines);
        EXPECT_STREQ(lines.name, c.line);
    }
}

TEST(PreviewTexts, TheAddressLines)
{
    struct AddressCase {
        const wchar_t *postalCode, *state, *city, *line1;
    };
    const AddressCase cases[] = {
        {L"135-080", L"서울", L"강남구", L"(우135-080)서울 강남구"},
        {L"", L"서울", L"강남구", L"서울 강남구"},
        {L"", L"", L"강남구", L"강남구"},
        {L"135-080", L"", L"", L"(우135-080)"},
        {L"", L"", L"", L""},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.line1)));
        ContactPreviewFields fields = Contact();
        fields.postalCode = c.postalCode;
        fields.state = c.state;
        fields.city = c.city;
        fields.street = L"역삼동 1";
        ContactPreviewLines lines;
        FormatContactPreview(&fields, &lines);
        EXPECT_STREQ(lines.address1, c.line1);
        EXPECT_STREQ(lines.address2, L"역삼동 1");
    }
}

TEST(PreviewTexts, PhoneAndMailLinesKeepTheirLabels)
{
    ContactPreviewFields fields = Contact();
    fields.businessPhone = L"02-555-1234";
    fields.homePhone = L"";
    fields.fax = L"02-555-1235";
    fields.mobile = L"010-1234-5678";
    fields.email = L"hong@example.com";
    ContactPreviewLines lines;
    FormatContactPreview(&fields, &lines);
    EXPECT_STREQ(lines.company, L"한빛");
    EXPECT_STREQ(lines.office, L"회   사 02-555-1234");
    EXPECT_STREQ(lines.home, L"집전화 ");
    EXPECT_STREQ(lines.fax, L"팩   스 02-555-1235");
    EXPECT_STREQ(lines.mobile, L"휴대폰 010-1234-5678");
    EXPECT_STREQ(lines.mail, L"메   일 hong@example.com");
}

TEST(PreviewTexts, NoContactSaysSoOnTheSecondAddressLine)
{
    ContactPreviewLines lines;
    FormatContactPreview(nullptr, &lines);
    EXPECT_STREQ(lines.address2, L"                   담당자 없음");
    for (const wchar_t* line : {lines.name, lines.company, lines.address1, lines.office, lines.home, lines.fax,
                                lines.mobile, lines.mail})
        EXPECT_STREQ(line, L"");
}

TEST(PreviewTexts, LongFieldsAreCutToTheLine)
{
    std::wstring longText(400, L'가');
    ContactPreviewFields fields = Contact();
    fields.lastName = longText.c_str();
    fields.department = longText.c_str();
    fields.city = longText.c_str();
    ContactPreviewLines lines;
    FormatContactPreview(&fields, &lines);
    EXPECT_EQ(wcslen(lines.name), static_cast<size_t>(kPreviewLineChars - 1));
    EXPECT_EQ(wcslen(lines.address1), static_cast<size_t>(kPreviewLineChars - 1));
}

TEST(PreviewTexts, TheScheduleTimeLine)
{
    struct TimeCase {
        const wchar_t *startDate, *startTime, *endDate, *endTime, *line;
    };
    const TimeCase cases[] = {
        {L"2024-05-08", L"09:00", L"2024-05-08", L"10:00", L"2024-05-08 09:00 ~ 2024-05-08 10:00"},
        {L"2024-05-08", L"09:00", L"2024-05-08", L"09:00", L"2024-05-08 09:00"},
        {L"2024-05-08", L"22:00", L"2024-05-09", L"22:00", L"2024-05-08 22:00 ~ 2024-05-09 22:00"},
        {L"2024-05-08", L"", L"2024-05-08", L"", L"2024-05-08"},
        {L"2024-05-08", L"", L"2024-05-10", L"", L"2024-05-08 ~ 2024-05-10"},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.line)));
        PreviewLine line;
        FormatScheduleTimeLine(c.startDate, c.startTime, c.endDate, c.endTime, line, kPreviewLineChars);
        EXPECT_STREQ(line, c.line);
    }
}

TEST(PreviewTexts, HolidaysWithAndWithoutLunarDate)
{
    struct HolidayCase {
        const wchar_t *date, *lunar, *name, *title, *weekday, *timeLine;
    };
    const HolidayCase cases[] = {
        {L"2024-09-17", L"08/15", L"추석", L"[일   자] 2024-09-17 (음08/15)", L"            화요일", L"[공휴일] 추석"},
        {L"2024-10-03", L"", L"개천절", L"[일   자] 2024-10-03 ", L"            목요일", L"[공휴일] 개천절"},
        {L"2023-12-31", L"", L"", L"[일   자] 2023-12-31 ", L"            일요일", L"[공휴일] "},
        {L"2024-11-30", L"", L"토", L"[일   자] 2024-11-30 ", L"            토요일", L"[공휴일] 토"},
    };
    for (const HolidayCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.date)));
        PreviewLine title, weekday, timeLine;
        ASSERT_TRUE(FormatHolidayLines(c.date, c.lunar, c.name, title, weekday, timeLine));
        EXPECT_STREQ(title, c.title);
        EXPECT_STREQ(weekday, c.weekday);
        EXPECT_STREQ(timeLine, c.timeLine);
    }
    PreviewLine title, weekday, timeLine;
    EXPECT_FALSE(FormatHolidayLines(L"", L"", L"x", title, weekday, timeLine));
}

}  // namespace
