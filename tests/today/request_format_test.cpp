// The request file's byte layouts and id forms, held to fixtures written
// out by hand from the format.
#include "core/today_request_format.h"
#include "tests/today/request_bytes.h"

#include <gtest/gtest.h>

#include <functional>


namespace {

using namespace todaytest;

struct ObjectIdCase {
    uint32_t id;
    Bytes digits;
};

const ObjectIdCase kObjectIds[] = {
    {0, {1, 1, 1, 1}},
    {1, {1, 1, 1, 2}},
    {254, {1, 1, 1, 255}},
    {255, {1, 1, 2, 1}},
    {1000, {1, 1, 4, 236}},
    {65025, {1, 2, 1, 1}},
    {16581375, {2, 1, 1, 1}},
    {0x80000066u, {130, 131, 130, 231}},  // a contact's id
    {4228250624u, {255, 255, 255, 255}},
};

TEST(RequestIds, ObjectIdsBothWays)
{
    for (const ObjectIdCase& c : kObjectIds) {
        SCOPED_TRACE(c.id);
        uint8_t digits[4] = {};
        ASSERT_TRUE(EncodeRequestObjectId(c.id, digits));
        EXPECT_EQ(Bytes(digits, digits + 4), c.digits);
        EXPECT_EQ(DecodeRequestObjectId(c.digits.data()), c.id);
    }
}

TEST(RequestIds, AnniversaryIdsBothWays)
{
    const struct {
        int32_t id;
        Bytes digits;
    } cases[] = {{0, {1, 1}}, {1, {1, 2}}, {255, {2, 1}}, {256, {2, 2}}, {65024, {255, 255}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        uint8_t digits[2] = {};
        ASSERT_TRUE(EncodeRequestAnniversaryId(c.id, digits));
        EXPECT_EQ(Bytes(digits, digits + 2), c.digits);
        EXPECT_EQ(DecodeRequestAnniversaryId(c.digits.data()), c.id);
    }
}

TEST(RequestIds, IdsBeyondTheirFormHaveNoEncoding)
{
    uint8_t digits[4] = {9, 9, 9, 9};
    EXPECT_FALSE(EncodeRequestObjectId(4228250625u, digits));
    EXPECT_FALSE(EncodeRequestObjectId(0xFFFFFFFFu, digits));
    EXPECT_FALSE(EncodeRequestAnniversaryId(65025, digits));
    EXPECT_FALSE(EncodeRequestAnniversaryId(-1, digits));
    EXPECT_EQ(Bytes(digits, digits + 4), (Bytes{9, 9, 9, 9}));
}

TEST(RequestKinds, EveryKindByteForByte)
{
    const wchar_t* notesPath = L"\\My Documents\\메모\\회의.pwi";  // 27 bytes in code page 949
    const Bytes pathBytes = Ascii("\\My Documents\\") + Bytes{0xB8, 0xDE, 0xB8, 0xF0} + Ascii("\\") +
                            Bytes{0xC8, 0xB8, 0xC0, 0xC7} + Ascii(".pwi");
    ASSERT_EQ(pathBytes.size(), 27u);

    struct Case {
        const char* what;
        std::function<bool(RequestBytes*)> build;
        Bytes expected;
    };
    const Case cases[] = {
        {"1 preferences", [](RequestBytes* b) { return BuildContentlessRequest(1, b); }, Bytes{0}},
        {"2 new task", [](RequestBytes* b) { return BuildContentlessRequest(2, b); }, Repeat(0, 2)},
        {"6 task view", [](RequestBytes* b) { return BuildContentlessRequest(6, b); }, Repeat(0, 6)},
        {"8 new memo", [](RequestBytes* b) { return BuildContentlessRequest(8, b); }, Repeat(0, 8)},
        {"9 memo view", [](RequestBytes* b) { return BuildContentlessRequest(9, b); }, Repeat(0, 9)},
        {"7 month", [](RequestBytes* b) { return BuildOpenMonthRequest(L"2024-05-07", b); }, Ascii("2024-05")},
        {"10 new appointment", [](RequestBytes* b) { return BuildNewAppointmentRequest(L"2024-05-07", b); },
         Ascii("2024-05-07")},
        {"11 day", [](RequestBytes* b) { return BuildOpenDayRequest(L"2024-05-07", b); },
         Ascii("2024-05-07") + Bytes{0}},
        {"14 open appointment", [](RequestBytes* b) { return BuildAppointmentRequest(L"2024-05-07", 1000, false, b); },
         Ascii("2024-05-07") + Bytes{1, 1, 4, 236}},
        {"15 delete appointment",
         [](RequestBytes* b) { return BuildAppointmentRequest(L"2024-05-07", 1000, true, b); },
         Ascii("2024-05-07") + Bytes{1, 1, 4, 236} + Bytes{0}},
        {"3 open anniversary", [](RequestBytes* b) { return BuildAnniversaryRequest(256, false, b); },
         Bytes{'M', 2, 2}},
        {"17 delete anniversary", [](RequestBytes* b) { return BuildAnniversaryRequest(256, true, b); },
         Bytes{'M', 2, 2} + Repeat(0, 14)},
        {"5 open task", [](RequestBytes* b) { return BuildItemRequest('T', 1, false, b); }, Bytes{'T', 1, 1, 1, 2}},
        {"5 open memo", [](RequestBytes* b) { return BuildItemRequest('N', 10001, false, b); },
         Bytes{'N', 1, 1, 40, 57}},
        {"16 delete task", [](RequestBytes* b) { return BuildItemRequest('T', 1, true, b); },
         Bytes{'T', 1, 1, 1, 2} + Repeat(0, 11)},
        {"16 delete memo", [](RequestBytes* b) { return BuildItemRequest('N', 10001, true, b); },
         Bytes{'N', 1, 1, 40, 57} + Repeat(0, 11)},
        {"256 open Notes file", [&](RequestBytes* b) { return BuildNotesFileRequest(notesPath, false, b); },
         pathBytes + Repeat(' ', 229)},
        {"255 delete Notes file", [&](RequestBytes* b) { return BuildNotesFileRequest(notesPath, true, b); },
         pathBytes + Repeat(' ', 228)},
        {"4 contact", [](RequestBytes* b) { return BuildEditContactRequest(1, b); }, Bytes{1, 1, 1, 2}},
        {"54 dial", [](RequestBytes* b) { return BuildDialRequest(L"010-1234-5678", L"홍길동", 0x80000066u, b); },
         Repeat(' ', 9) + Ascii("01012345678") + Repeat(' ', 24) + HongGildong() + Bytes{130, 131, 130, 231}},
        {"44 mail", [](RequestBytes* b) { return BuildSendMailRequest(L"hong@example.kr", 1, b); },
         Repeat(' ', 25) + Ascii("hong@example.kr") + Bytes{1, 1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RequestBytes bytes;
        ASSERT_TRUE(c.build(&bytes));
        EXPECT_EQ(Hex(bytes), Hex(c.expected));
    }
}

TEST(RequestKinds, ANotesPathOfThirtyBytesIsFollowedBy226Blanks)
{
    RequestBytes bytes;
    ASSERT_TRUE(BuildNotesFileRequest(L"\\My Documents\\note-0123456.pwi", false, &bytes));
    EXPECT_EQ(Hex(bytes), Hex(Ascii("\\My Documents\\note-0123456.pwi") + Repeat(' ', 226)));
}

TEST(RequestKinds, NamesAreCutBetweenCharactersToThirtyBytes)
{
    struct Case {
        const wchar_t* name;
        Bytes field;
    };
    const Bytes sixteen = {0xB0, 0xA1, 0xB3, 0xAA, 0xB4, 0xD9, 0xB6, 0xF3, 0xB8, 0xB6, 0xB9, 0xD9, 0xBB, 0xE7, 0xBE,
                           0xC6, 0xC0, 0xDA, 0xC2, 0xF7, 0xC4, 0xAB, 0xC5, 0xB8, 0xC6, 0xC4, 0xC7, 0xCF, 0xB0, 0xC5};
    const Case cases[] = {
        // 16 syllables are 32 bytes: the last one goes.
        {L"가나다라마바사아자차카타파하거너", sixteen},
        // "A" and 15 syllables are 31 bytes: the 15th syllable would be split, so it goes too.
        {L"A가나다라마바사아자차카타파하거",
         Repeat(' ', 1) + Ascii("A") + Bytes(sixteen.begin(), sixteen.begin() + 28)},
        {L"", Repeat(' ', 30)},
    };
    for (const Case& c : cases) {
        RequestBytes bytes;
        ASSERT_TRUE(BuildDialRequest(L"01012345678", c.name, 1, &bytes));
        ASSERT_EQ(bytes.size(), 54u);
        EXPECT_EQ(Hex(Bytes(bytes.begin() + 20, bytes.begin() + 50)), Hex(c.field));
    }
}

TEST(RequestKinds, FieldsThatDoNotFitAreRefused)
{
    const std::wstring path257 = L"\\" + std::wstring(252, L'a') + L".pwi";
    const std::wstring path256 = L"\\" + std::wstring(251, L'a') + L".pwi";
    struct Case {
        const char* what;
        std::function<bool(RequestBytes*)> build;
    };
    const Case cases[] = {
        {"id beyond 255^4", [](RequestBytes* b) { return BuildEditContactRequest(4228250625u, b); }},
        {"appointment id beyond",
         [](RequestBytes* b) { return BuildAppointmentRequest(L"2024-05-07", 0xFFFFFFFFu, false, b); }},
        {"task id beyond", [](RequestBytes* b) { return BuildItemRequest('T', 4228250625u, true, b); }},
        {"anniversary id 65025", [](RequestBytes* b) { return BuildAnniversaryRequest(65025, true, b); }},
        {"21 digits", [](RequestBytes* b) { return BuildDialRequest(L"0101234567890123456789", L"", 1, b); }},
        {"address of 41 bytes",
         [](RequestBytes* b) { return BuildSendMailRequest(L"abcdefghijklmnopqrstuvwxyz@example.co.krr", 1, b); }},
        {"open path of 257 bytes", [&](RequestBytes* b) { return BuildNotesFileRequest(path257.c_str(), false, b); }},
        {"delete path of 256 bytes", [&](RequestBytes* b) { return BuildNotesFileRequest(path256.c_str(), true, b); }},
        {"short date", [](RequestBytes* b) { return BuildNewAppointmentRequest(L"2024-5-7", b); }},
        {"no date", [](RequestBytes* b) { return BuildOpenDayRequest(nullptr, b); }},
        {"unknown kind", [](RequestBytes* b) { return BuildContentlessRequest(3, b); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RequestBytes bytes = {1, 2, 3};
        EXPECT_FALSE(c.build(&bytes));
        EXPECT_TRUE(bytes.empty());
    }
    RequestBytes bytes;
    EXPECT_TRUE(BuildNotesFileRequest(path256.c_str(), false, &bytes));
    EXPECT_EQ(bytes.size(), 256u);
    EXPECT_TRUE(BuildDialRequest(L"01234567890123456789", L"", 1, &bytes));  // 20 digits fit
    EXPECT_TRUE(BuildSendMailRequest(L"abcdefghijklmnopqrstuvwxyz@example.co.kr", 1, &bytes));
}

// A text goes into the file exactly or the request is not made: a
// look-alike of a character the code page lacks names something else.
TEST(RequestKinds, TextsTheCodePageCannotCarryAreRefused)
{
    struct Case {
        const char* what;
        std::function<bool(RequestBytes*)> build;
    };
    const Case cases[] = {
        {"accented path", [](RequestBytes* b) { return BuildNotesFileRequest(L"\\My Documents\\café.pwi", false, b); }},
        {"accented path, delete",
         [](RequestBytes* b) { return BuildNotesFileRequest(L"\\My Documents\\café.pwi", true, b); }},
        {"emoji in a path", [](RequestBytes* b) { return BuildNotesFileRequest(L"\\\U0001F600.pwi", false, b); }},
        {"a lone surrogate", [](RequestBytes* b) { return BuildNotesFileRequest(L"\\a\xD800" L"b.pwi", false, b); }},
        {"accented name", [](RequestBytes* b) { return BuildDialRequest(L"01012345678", L"José", 1, b); }},
        {"emoji in a name", [](RequestBytes* b) { return BuildDialRequest(L"01012345678", L"홍\U0001F600", 1, b); }},
        {"accented address", [](RequestBytes* b) { return BuildSendMailRequest(L"josé@example.kr", 1, b); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RequestBytes bytes = {1, 2, 3};
        EXPECT_FALSE(c.build(&bytes));
        EXPECT_TRUE(bytes.empty());
    }
}

TEST(RequestKinds, SignsOfTheCodePageBesideHangulAreCarried)
{
    // "½" and "·" are A8 F6 and A1 A4 in code page 949.
    RequestBytes bytes;
    ASSERT_TRUE(BuildNotesFileRequest(L"\\½·.pwi", false, &bytes));
    EXPECT_EQ(Hex(Bytes(bytes.begin(), bytes.begin() + 9)), Hex(Ascii("\\") + Bytes{0xA8, 0xF6, 0xA1, 0xA4} + Ascii(".pwi")));
    ASSERT_TRUE(BuildDialRequest(L"01012345678", L"½", 1, &bytes));
    EXPECT_EQ(Hex(Bytes(bytes.begin() + 20, bytes.begin() + 50)), Hex(Repeat(' ', 28) + Bytes{0xA8, 0xF6}));
}

}  // namespace
