// RichInkBody always owns one local-heap copy: replacing frees the old copy,
// freeing an empty body does nothing, and the heap stays sound throughout.
#include "core/rich_ink_body.h"
#include "tests/core/heap_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using coretest::HeapBytesInUse;
using coretest::HeapIsSound;

class RichInkBodyTest : public testing::Test {
protected:
    void TearDown() override
    {
        FreeRichInkBody();
        EXPECT_TRUE(HeapIsSound());
    }
};

TEST_F(RichInkBodyTest, HoldsItsOwnTerminatedCopy)
{
    char source[] = "abcdef";
    ASSERT_TRUE(SetRichInkBody(source, 6));
    source[0] = 'X';
    ASSERT_NE(RichInkBody.bytes, nullptr);
    EXPECT_NE(static_cast<void*>(RichInkBody.bytes), static_cast<void*>(source));
    EXPECT_EQ(RichInkBody.size, 6u);
    EXPECT_EQ(memcmp(RichInkBody.bytes, "abcdef", 6), 0);
    EXPECT_EQ(RichInkBody.bytes[6], 0);
    EXPECT_EQ(RichInkBody.bytes[7], 0);
    EXPECT_EQ(LocalSize(RichInkBody.bytes), 8u);
    EXPECT_TRUE(HeapIsSound());
}

TEST_F(RichInkBodyTest, EmptyBodies)
{
    // A count of 0 still holds its two zero bytes; only a failure or a free
    // leaves no buffer, never a count without one.
    struct Case { const char* name; const void* bytes; DWORD size; bool ok; };
    const char twoZeros[2] = {0, 0};
    const Case cases[] = {
        {"no bytes", nullptr, 0, true},
        {"zero bytes of a buffer", twoZeros, 0, true},
        {"no buffer for five bytes", nullptr, 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SetRichInkBody("old", 3));
        EXPECT_EQ(SetRichInkBody(c.bytes, c.size), c.ok);
        EXPECT_EQ(RichInkBody.size, 0u);
        if (c.ok) {
            ASSERT_NE(RichInkBody.bytes, nullptr);
            EXPECT_EQ(LocalSize(RichInkBody.bytes), 2u);
            EXPECT_EQ(RichInkBody.bytes[0] | RichInkBody.bytes[1], 0);
        } else {
            EXPECT_EQ(RichInkBody.bytes, nullptr);
        }
    }
    ASSERT_NE(ResizeRichInkBody(0), nullptr);
    EXPECT_EQ(LocalSize(RichInkBody.bytes), 2u);
    FreeRichInkBody();
    EXPECT_EQ(RichInkBody.size, 0u);
    EXPECT_EQ(RichInkBody.bytes, nullptr);
    FreeRichInkBody();  // freeing an empty body does nothing
    EXPECT_EQ(RichInkBody.bytes, nullptr);
    EXPECT_TRUE(HeapIsSound());
}

TEST_F(RichInkBodyTest, ResizeGivesZeroedRoom)
{
    ASSERT_TRUE(SetRichInkBody("0123456789", 10));
    BYTE* room = ResizeRichInkBody(300);
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(RichInkBody.bytes, room);
    EXPECT_EQ(RichInkBody.size, 300u);
    EXPECT_EQ(LocalSize(room), 302u);
    for (int i = 0; i < 302; ++i)
        ASSERT_EQ(room[i], 0) << i;
}

TEST_F(RichInkBodyTest, CopyOfAPartOfItself)
{
    ASSERT_TRUE(SetRichInkBody("0123456789", 10));
    ASSERT_TRUE(SetRichInkBody(RichInkBody.bytes + 4, 3));
    EXPECT_EQ(RichInkBody.size, 3u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(RichInkBody.bytes)), "456");
    EXPECT_TRUE(HeapIsSound());
}

TEST_F(RichInkBodyTest, ReplacingFreesTheOldCopy)
{
    char payload[200];
    memset(payload, 'q', sizeof(payload));
    auto replaceOften = [&] {
        for (int i = 0; i < 2000; ++i) {
            if (!SetRichInkBody(payload, 50 + i % 150) || !ResizeRichInkBody(64))
                return false;
        }
        FreeRichInkBody();
        return true;
    };
    // The first round lets the heap set up its size classes.
    ASSERT_TRUE(replaceOften());
    const SIZE_T before = HeapBytesInUse();
    ASSERT_TRUE(replaceOften());
    EXPECT_EQ(HeapBytesInUse(), before);
    EXPECT_TRUE(HeapIsSound());
}

}  // namespace
