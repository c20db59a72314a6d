// The installed soft input methods and the current one.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kMethodsKey[] = L"Software\\Quillon Platform\\Input Methods";
const wchar_t kPanelKey[] = L"Software\\Quillon Platform\\Input Panel";

struct Seen {
    std::wstring name;
    CLSID clsid;
};

std::vector<Seen> g_seen;
size_t g_stopAfter = 0;  // 0: never stop

int Collect(IMENUMINFO* info)
{
    g_seen.push_back({info->szName, info->clsid});
    return g_stopAfter == 0 || g_seen.size() < g_stopAfter;
}

std::vector<Seen> Enumerate(size_t stopAfter = 0)
{
    g_seen.clear();
    g_stopAfter = stopAfter;
    EXPECT_TRUE(SipEnumIM(Collect));
    return g_seen;
}

CLSID ClassFromText(const wchar_t* text)
{
    CLSID clsid = {};
    CLSIDFromString(const_cast<wchar_t*>(text), &clsid);
    return clsid;
}

CLSID NumberedClass(int n)
{
    wchar_t text[40];
    _snwprintf(text, 40, L"{00000000-0000-4000-8000-%012d}", n);
    return ClassFromText(text);
}

void SetString(HKEY key, const wchar_t* name, const std::wstring& value)
{
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void RegisterMethod(const std::wstring& subkey, const std::wstring& name, const std::wstring& classText)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kMethodsKey) + L"\\" + subkey).c_str(), 0, nullptr,
                              0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    SetString(key, L"Name", name);
    SetString(key, L"Class", classText);
    RegCloseKey(key);
}

std::wstring ClassText(const CLSID& clsid)
{
    wchar_t text[40] = L"";
    StringFromGUID2(clsid, text, 40);
    return text;
}

class InputMethods : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMethodsKey);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPanelKey);
    }
};

TEST_F(InputMethods, AFreshDeviceHasTheThreeBuiltInMethods)
{
    const auto seen = Enumerate();
    ASSERT_EQ(seen.size(), 3u);
    const struct {
        const wchar_t* name;
        const wchar_t* clsid;
    } expected[] = {
        {L"한글 키보드", L"{7CA5B6D6-EC4C-4383-856A-B92D214FCA64}"},
        {L"키보드", L"{21D72D49-252A-4120-BCFD-02D5EA3308F9}"},
        {L"글자 인식기", L"{B6FB07C8-C8F8-462C-A35B-42A067FC5073}"},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seen[i].name, expected[i].name);
        EXPECT_TRUE(IsEqualCLSID(seen[i].clsid, ClassFromText(expected[i].clsid))) << i;
    }
    CLSID current = {};
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, seen[0].clsid));
}

TEST_F(InputMethods, TheCurrentMethodIsSetOnlyToAnInstalledOne)
{
    const auto seen = Enumerate();
    CLSID third = seen[2].clsid;
    ASSERT_TRUE(SipSetCurrentIM(&third));
    CLSID current = {};
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, third));

    CLSID unknown = NumberedClass(7);
    SetLastError(0);
    EXPECT_FALSE(SipSetCurrentIM(&unknown));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SipSetCurrentIM(nullptr));
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, third));
    EXPECT_FALSE(SipEnumIM(nullptr));

    // A current method that is no longer installed falls back to the first.
    RegisterMethod(L"00", L"하나", ClassText(NumberedClass(1)));
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, NumberedClass(1)));
}

TEST_F(InputMethods, TheShellsPanelCallReadsAndSetsTheCurrentMethod)
{
    const auto seen = Enumerate();
    CLSID second = seen[1].clsid;
    ASSERT_TRUE(SHSipInfo(SPI_SETCURRENTIM, 0, &second, 0));
    CLSID current = {};
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, second));

    CLSID viaShell = {};
    ASSERT_TRUE(SHSipInfo(SPI_GETCURRENTIM, 0, &viaShell, 0));
    EXPECT_TRUE(IsEqualCLSID(viaShell, second));

    CLSID unknown = NumberedClass(7);
    EXPECT_FALSE(SHSipInfo(SPI_SETCURRENTIM, 0, &unknown, 0));
}

TEST_F(InputMethods, RegisteredMethodsAreListedInKeyOrder)
{
    for (int i = 50; i >= 0; --i) {
        wchar_t subkey[8];
        _snwprintf(subkey, 8, L"%02d", i);
        RegisterMethod(subkey, L"입력기 " + std::to_wstring(i), ClassText(NumberedClass(i)));
    }
    RegisterMethod(L"51", L"입력기 51", ClassText(NumberedClass(51)));

    // 52 valid methods are installed; the first 50 are listed.
    auto seen = Enumerate();
    ASSERT_EQ(seen.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(seen[i].name, L"입력기 " + std::to_wstring(i));
        EXPECT_TRUE(IsEqualCLSID(seen[i].clsid, NumberedClass(i))) << i;
    }
    // A callback that answers 0 stops the enumeration.
    seen = Enumerate(3);
    EXPECT_EQ(seen.size(), 3u);

    // An installed method beyond the listed ones can still be current.
    CLSID last = NumberedClass(50);
    EXPECT_TRUE(SipSetCurrentIM(&last));
    CLSID current = {};
    ASSERT_TRUE(SipGetCurrentIM(&current));
    EXPECT_TRUE(IsEqualCLSID(current, last));
}

TEST_F(InputMethods, ThreeRegisteredMethodsAndALongName)
{
    RegisterMethod(L"a", L"첫째", ClassText(NumberedClass(11)));
    RegisterMethod(L"b", std::wstring(300, L'가'), ClassText(NumberedClass(12)));
    RegisterMethod(L"c", L"셋째", ClassText(NumberedClass(13)));
    RegisterMethod(L"d", L"잘못된", L"not a class id");
    const auto seen = Enumerate();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].name, L"첫째");
    EXPECT_EQ(seen[1].name, std::wstring(MAX_PATH - 1, L'가'));
    EXPECT_EQ(seen[2].name, L"셋째");
    EXPECT_TRUE(IsEqualCLSID(seen[2].clsid, NumberedClass(13)));
}

}  // namespace
