// Storage cards: listed one at a time with rooted names, by the platform and
// by the notes library's ordinals, and their free space.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

typedef HANDLE(WINAPI* FindFirstCard)(LPWIN32_FIND_DATAW);
typedef BOOL(WINAPI* FindNextCard)(HANDLE, LPWIN32_FIND_DATAW);

std::vector<std::wstring> ListCards(FindFirstCard first, FindNextCard next)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data = {};
    HANDLE find = first(&data);
    if (find == INVALID_HANDLE_VALUE) {
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
        return names;
    }
    do {
        EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY));
        names.push_back(data.cFileName);
    } while (next(find, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    return names;
}

}  // namespace

TEST(StorageCards, ListedOneAtATimeWithRootedNames)
{
    struct CardsCase {
        const wchar_t* profile;
        std::vector<std::wstring> cards;
    };
    const CardsCase cases[] = {
        {L"default", {L"\\Storage Card"}},
        {L"ce3", {L"\\Storage Card", L"\\CF Card"}},
        {L"samsung-m4300", {}},
    };
    for (const CardsCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.profile)));
        shelltest::ScopedProfile pose(shelltest::ProfilePath(c.profile));
        EXPECT_EQ(ListCards(FindFirstFlashCard, FindNextFlashCard), c.cards);
    }
    // A listed card is inserted: its folder is there to be listed.
    EXPECT_TRUE(testkit::FileExists(testkit::DeviceHostDir() + L"\\CF Card"));
}

TEST(StorageCards, TheNotesLibraryGivesTheSameRootedNamesByOrdinal)
{
    shelltest::ScopedProfile pose(shelltest::ProfilePath(L"ce3"));
    HMODULE library = LoadLibraryW(L"Note_prj.dll");
    ASSERT_NE(library, nullptr);
    auto first = reinterpret_cast<FindFirstCard>(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(7))));
    auto next = reinterpret_cast<FindNextCard>(reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(8))));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(GetProcAddress(library, "FindFirstFlashCard"), nullptr);  // by ordinal only
    EXPECT_EQ(ListCards(first, next), (std::vector<std::wstring>{L"\\Storage Card", L"\\CF Card"}));
    FreeLibrary(library);
}

TEST(StorageCards, NamesThatAreNotOneFolderAreSkipped)
{
    shelltest::ScopedProfile pose(shelltest::WriteProfile(
        L"odd-cards", L"[Cards]\r\nCount=4\r\nCard1=..\\Windows\r\nCard2=\r\nCard3=SD Card\r\nCard4=a/b\r\n"));
    EXPECT_EQ(ListCards(FindFirstFlashCard, FindNextFlashCard), (std::vector<std::wstring>{L"\\SD Card"}));
}

TEST(StorageCards, ClosedOrForeignHandlesAreRefused)
{
    WIN32_FIND_DATAW data = {};
    HANDLE find = FindFirstFlashCard(&data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FindClose(find));
    EXPECT_FALSE(FindNextFlashCard(find, &data));
    EXPECT_FALSE(FindClose(find));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(FindFirstFlashCard(nullptr), INVALID_HANDLE_VALUE);

    // File listings still close as before.
    HANDLE files = FindFirstFileW(L"\\Windows\\*", &data);
    ASSERT_NE(files, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FindClose(files));
}

TEST(StorageCards, FreeSpaceOfACardIsTheProfiles)
{
    shelltest::ScopedProfile pose(shelltest::ProfilePath(L"ce3"));
    struct SpaceCase {
        const wchar_t* path;
        ULONGLONG totalKb, freeKb;
    };
    const SpaceCase cases[] = {
        {L"\\Storage Card", 65536, 32768},
        {L"\\Storage Card\\", 65536, 32768},
        {L"\\storage card\\notes\\a.pwi", 65536, 32768},
        {L"D:\\CF Card", 131072, 131000},
    };
    for (const SpaceCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
        ULARGE_INTEGER avail = {}, total = {}, free = {};
        ASSERT_TRUE(GetDiskFreeSpaceExW(c.path, &avail, &total, &free));
        EXPECT_EQ(total.QuadPart, c.totalKb * 1024);
        EXPECT_EQ(free.QuadPart, c.freeKb * 1024);
        EXPECT_EQ(avail.QuadPart, c.freeKb * 1024);
    }
    // A folder whose name only starts like a card's is no card.
    ULARGE_INTEGER total = {};
    CreateDirectoryW(L"\\Storage Cards", nullptr);
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"\\Storage Cards", nullptr, &total, nullptr));
    EXPECT_NE(total.QuadPart, 65536ull * 1024);
    RemoveDirectoryW(L"\\Storage Cards");
}
