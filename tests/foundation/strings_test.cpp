#include "tests/support/testkit.h"

#include <gtest/gtest.h>

TEST(Strings, WideCharactersAreSixteenBits)
{
    static_assert(sizeof(wchar_t) == 2);
    const wchar_t text[] = L"다이어리";
    EXPECT_EQ(sizeof(text), 5 * sizeof(uint16_t));
    EXPECT_EQ(static_cast<uint16_t>(text[0]), 0xB2E4);
}

TEST(Strings, AnsiCodePageIsKorean)
{
    EXPECT_EQ(GetACP(), 949u);
    EXPECT_EQ(PRIMARYLANGID(GetUserDefaultLangID()), LANG_KOREAN);
}

TEST(Strings, HangulSurvivesTheAnsiCodePage)
{
    const wchar_t original[] = L"홍길동 010-1234 투데이";
    char ansi[64] = {};
    BOOL lossy = FALSE;
    int bytes = WideCharToMultiByte(CP_ACP, 0, original, -1, ansi, sizeof(ansi), nullptr, &lossy);
    ASSERT_GT(bytes, 0);
    EXPECT_FALSE(lossy);
    // Two bytes per syllable in code page 949; "홍" is C8 AB.
    EXPECT_EQ(static_cast<unsigned char>(ansi[0]), 0xC8);
    EXPECT_EQ(static_cast<unsigned char>(ansi[1]), 0xAB);

    wchar_t back[64] = {};
    ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, ansi, -1, back, 64), 0);
    EXPECT_STREQ(back, original);
}
