#include "lists/preview_texts.h"

#include "core/build_variant.h"
#include "core/dates.h"

#include <cstdio>
#include <strsafe.h>

namespace {

constexpr wchar_t kNoContact[] = L"                   담당자 없음";
const wchar_t* const kWeekdayLines[] = {
    L"            일요일", L"            월요일", L"            화요일", L"            수요일",
    L"            목요일", L"            금요일", L"            토요일",
};

bool Empty(LPCWSTR text)
{
    return !text || text[0] == L'\0';
}

LPCWSTR Text(LPCWSTR text)
{
    return text ? text : L"";
}

}  // namespace

void FormatContactName(LPCWSTR lastName, LPCWSTR firstName, LPWSTR out, size_t outChars)
{
    StringCchPrintfW(out, outChars, L"%s%s", Text(lastName), Text(firstName));
}

void FormatContactPreview(const ContactPreviewFields* c, ContactPreviewLines* lines)
{
    *lines = ContactPreviewLines();
    if (!c) {
        // The older builds show no such line.
        if (!OlderPlatformBuild)
            StringCchCopyW(lines->address2, kPreviewLineChars, kNoContact);
        return;
    }
    wchar_t name[kPreviewLineChars];
    FormatContactName(c->lastName, c->firstName, name, ARRAYSIZE(name));
    bool department = !Empty(c->department), jobTitle = !Empty(c->jobTitle);
    if (department && jobTitle)
        StringCchPrintfW(lines->name, kPreviewLineChars, L"%s(%s/%s)", name, c->department, c->jobTitle);
    else if (department || jobTitle)
        StringCchPrintfW(lines->name, kPreviewLineChars, L"%s(%s)", name, department ? c->department : c->jobTitle);
    else
        StringCchCopyW(lines->name, kPreviewLineChars, name);

    StringCchCopyW(lines->company, kPreviewLineChars, Text(c->company));
    wchar_t address[kPreviewLineChars];
    if (!Empty(c->state))
        StringCchPrintfW(address, ARRAYSIZE(address), L"%s %s", c->state, Text(c->city));
    else
        StringCchCopyW(address, ARRAYSIZE(address), Text(c->city));
    if (!Empty(c->postalCode))
        StringCchPrintfW(lines->address1, kPreviewLineChars, L"(우%s)%s", c->postalCode, address);
    else
        StringCchCopyW(lines->address1, kPreviewLineChars, address);
    StringCchCopyW(lines->address2, kPreviewLineChars, Text(c->street));
    StringCchPrintfW(lines->office, kPreviewLineChars, L"회   사 %s", Text(c->businessPhone));
    StringCchPrintfW(lines->home, kPreviewLineChars, L"집전화 %s", Text(c->homePhone));
    StringCchPrintfW(lines->fax, kPreviewLineChars, L"팩   스 %s", Text(c->fax));
    StringCchPrintfW(lines->mobile, kPreviewLineChars, L"휴대폰 %s", Text(c->mobile));
    StringCchPrintfW(lines->mail, kPreviewLineChars, L"메   일 %s", Text(c->email));
}

void FormatScheduleTimeLine(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime, LPWSTR out,
                            size_t outChars)
{
    bool sameDate = lstrcmpW(Text(startDate), Text(endDate)) == 0;
    if (!Empty(startTime)) {
        if (!sameDate || lstrcmpW(startTime, Text(endTime)) != 0)
            StringCchPrintfW(out, outChars, L"%s %s ~ %s %s", Text(startDate), startTime, Text(endDate), Text(endTime));
        else
            StringCchPrintfW(out, outChars, L"%s %s", Text(startDate), startTime);
    } else if (!sameDate) {
        StringCchPrintfW(out, outChars, L"%s ~ %s", Text(startDate), Text(endDate));
    } else {
        StringCchCopyW(out, outChars, Text(startDate));
    }
}

bool FormatHolidayLines(LPCWSTR date, LPCWSTR lunarDate, LPCWSTR name, PreviewLine title, PreviewLine weekday,
                        PreviewLine timeLine)
{
    int year = 0, month = 0, day = 0;
    SYSTEMTIME when;
    if (!date || swscanf(date, L"%4d-%2d-%2d", &year, &month, &day) != 3 ||
        !AddDaysToDate(&when, year, month, day, 0))
        return false;
    wchar_t lunar[32] = L"";
    if (!Empty(lunarDate))
        StringCchPrintfW(lunar, ARRAYSIZE(lunar), L"(음%s)", lunarDate);
    StringCchPrintfW(title, kPreviewLineChars, L"[일   자] %s %s", date, lunar);
    StringCchCopyW(weekday, kPreviewLineChars, kWeekdayLines[when.wDayOfWeek % 7]);
    StringCchPrintfW(timeLine, kPreviewLineChars, L"[공휴일] %s", Text(name));
    return true;
}
