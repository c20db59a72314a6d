// Device paths are root-relative and resolve inside this run's device folder.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

TEST(DeviceFiles, CurrentDirectoryIsTheDeviceRoot)
{
    wchar_t cwd[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, cwd);
    EXPECT_STREQ(cwd, L"D:\\");
}

TEST(DeviceFiles, RootRelativePathLandsInTheDeviceFolder)
{
    const std::vector<uint8_t> bytes = {'p', 'r', 'o', 'b', 'e'};
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\probe.txt", bytes));
    std::wstring host = testkit::DeviceHostDir() + L"\\Windows\\probe.txt";
    EXPECT_EQ(testkit::ReadFileBytes(host), bytes) << "expected at " << testing::PrintToString(host);
    DeleteFileW(L"\\Windows\\probe.txt");
}

TEST(DeviceFiles, DeviceFoldersExist)
{
    for (const wchar_t* folder : {L"\\Windows", L"\\My Documents", L"\\My Documents\\서식 파일",
                                  L"\\Program Files\\Quillon", L"\\Storage Card", L"\\File Store", L"\\Temp"}) {
        DWORD attributes = GetFileAttributesW(folder);
        EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << testing::PrintToString(std::wstring(folder));
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
}

TEST(DeviceFiles, HangulFileNameIsListedBackUnchanged)
{
    const wchar_t folder[] = L"\\Windows\\시작 메뉴\\프로그램";
    const wchar_t path[] = L"\\Windows\\시작 메뉴\\프로그램\\x.lnk";
    const wchar_t name[] = L"다이어리.lnk";
    std::wstring named = std::wstring(folder) + L"\\" + name;
    ASSERT_TRUE(testkit::WriteFileBytes(path, {'1', '#'}));
    ASSERT_TRUE(testkit::WriteFileBytes(named, {'2', '#'}));

    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((std::wstring(folder) + L"\\*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);

    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], L"x.lnk");
    EXPECT_EQ(names[1], name);

    // The host sees the same name (no mangling on the way through Wine).
    EXPECT_TRUE(testkit::FileExists(testkit::DeviceHostDir() + L"\\Windows\\시작 메뉴\\프로그램\\" + name));
}
