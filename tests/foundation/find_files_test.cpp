// File listing as on the device: no dot entries, "no more files" when empty.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Listing {
    bool found = false;
    DWORD error = 0;
    std::vector<std::wstring> names;
    std::vector<DWORD> attributes;
};

Listing List(const std::wstring& pattern)
{
    Listing listing;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        listing.error = GetLastError();
        return listing;
    }
    listing.found = true;
    do {
        listing.names.push_back(data.cFileName);
        listing.attributes.push_back(data.dwFileAttributes);
    } while (FindNextFileW(find, &data));
    listing.error = GetLastError();
    FindClose(find);
    return listing;
}

void MakeTree()
{
    CreateDirectoryW(L"\\Temp\\ff", nullptr);
    CreateDirectoryW(L"\\Temp\\ff\\empty", nullptr);
    CreateDirectoryW(L"\\Temp\\ff\\files", nullptr);
    CreateDirectoryW(L"\\Temp\\ff\\files\\sub", nullptr);
    testkit::WriteFileBytes(L"\\Temp\\ff\\files\\a.pwi", {1});
    testkit::WriteFileBytes(L"\\Temp\\ff\\files\\메모.pwi", {2});
    testkit::WriteFileBytes(L"\\Temp\\ff\\files\\c.txt", {3});
    SetFileAttributesW(L"\\Temp\\ff\\files\\c.txt", FILE_ATTRIBUTE_HIDDEN);
}

struct FindCase {
    const wchar_t* pattern;
    bool found;
    DWORD error;  // after the first call when not found, after the last next otherwise
    std::vector<std::wstring> names;
};

}  // namespace

TEST(FindFiles, ListsAsTheDeviceDoes)
{
    MakeTree();
    const FindCase cases[] = {
        {L"\\Temp\\ff\\empty\\*", false, ERROR_NO_MORE_FILES, {}},
        {L"\\Temp\\ff\\empty\\*.*", false, ERROR_NO_MORE_FILES, {}},
        {L"\\Temp\\ff\\files\\*", true, ERROR_NO_MORE_FILES, {L"a.pwi", L"c.txt", L"sub", L"메모.pwi"}},
        {L"\\Temp\\ff\\files\\*.pwi", true, ERROR_NO_MORE_FILES, {L"a.pwi", L"메모.pwi"}},
        {L"\\Temp\\ff\\files\\*.zip", false, ERROR_NO_MORE_FILES, {}},
        {L"\\Temp\\ff\\missing\\*", false, ERROR_PATH_NOT_FOUND, {}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.pattern)));
        Listing listing = List(c.pattern);
        EXPECT_EQ(listing.found, c.found);
        EXPECT_EQ(listing.error, c.error);
        std::sort(listing.names.begin(), listing.names.end());
        EXPECT_EQ(listing.names, c.names);
    }
}

TEST(FindFiles, AttributesOfFoldersAndHiddenFiles)
{
    MakeTree();
    Listing listing = List(L"\\Temp\\ff\\files\\*");
    ASSERT_TRUE(listing.found);
    for (size_t i = 0; i < listing.names.size(); ++i) {
        SCOPED_TRACE(testing::PrintToString(listing.names[i]));
        if (listing.names[i] == L"sub")
            EXPECT_EQ(listing.attributes[i], static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
        else if (listing.names[i] == L"c.txt")
            EXPECT_TRUE(listing.attributes[i] & FILE_ATTRIBUTE_HIDDEN);
        else
            EXPECT_FALSE(listing.attributes[i] & FILE_ATTRIBUTE_DIRECTORY);
    }
}
