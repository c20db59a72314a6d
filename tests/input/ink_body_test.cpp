// The Rich Ink body: byte-exact fixtures for the writer, and the reader's
// answers to every kind of garbled input.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes WriteBody(const std::wstring& text, const Bytes& ink)
{
    DWORD needed = 0;
    InkBodyMeasure(static_cast<DWORD>(text.size()), static_cast<DWORD>(ink.size()), &needed);
    Bytes body(needed);
    DWORD written = 0;
    EXPECT_TRUE(InkBodyWrite(text.c_str(), static_cast<DWORD>(text.size()), ink.data(),
                             static_cast<DWORD>(ink.size()), body.data(), needed, &written));
    EXPECT_EQ(written, needed);
    return body;
}

struct FixtureCase {
    const char* name;
    std::wstring text;
    Bytes ink;
    Bytes body;
};

const FixtureCase kFixtures[] = {
    {"empty", L"", {}, {}},
    {"Korean text",
     L"가나",
     {},
     {'R', 'I', 'N', 'K', 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00,  // header, T = 2
      0x00, 0xAC, 0x98, 0xB0,                                              // U+AC00 U+B098
      0x00, 0x00, 0x00, 0x00}},                                            // K = 0
    {"ink only",
     L"",
     {0x01, 0x02, 0x03},
     {'R', 'I', 'N', 'K', 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // T = 0
      0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03}},                          // K = 3
    {"text lines and ink",
     L"a\r\n한",
     {0xFF, 0x00},
     {'R', 'I', 'N', 'K', 0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00,  // T = 4
      'a', 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x5C, 0xD5,                       // a CR LF U+D55C
      0x02, 0x00, 0x00, 0x00, 0xFF, 0x00}},                                // K = 2
};

TEST(InkBody, WriterMatchesFixturesAndReaderFindsTheParts)
{
    for (const auto& c : kFixtures) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteBody(c.text, c.ink), c.body);

        INKBODYPARTS parts = {};
        ASSERT_TRUE(InkBodyRead(c.body.data(), static_cast<DWORD>(c.body.size()), &parts));
        EXPECT_EQ(parts.textChars, c.text.size());
        EXPECT_EQ(parts.inkBytes, c.ink.size());
        if (!c.ink.empty()) {
            EXPECT_EQ(Bytes(c.body.begin() + parts.inkOffset, c.body.begin() + parts.inkOffset + parts.inkBytes), c.ink);
        }

        wchar_t text[16] = L"x";
        EXPECT_EQ(InkBodyCopyText(c.body.data(), static_cast<DWORD>(c.body.size()), text, 16), c.text.size());
        EXPECT_EQ(std::wstring(text), c.text);
    }
}

Bytes Patched(Bytes body, size_t at, uint8_t value)
{
    body[at] = value;
    return body;
}

TEST(InkBody, ReaderRejectsGarbledBodies)
{
    const Bytes good = kFixtures[3].body;
    Bytes trailing = good;
    trailing.push_back(0);
    const struct {
        const char* name;
        Bytes body;
    } cases[] = {
        {"bad magic", Patched(good, 0, 'X')},
        {"newer version", Patched(good, 4, 2)},
        {"reserved set", Patched(good, 7, 1)},
        {"shorter than a header", Bytes(good.begin(), good.begin() + 15)},
        {"text runs past the end", Patched(good, 8, 0x40)},
        {"text length wraps", Patched(Patched(good, 11, 0x80), 8, 0x00)},
        {"ink cut short", Bytes(good.begin(), good.end() - 1)},
        {"ink longer than stated", trailing},
        {"ink length past the end", Patched(good, 23, 0x10)},
        {"bare header", {'R', 'I', 'N', 'K', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        INKBODYPARTS parts = {1, 1, 1, 1};
        SetLastError(0);
        EXPECT_FALSE(InkBodyRead(c.body.data(), static_cast<DWORD>(c.body.size()), &parts));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATA));
        wchar_t text[8] = L"x";
        EXPECT_EQ(InkBodyCopyText(c.body.data(), static_cast<DWORD>(c.body.size()), text, 8), 0u);
        EXPECT_EQ(text[0], L'\0');
    }
}

TEST(InkBody, SizesAndBuffers)
{
    DWORD size = 1;
    EXPECT_TRUE(InkBodyMeasure(0, 0, &size));
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(InkBodyMeasure(3, 5, &size));
    EXPECT_EQ(size, 16u + 6 + 5);
    EXPECT_FALSE(InkBodyMeasure(0x80000000u, 0, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ARITHMETIC_OVERFLOW));
    EXPECT_FALSE(InkBodyMeasure(0x7FFFFFF0u, 0x20, &size));

    // Too small a buffer writes nothing and says how much is needed.
    BYTE small[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    DWORD written = 0;
    EXPECT_FALSE(InkBodyWrite(L"가나", 2, nullptr, 0, small, sizeof(small), &written));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(written, 20u);
    EXPECT_EQ(small[0], 0xEE);
    // A length without its data is refused.
    EXPECT_FALSE(InkBodyWrite(nullptr, 2, nullptr, 0, small, sizeof(small), &written));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // The text copy is cut to the buffer and terminated.
    const Bytes& body = kFixtures[1].body;
    wchar_t text[2] = {L'x', L'x'};
    EXPECT_EQ(InkBodyCopyText(body.data(), static_cast<DWORD>(body.size()), text, 2), 1u);
    EXPECT_EQ(text[0], L'가');
    EXPECT_EQ(text[1], L'\0');
}

TEST(InkBody, CreatedBlockIsLocalHeapWithAWideZeroAfterTheBody)
{
    const Bytes ink = {9, 8, 7};
    DWORD size = 0;
    BYTE* body = InkBodyCreate(L"한", 1, ink.data(), 3, &size);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(size, 21u);
    EXPECT_GE(LocalSize(body), size + 2);
    EXPECT_EQ(Bytes(body, body + size), WriteBody(L"한", ink));
    EXPECT_EQ(body[size], 0);
    EXPECT_EQ(body[size + 1], 0);
    EXPECT_EQ(LocalFree(body), nullptr);

    BYTE* empty = InkBodyCreate(nullptr, 0, nullptr, 0, &size);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_GE(LocalSize(empty), 2u);
    EXPECT_EQ(empty[0] | empty[1], 0);
    LocalFree(empty);
}

TEST(InkBody, LargeBodiesRoundTrip)
{
    std::wstring text(40000, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(0xAC00 + i % 11172);
    Bytes ink(70000);
    for (size_t i = 0; i < ink.size(); ++i)
        ink[i] = static_cast<uint8_t>(i * 7);
    const Bytes body = WriteBody(text, ink);
    ASSERT_EQ(body.size(), 16u + 80000 + 70000);
    INKBODYPARTS parts = {};
    ASSERT_TRUE(InkBodyRead(body.data(), static_cast<DWORD>(body.size()), &parts));
    std::wstring back(parts.textChars + 1, L'\0');
    InkBodyCopyText(body.data(), static_cast<DWORD>(body.size()), back.data(), static_cast<DWORD>(back.size()));
    back.resize(parts.textChars);
    EXPECT_EQ(back, text);
    EXPECT_EQ(Bytes(body.begin() + parts.inkOffset, body.end()), ink);
    EXPECT_EQ(WriteBody(back, Bytes(body.begin() + parts.inkOffset, body.end())), body);
}

}  // namespace
