// The short-date format and the first day of the week are device-wide.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

// Puts the two device-wide items back as they were.
class ScopedLocale {
public:
    ScopedLocale()
    {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate_, 32);
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, firstDay_, 8);
    }
    ~ScopedLocale()
    {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, shortDate_);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, firstDay_);
    }

private:
    wchar_t shortDate_[32] = L"";
    wchar_t firstDay_[8] = L"";
};

const SYSTEMTIME kDay = {2008, 3, 0, 7, 0, 0, 0, 0};

std::wstring ShortDate(const SYSTEMTIME& day)
{
    wchar_t text[64] = L"";
    GetDateFormatW(LOCALE_SYSTEM_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, 64);
    return text;
}

}  // namespace

TEST(Locale, SystemShortDateFormatFollowsEveryChange)
{
    ScopedLocale keep;
    for (const wchar_t* format : {L"MM/dd/yy", L"yyyy-MM-dd", L"yy/MM/dd"}) {
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, format));
        wchar_t read[32] = L"";
        EXPECT_EQ(CeGetSystemShortDateFormat(read, 32), static_cast<int>(wcslen(format)) + 1);
        EXPECT_STREQ(read, format);
    }
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"MM/dd/yy"));
    EXPECT_EQ(ShortDate(kDay), L"03/07/08");
}

TEST(Locale, SystemShortDateFormatRefusesTooSmallBuffers)
{
    ScopedLocale keep;
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"MM/dd/yy"));
    wchar_t small[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(CeGetSystemShortDateFormat(small, 4), 0);
    EXPECT_EQ(small[0], 0);
    EXPECT_EQ(CeGetSystemShortDateFormat(nullptr, 32), 0);
    wchar_t exact[9];
    EXPECT_EQ(CeGetSystemShortDateFormat(exact, 9), 9);
    EXPECT_STREQ(exact, L"MM/dd/yy");
}

TEST(Locale, AChangeIsSeenByAProcessThatReadTheOldValues)
{
    ScopedLocale keep;
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"yyyy-MM-dd"));
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, L"6"));

    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"shell-probe-ready");
    HANDLE changed = CreateEventW(nullptr, TRUE, FALSE, L"shell-probe-changed");
    std::wstring command = L"\"" + shelltest::BuiltProgram(L"shell_probe.exe") + L"\" locale-watch";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);

    ASSERT_TRUE(SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"yy/MM/dd"));
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, L"0"));
    SetEvent(changed);
    DWORD exitCode = 1;
    if (WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &exitCode);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(ready);
    CloseHandle(changed);
    ASSERT_EQ(exitCode, 0u);

    EXPECT_EQ(shelltest::LogRecords(L"probe locale:"),
              std::vector<std::wstring>{L"probe locale: before=yyyy-MM-dd after=yy/MM/dd week=0 date=08/03/07 "
                                        L"calendar=0 picker=08/03/07"});
}
