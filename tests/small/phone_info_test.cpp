// The phone's number from the registry and the version text of the maker's
// phone library on the device.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kStatusKey[] = L"Software\\Harrowell\\MobilePhone\\TelvoSTATUS";
constexpr wchar_t kPhoneLibrary[] = L"\\File Store\\Harrowell\\MobilePhone\\Telvo.DLL";
constexpr DWORD kNumberAsDword = 1012345678;

void SetNumberValue(DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kStatusKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, L"PHONENUMBER", 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetNumberText(const std::wstring& text, bool withTerminator = true)
{
    SetNumberValue(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + (withTerminator ? 1 : 0)) * 2));
}

void PlacePhoneLibrary(const wchar_t* builtFile)
{
    CreateDirectoryW(L"\\File Store\\Harrowell", nullptr);
    CreateDirectoryW(L"\\File Store\\Harrowell\\MobilePhone", nullptr);
    ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(builtFile).c_str(), kPhoneLibrary, FALSE))
        << "error " << GetLastError();
}

}  // namespace

TEST(PhoneNumber, OnlyATerminatedTextThatFits)
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kStatusKey);
    EXPECT_STREQ(Telvo_EXT_GetPhoneNumber(), L"") << "no key";

    struct NumberCase {
        const wchar_t* name;
        void (*store)();
        const wchar_t* expected;
    };
    const NumberCase cases[] = {
        {L"present", [] { SetNumberText(L"010-2345-6789"); }, L"010-2345-6789"},
        {L"stored without its terminator", [] { SetNumberText(L"0101234", false); }, L"0101234"},
        {L"49 characters fit", [] { SetNumberText(std::wstring(49, L'7')); }, nullptr},
        {L"50 characters do not", [] { SetNumberText(std::wstring(50, L'7')); }, L""},
        {L"50 without a terminator do not", [] { SetNumberText(std::wstring(50, L'7'), false); }, L""},
        {L"another type", [] { SetNumberValue(REG_DWORD, &kNumberAsDword, sizeof(kNumberAsDword)); }, L""},
        {L"an expandable text", [] { SetNumberValue(REG_EXPAND_SZ, L"0101234", 16); }, L""},
        {L"no value", [] {
             HKEY key = nullptr;
             RegOpenKeyExW(HKEY_LOCAL_MACHINE, kStatusKey, 0, KEY_SET_VALUE, &key);
             RegDeleteValueW(key, L"PHONENUMBER");
             RegCloseKey(key);
         }, L""},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        SetNumberText(L"stale");
        EXPECT_STREQ(Telvo_EXT_GetPhoneNumber(), L"stale");
        c.store();
        std::wstring expected = c.expected ? c.expected : std::wstring(49, L'7');
        EXPECT_EQ(std::wstring(Telvo_EXT_GetPhoneNumber()), expected);
    }
    // The key is closed after each read: it can be deleted at once.
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, kStatusKey), ERROR_SUCCESS);
}

TEST(PhoneLibraryVersion, TheFirstTranslationsCommentsOfThePhonesFile)
{
    DeleteFileW(kPhoneLibrary);
    EXPECT_STREQ(Telvo_EXT_GetDLLVersion(), L"") << "no file";
    struct VersionCase {
        const wchar_t* builtFile;
        const wchar_t* expected;
    };
    const VersionCase cases[] = {
        {L"phone\\Telvo.DLL", L"TELVO 2.31 NATE"},
        {L"version_no_translation.dll", L""},
        {L"version_other_translation.dll", L""},
        {L"version_second_translation.dll", L"FIRST"},
        {L"NatePhone.exe", L""},  // a file without a version resource
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.builtFile)));
        PlacePhoneLibrary(c.builtFile);
        EXPECT_STREQ(Telvo_EXT_GetDLLVersion(), c.expected);
    }
    DeleteFileW(kPhoneLibrary);
}

TEST(PhoneLibraryVersion, IsNotTheLoadedLibrarysOwn)
{
    wchar_t loaded[MAX_PATH] = L"";
    GetModuleFileNameW(GetModuleHandleW(L"Telvo.dll"), loaded, MAX_PATH);
    DWORD unused = 0;
    EXPECT_GT(GetFileVersionInfoSizeW(loaded, &unused), 0u) << "our library has a version of its own";
    PlacePhoneLibrary(L"phone\\Telvo.DLL");
    EXPECT_STREQ(Telvo_EXT_GetDLLVersion(), L"TELVO 2.31 NATE");
    DeleteFileW(kPhoneLibrary);
}
