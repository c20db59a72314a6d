// RichInkBody always owns one local-heap copy: replacing frees the old copy,
// freeing an empty body does nothing, and the heap stays sound throughout.
#include "core/rich_ink_body.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Bytes of the process heap's blocks in use.
SIZE_T HeapBytesInUse()
{
    HANDLE heap = GetProcessHeap();
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry = {};
    SIZE_T bytes = 0;
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            bytes += entry.cbData;
    }
    HeapUnlock(heap);
    return bytes;
}

bool HeapIsSound()
{
    return HeapValidate(GetProcessHeap(), 0, nullptr) != FALSE;
}

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
    struct Case { const char* name; const void* bytes; DWORD size; bool ok; };
    const char twoZeros[2] = {0, 0};
    const Case cases[] = {
        {"nothing", nullptr, 0, true},
        {"zero bytes of a buffer", twoZeros, 0, true},
        {"no buffer for five bytes", nullptr, 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SetRichInkBody("old", 3));
        EXPECT_EQ(SetRichInkBody(c.bytes, c.size), c.ok);
        EXPECT_EQ(RichInkBody.size, 0u);
        EXPECT_EQ(RichInkBody.bytes, nullptr);
    }
    EXPECT_EQ(ResizeRichInkBody(0), nullptr);
    EXPECT_EQ(RichInkBody.bytes, nullptr);
    FreeRichInkBody();
    FreeRichInkBody();
    EXPECT_EQ(RichInkBody.size, 0u);
    EXPECT_EQ(RichInkBody.bytes, nullptr);
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
