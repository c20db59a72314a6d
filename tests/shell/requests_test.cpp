// The reset and call requests are recorded in the device log.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

TEST(Requests, ResetRequestIsRecordedAndTheCallerGoesOn)
{
    DWORD returned = 99;
    ASSERT_TRUE(KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, &returned));
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(shelltest::LogRecords(L"CeReset:"),
              std::vector<std::wstring>{L"CeReset: soft reset requested by shell_tests.exe"});

    EXPECT_FALSE(KernelIoControl(0x01010000, nullptr, 0, nullptr, 0, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(shelltest::LogRecords(L"CeReset:").size(), 1u);
}

TEST(Requests, CallRequestsAreRecordedWithTheirTexts)
{
    struct CallCase {
        const wchar_t* dest;
        const wchar_t* app;
        const wchar_t* party;
        const wchar_t* comment;
        const wchar_t* record;
    };
    const CallCase cases[] = {
        {L"0101234567", L"Quillon", L"홍길동", L"", L"PhoneMakeCall: dest=\"0101234567\" app=\"Quillon\" party=\"홍길동\" comment=\"\""},
        {L"#123", nullptr, nullptr, nullptr, L"PhoneMakeCall: dest=\"#123\" app=\"\" party=\"\" comment=\"\""},
    };
    std::vector<std::wstring> expected;
    for (const CallCase& c : cases) {
        PHONEMAKECALLINFO info = {};
        info.cbSize = sizeof(info);
        info.dwFlags = PMCF_DEFAULT;
        info.pszDestAddress = c.dest;
        info.pszAppName = c.app;
        info.pszCalledParty = c.party;
        info.pszComment = c.comment;
        EXPECT_EQ(PhoneMakeCall(&info), 0);
        expected.push_back(c.record);
    }

    PHONEMAKECALLINFO empty = {};
    empty.cbSize = sizeof(empty);
    empty.pszDestAddress = L"";
    EXPECT_EQ(PhoneMakeCall(&empty), E_INVALIDARG);
    PHONEMAKECALLINFO small = {};
    small.cbSize = 8;
    small.pszDestAddress = L"123";
    EXPECT_EQ(PhoneMakeCall(&small), E_INVALIDARG);
    EXPECT_EQ(PhoneMakeCall(nullptr), E_INVALIDARG);

    EXPECT_EQ(shelltest::LogRecords(L"PhoneMakeCall:"), expected);
}
