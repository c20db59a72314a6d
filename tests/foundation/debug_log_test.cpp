#include "tests/support/testkit.h"

#include <gtest/gtest.h>

TEST(DebugLog, PrintsReachTheDeviceLog)
{
    NKDbgPrintfW(L"probe %d %ls", 42, L"한글");
    OutputDebugStringW(L"second probe\r\n");
    std::wstring log = testkit::DeviceLogText();
    wchar_t expected[64];
    _snwprintf(expected, 64, L"[%lu] probe 42 한글\n", GetCurrentProcessId());
    EXPECT_NE(log.find(expected), std::wstring::npos) << testing::PrintToString(log);
    EXPECT_NE(log.find(L"] second probe\n"), std::wstring::npos);
}

TEST(DebugLog, OverlongLinesAreCutNotOverrun)
{
    std::wstring longText(3000, L'x');
    NKDbgPrintfW(L"%ls", longText.c_str());
    std::wstring log = testkit::DeviceLogText();
    size_t start = log.find(L"] xxxx");
    ASSERT_NE(start, std::wstring::npos);
    size_t end = log.find(L'\n', start);
    ASSERT_NE(end, std::wstring::npos);
    EXPECT_LT(end - start, 2100u);
}
