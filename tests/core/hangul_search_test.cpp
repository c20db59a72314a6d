// Initial consonants and keypad digits over the syllable blocks, every
// layout, and the dial digits of phone texts.
#include "core/hangul_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Block by block: first syllable, last syllable, initial jamo, and the digit
// under layouts 1, 2, 3 and the basic layout.
struct BlockCase { wchar_t first, last, jamo; const char* digits; };
const BlockCase kBlocks[] = {
    {0xAC00, 0xAE4B, 0x3131, "4111"},  // ㄱ
    {0xAE4C, 0xB097, 0x3131, "4111"},  // ㄲ
    {0xB098, 0xB2E3, 0x3134, "5222"},  // ㄴ
    {0xB2E4, 0xB52F, 0x3137, "6232"},  // ㄷ
    {0xB530, 0xB77B, 0x3137, "6232"},  // ㄸ
    {0xB77C, 0xB9C7, 0x3139, "5422"},  // ㄹ
    {0xB9C8, 0xBC13, 0x3141, "0503"},  // ㅁ
    {0xBC14, 0xBE5F, 0x3142, "7574"},  // ㅂ
    {0xBE60, 0xC0AB, 0x3142, "7574"},  // ㅃ
    {0xC0AC, 0xC2F7, 0x3145, "8705"},  // ㅅ
    {0xC2F8, 0xC543, 0x3145, "8705"},  // ㅆ
    {0xC544, 0xC78F, 0x3147, "0856"},  // ㅇ
    {0xC790, 0xC9DB, 0x3148, "9797"},  // ㅈ
    {0xC9DC, 0xCC27, 0x3148, "9797"},  // ㅉ
    {0xCC28, 0xCE73, 0x314A, "9798"},  // ㅊ
    {0xCE74, 0xD0BF, 0x314B, "4119"},  // ㅋ
    {0xD0C0, 0xD30B, 0x314C, "6239"},  // ㅌ
    {0xD30C, 0xD557, 0x314D, "7579"},  // ㅍ
    {0xD558, 0xD79D, 0x314E, "8850"},  // ㅎ, cut at the last common syllable
};

// Layout values and the column of the digits above they use.
struct LayoutCase { int layout; int column; };
const LayoutCase kLayouts[] = {{1, 0}, {2, 1}, {3, 2}, {0, 3}, {-1, 3}, {4, 3}, {99, 3}};

std::wstring Initials(const std::wstring& source)
{
    wchar_t out[64];
    EXPECT_EQ(HangulToInitials(out, 64, source.c_str()), static_cast<int>(source.size()));
    return out;
}

std::wstring Digits(const std::wstring& source, int layout)
{
    wchar_t out[64];
    EXPECT_EQ(HangulToKeypadDigits(out, 64, source.c_str(), layout), static_cast<int>(source.size()));
    return out;
}

TEST(HangulSearch, InitialsAtEveryBlockEdge)
{
    for (const auto& b : kBlocks) {
        SCOPED_TRACE(testing::Message() << std::hex << static_cast<int>(b.first));
        EXPECT_EQ(Initials(std::wstring(1, b.first)), std::wstring(1, b.jamo));
        EXPECT_EQ(Initials(std::wstring(1, b.last)), std::wstring(1, b.jamo));
        EXPECT_EQ(Initials(std::wstring(1, static_cast<wchar_t>(b.first + 300))), std::wstring(1, b.jamo));
    }
}

TEST(HangulSearch, DigitsForEveryLayoutAndBlock)
{
    for (const auto& l : kLayouts) {
        for (const auto& b : kBlocks) {
            SCOPED_TRACE(testing::Message() << "layout " << l.layout << " block " << std::hex << static_cast<int>(b.first));
            const std::wstring expected(1, static_cast<wchar_t>(b.digits[l.column]));
            EXPECT_EQ(Digits(std::wstring(1, b.first), l.layout), expected);
            EXPECT_EQ(Digits(std::wstring(1, b.last), l.layout), expected);
        }
    }
}

TEST(HangulSearch, CharactersOutsideTheBlocks)
{
    // Before the first syllable, the six syllables after U+D79D, compatibility
    // jamo (consonants and a vowel), Latin letters, digits and blanks.
    const wchar_t others[] = {0xABFF, 0xD79E, 0xD7A0, 0xD7A3, 0xD7A4, 0x3131, 0x314E, 0x314F, 0x1100, L'A', L'1', L' ', L'#'};
    for (wchar_t c : others) {
        SCOPED_TRACE(testing::Message() << std::hex << static_cast<int>(c));
        EXPECT_EQ(Initials(std::wstring(1, c)), std::wstring(1, c));
        for (const auto& l : kLayouts)
            EXPECT_EQ(Digits(std::wstring(1, c), l.layout), L"");
    }
}

TEST(HangulSearch, NamesAndMixedTexts)
{
    struct Case { const wchar_t* source; int layout; const wchar_t* digits; };
    const Case cases[] = {
        {L"홍길동", 1, L"846"}, {L"홍길동", 2, L"812"}, {L"홍길동", 3, L"513"},
        {L"홍길동", 0, L"012"}, {L"홍길동", -1, L"012"}, {L"홍길동", 5, L"012"},
        {L"김A1", 1, L"4"}, {L"힣", 1, L""}, {L"", 1, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " layout " << c.layout);
        EXPECT_EQ(Digits(c.source, c.layout), c.digits);
    }
    EXPECT_EQ(Initials(L"김A1"), L"ㄱA1");
    EXPECT_EQ(Initials(L"홍길동 (주)빠른"), L"ㅎㄱㄷ (ㅈ)ㅂㄹ");
    EXPECT_EQ(Initials(L"힣"), L"힣");
}

TEST(HangulSearch, DialDigits)
{
    struct Case { const wchar_t* source; const wchar_t* digits; };
    const Case cases[] = {
        {L"010-1234 #5", L"0101234#5"}, {L"+82 (2) 555*1", L"8225551"}, {L"", L""}, {L"없음", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        wchar_t out[32];
        EXPECT_EQ(KeepDialDigits(out, 32, c.source), static_cast<int>(wcslen(c.source)));
        EXPECT_STREQ(out, c.digits);
    }
}

TEST(HangulSearch, DestinationsAreBounded)
{
    wchar_t out[8];
    wmemset(out, L'x', 8);
    EXPECT_EQ(HangulToInitials(out, 3, L"홍길동"), 3);
    EXPECT_STREQ(out, L"ㅎㄱ");
    EXPECT_EQ(out[3], L'x');

    wmemset(out, L'x', 8);
    EXPECT_EQ(HangulToKeypadDigits(out, 1, L"홍길동", 1), 3);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], L'x');

    wmemset(out, L'x', 8);
    EXPECT_EQ(KeepDialDigits(out, 0, L"0101234"), 7);
    EXPECT_EQ(out[0], L'x');

    wmemset(out, L'x', 8);
    EXPECT_EQ(KeepDialDigits(out, 4, L"0101234"), 7);
    EXPECT_STREQ(out, L"010");
}

}  // namespace
