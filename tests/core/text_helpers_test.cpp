// Prefix and substring tests, trimming, case folding, file-name and comma
// splitting.
#include "core/text_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextHelpers, StartsWithAndContains)
{
    struct Case { const wchar_t* text; const wchar_t* part; bool starts; bool contains; };
    const Case cases[] = {
        {L"abc", L"ab", true, true},   {L"abc", L"", true, true},    {L"", L"", true, true},
        {L"ab", L"abc", false, false}, {L"abc", L"Ab", false, false}, {L"abc", L"bc", false, true},
        {L"abc", L"C", false, false},  {L"", L"a", false, false},     {L"홍길동", L"홍", true, true},
        {L"홍길동", L"길동", false, true}, {L"aab", L"ab", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.text << "' '" << c.part << "'");
        EXPECT_EQ(TextStartsWith(c.text, c.part), c.starts);
        EXPECT_EQ(TextContains(c.text, c.part), c.contains);
    }
}

TEST(TextHelpers, TrimBlanks)
{
    struct Case { const wchar_t* text; const wchar_t* trimmed; };
    const Case cases[] = {
        {L"  a b  ", L"a b"}, {L"   ", L""}, {L"", L""}, {L"a", L"a"},
        {L" \ta\t ", L"\ta\t"}, {L"\x3000x\x3000", L"\x3000x\x3000"},  // only U+0020 is a blank
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.text << "'");
        wchar_t text[16];
        wcscpy(text, c.text);
        EXPECT_EQ(TrimBlanks(text), text);
        EXPECT_STREQ(text, c.trimmed);
    }
    // Longer than any fixed buffer would hold.
    std::wstring longText = std::wstring(300, L' ') + std::wstring(600, L'가') + std::wstring(300, L' ');
    TrimBlanks(longText.data());
    EXPECT_EQ(std::wstring(longText.c_str()), std::wstring(600, L'가'));
}

TEST(TextHelpers, FoldTextCase)
{
    wchar_t text[] = L"ABC가De 메모";
    EXPECT_EQ(FoldTextCase(text), text);
    EXPECT_STREQ(text, L"abc가de 메모");
}

TEST(TextHelpers, SplitFileExtension)
{
    struct Case { const wchar_t* name; const wchar_t* base; const wchar_t* extension; };
    const Case cases[] = {
        {L"memo.v1.pwi", L"memo.v1", L".pwi"}, {L".profile", L".profile", L""}, {L"noext", L"noext", L""},
        {L"a.", L"a", L"."}, {L"", L"", L""}, {L"메모 1.pwi", L"메모 1", L".pwi"}, {L"..x", L".", L".x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wchar_t base[32], extension[32];
        EXPECT_EQ(SplitFileExtension(c.name, base, 32, extension, 32), static_cast<int>(wcslen(c.name)));
        EXPECT_STREQ(base, c.base);
        EXPECT_STREQ(extension, c.extension);
    }
    wchar_t shortBase[4], shortExtension[3];
    EXPECT_EQ(SplitFileExtension(L"memo.v1.pwi", shortBase, 4, shortExtension, 3), 11);
    EXPECT_STREQ(shortBase, L"mem");
    EXPECT_STREQ(shortExtension, L".p");
    wchar_t onlyBase[32];
    SplitFileExtension(L"memo.pwi", onlyBase, 32, nullptr, 0);
    EXPECT_STREQ(onlyBase, L"memo");
}

TEST(TextHelpers, SplitCommaList)
{
    const std::wstring fifty(50, L'x');
    struct Case { std::wstring source; int slots; std::vector<std::wstring> parts; };
    const Case cases[] = {
        {L"", 5, {L""}},
        {L"a, b,c", 5, {L"a", L"b", L"c"}},
        {L"a,  b", 5, {L"a", L" b"}},           // one blank after a comma is skipped
        {L" a", 5, {L" a"}},                     // not at the start
        {L"a,,b", 5, {L"a", L"", L"b"}},
        {L"a,", 5, {L"a", L""}},
        {L"a, ", 5, {L"a", L""}},
        {fifty + L"yz,b", 5, {fifty, L"b"}},    // an over-long part keeps 50 characters
        {L"a,b,c,d", 2, {L"a", L"b"}},           // more parts than slots
        {L"가족, 친구", 5, {L"가족", L"친구"}},
        {L"a", 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.source << "' in " << c.slots);
        CommaPart slots[6];
        for (auto& slot : slots)
            wmemset(slot, L'#', kCommaPartChars);
        const int count = SplitCommaList(c.source.c_str(), slots, c.slots);
        ASSERT_EQ(count, static_cast<int>(c.parts.size()));
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(std::wstring(slots[i]), c.parts[i]) << "part " << i;
        EXPECT_EQ(slots[c.slots][0], L'#') << "a slot past the caller's was written";
    }
}

}  // namespace
