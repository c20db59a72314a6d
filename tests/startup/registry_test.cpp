// Registry helpers: string types only, always terminated, any root and key.
#include "core/registry.h"

#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kTestKey[] = L"SOFTWARE\\QuillonRegistryTest";

void SetRaw(HKEY root, LPCWSTR name, DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, kTestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
    RegCloseKey(key);
}

struct Stored {
    DWORD type = REG_NONE;
    std::wstring bytes;  // raw data, two bytes per unit
    DWORD size = 0;
};

Stored ReadRaw(HKEY root, LPCWSTR keyPath, LPCWSTR name)
{
    Stored stored;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return stored;
    wchar_t data[64] = {};
    stored.size = sizeof(data);
    if (RegQueryValueExW(key, name, nullptr, &stored.type, reinterpret_cast<BYTE*>(data), &stored.size) ==
        ERROR_SUCCESS)
        stored.bytes.assign(data, stored.size / 2);
    RegCloseKey(key);
    return stored;
}

class RegistryTest : public testing::Test {
protected:
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }
};

// A value as stored and what an 8-character buffer receives.
struct ReadCase {
    const char* what;
    DWORD type;
    std::wstring data;  // stored bytes = data.size() * 2 (no implicit terminator)
    int result;
    const wchar_t* expected;
};

TEST_F(RegistryTest, ReadAcceptsTerminatedStringsThatFit)
{
    const ReadCase cases[] = {
        {"string with terminator", REG_SZ, std::wstring(L"0\0", 2), 1, L"0"},
        {"expandable string", REG_EXPAND_SZ, std::wstring(L"%x%\0", 4), 1, L"%x%"},
        {"string stored without terminator", REG_SZ, L"abc", 1, L"abc"},
        {"seven characters and terminator fill the buffer", REG_SZ, std::wstring(L"1234567\0", 8), 1, L"1234567"},
        {"eight characters leave no room for the terminator", REG_SZ, L"12345678", 0, L"dflt"},
        {"longer than the buffer", REG_SZ, std::wstring(L"1234567890\0", 11), 0, L"dflt"},
        {"empty string", REG_SZ, std::wstring(L"\0", 1), 1, L""},
        {"number", REG_DWORD, std::wstring(L"\x0031\x0000", 2), 0, L"dflt"},
        {"binary text without terminator", REG_BINARY, L"abcd", 0, L"dflt"},
        {"several strings", REG_MULTI_SZ, std::wstring(L"a\0b\0\0", 5), 0, L"dflt"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        SetRaw(HKEY_CURRENT_USER, L"Value", c.type, c.data.data(), static_cast<DWORD>(c.data.size() * 2));
        wchar_t out[9];
        for (wchar_t& ch : out)
            ch = L'#';
        int result = ReadRegistryString(HKEY_CURRENT_USER, kTestKey, L"Value", L"dflt", out, 8 * sizeof(wchar_t));
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(std::wstring(out), c.expected);
        EXPECT_EQ(out[8], L'#') << "wrote past the buffer";
    }
}

TEST_F(RegistryTest, MissingKeyLeavesTheBufferAndMissingValueGivesTheDefault)
{
    wchar_t out[16] = L"caller's";
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kTestKey, L"Quillon ChangeRest", L"", out, sizeof(out)), 0);
    EXPECT_STREQ(out, L"caller's");

    SetRaw(HKEY_LOCAL_MACHINE, L"Other", REG_SZ, L"x", 4);
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kTestKey, L"Quillon ChangeRest", L"", out, sizeof(out)), 0);
    EXPECT_STREQ(out, L"");
}

TEST_F(RegistryTest, DefaultLongerThanTheBufferIsCutAndTerminated)
{
    SetRaw(HKEY_CURRENT_USER, L"Other", REG_SZ, L"x", 4);
    wchar_t out[5] = {L'#', L'#', L'#', L'#', L'#'};
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kTestKey, L"Missing", L"abcdefgh", out, 4 * sizeof(wchar_t)), 0);
    EXPECT_STREQ(out, L"abc");
    EXPECT_EQ(out[4], L'#');
}

TEST_F(RegistryTest, StringWriteStoresTheTextWithItsTerminator)
{
    ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kTestKey, L"Quillon ChangeRest", L"0"), 1);
    Stored stored = ReadRaw(HKEY_LOCAL_MACHINE, kTestKey, L"Quillon ChangeRest");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.size, 4u);
    EXPECT_EQ(stored.bytes, std::wstring(L"0\0", 2));

    wchar_t out[100] = L"";
    EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kTestKey, L"Quillon ChangeRest", L"", out, sizeof(out)), 1);
    EXPECT_STREQ(out, L"0");
}

TEST_F(RegistryTest, DwordWriteCreatesTheTodayItemKey)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey);
    ASSERT_EQ(WriteRegistryDword(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey, kTodayItemEnabledValue, 1), 1);
    Stored stored = ReadRaw(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey, kTodayItemEnabledValue);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(stored.size, 4u);
    EXPECT_EQ(stored.bytes, std::wstring(L"\x0001\x0000", 2));

    ASSERT_EQ(WriteRegistryDword(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey, kTodayItemEnabledValue, 0), 1);
    EXPECT_EQ(ReadRaw(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey, kTodayItemEnabledValue).bytes,
              std::wstring(L"\0\0", 2));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTodayItemRegistryKey);
}

TEST_F(RegistryTest, WritesReportAKeyThatCannotBeMade)
{
    HKEY noRoot = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654));
    EXPECT_EQ(WriteRegistryDword(noRoot, kTestKey, L"Enabled", 1), 0);
    EXPECT_EQ(WriteRegistryString(noRoot, kTestKey, L"Text", L"0"), 0);
    wchar_t out[8] = L"keep";
    EXPECT_EQ(ReadRegistryString(noRoot, kTestKey, L"Text", L"", out, sizeof(out)), 0);
    EXPECT_STREQ(out, L"keep");
}

}  // namespace
