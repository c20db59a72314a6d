// The Today item's request file read by the main program: one byte fixture
// per kind, the malformed files that change nothing, and the file's end.
#include "core/today_request_format.h"
#include "mainwindow/state.h"
#include "mainwindow/today_requests.h"
#include "tests/requests/requests_fixture.h"

#include <sstream>

namespace requests {
namespace {

// Ids as the file holds them: base-255 digits, each plus one.
const Bytes kId1 = Raw("\x01\x01\x01\x02");
const Bytes kId65536 = Raw("\x01\x02\x03\x02");
const Bytes kIdLargest = Raw("\xFF\xFF\xFF\xFE");  // 255^4 - 2
const Bytes kIdZero = Raw("\x01\x01\x01\x01");
const Bytes kAnniversary300 = Raw("\x02\x2E");
const Bytes kDate = Raw("2008-03-15");
// "홍 길동" and "메모" in code page 949.
const Bytes kNameWithBlank = Raw("\xC8\xAB \xB1\xE6\xB5\xBF");
const Bytes kMemo = Raw("\xB8\xDE\xB8\xF0");

// The fields a request sets, in a fixed order; an unusable one is empty.
std::wstring Describe(const TodayRequest& r)
{
    if (!r.usable)
        return L"";
    std::wostringstream out;
    if (r.date[0])
        out << L"date=" << r.date << L" ";
    if (r.appointment)
        out << L"appointment=" << r.appointment << L" ";
    if (r.task)
        out << L"task=" << r.task << L" ";
    if (r.memo)
        out << L"memo=" << r.memo << L" ";
    if (r.anniversary)
        out << L"anniversary=" << r.anniversary << L" ";
    if (r.contact)
        out << L"contact=" << r.contact << L" action=" << r.contactAction << L" ";
    if (r.viewCode)
        out << L"view=" << r.viewCode << L" ";
    if (r.notePath[0])
        out << L"path=[" << r.notePath << L"] ";
    if (r.number[0] || r.name[0])
        out << L"number=[" << r.number << L"] name=[" << r.name << L"] ";
    if (r.address[0])
        out << L"address=[" << r.address << L"] ";
    if (r.remove)
        out << L"delete";
    std::wstring text = out.str();
    while (!text.empty() && text.back() == L' ')
        text.pop_back();
    return text;
}

struct ReadCase {
    const char* what;
    Bytes bytes;
    std::wstring fields;
};

const std::wstring kLongPath = L"\\My Documents\\" + std::wstring(238, L'a') + L".pwi";  // 256 characters

std::vector<ReadCase> KindCases()
{
    return {
        {"14 open appointment", kDate + kId65536, L"date=2008-03-15 appointment=65536"},
        {"15 delete appointment", kDate + kIdLargest + Raw("\0"), L"date=2008-03-15 appointment=4228250623 delete"},
        {"10 new appointment", kDate, L"date=2008-03-15"},
        {"11 day", kDate + Raw("\0"), L"date=2008-03-15 appointment=-2"},
        {"11 day, last byte not read", Raw("2008-02-29X"), L"date=2008-02-29 appointment=-2"},
        {"7 month", Raw("2050-12"), L"date=2050-12-01 appointment=-1"},
        {"54 dial, inner blank kept", Repeat(' ', 9) + Raw("01012345678") + Repeat(' ', 23) + kNameWithBlank + kId1,
         L"contact=1 action=1 number=[01012345678] name=[홍 길동]"},
        {"44 mail", Repeat(' ', 24) + Raw("hong@example.com") + kId65536,
         L"contact=65536 action=2 address=[hong@example.com]"},
        {"44 mail, inner blanks dropped", Repeat(' ', 22) + Raw("hong @ example.com") + kId1,
         L"contact=1 action=2 address=[hong@example.com]"},
        {"54 dial, only digits, '#' and a leading '+' reach the phone",
         Raw(" +82 10-1234-5678 #9") + Repeat(' ', 30) + kId1, L"contact=1 action=1 number=[+821012345678#9] name=[]"},
        {"54 dial, a '+' inside and letters dropped", Raw("  010+1234 ext.5678x") + Repeat(' ', 30) + kId1,
         L"contact=1 action=1 number=[01012345678] name=[]"},
        {"4 contact", kIdLargest, L"contact=4228250623 action=3"},
        {"3 anniversary", Raw("M") + kAnniversary300, L"anniversary=300"},
        {"3 anniversary, any first byte", Raw("\0") + kAnniversary300, L"anniversary=300"},
        {"17 delete anniversary", Raw("x") + kAnniversary300 + Repeat(0, 14), L"anniversary=300 delete"},
        {"5 task", Raw("T") + kId65536, L"task=65536"},
        {"5 memo", Raw("N") + kId65536, L"memo=65536"},
        {"16 delete task", Raw("T") + kId1 + Repeat(0, 11), L"task=1 delete"},
        {"16 delete memo", Raw("N") + kId1 + Repeat('N', 11), L"memo=1 delete"},
        {"1 preferences", Raw("\0"), L"view=99"},
        {"2 new task", Raw("ab"), L"view=1"},
        {"6 tasks", Repeat('z', 6), L"view=2"},
        {"8 new memo", Repeat(0, 8), L"view=11"},
        {"9 memos", Repeat(7, 9), L"view=12"},
        {"256 open Notes file, Hangul", Raw("\\My Documents\\") + kMemo + Raw(".pwi") + Repeat(' ', 256 - 22),
         L"path=[\\My Documents\\메모.pwi]"},
        {"255 delete Notes file", Raw("\\My Documents\\a b.pwi") + Repeat(' ', 255 - 21),
         L"path=[\\My Documents\\a b.pwi] delete"},
        {"256 a path of 256 bytes", Bytes(kLongPath.begin(), kLongPath.end()), L"path=[" + kLongPath + L"]"},
    };
}

std::vector<ReadCase> MalformedCases()
{
    return {
        {"empty", {}, L""},
        {"12 bytes", Repeat('1', 12), L""},
        {"13 bytes", kDate + Raw("123"), L""},
        {"18 bytes", Repeat('1', 18), L""},
        {"100 bytes", Repeat('1', 100), L""},
        {"254 bytes", Repeat('a', 254), L""},
        {"appointment id 0", kDate + kIdZero, L""},
        {"appointment id with a 0 byte", kDate + Raw("\x01\x02\0\x02"), L""},
        {"contact id 0", kIdZero, L""},
        {"dial to contact 0", Repeat(' ', 9) + Raw("01012345678") + Repeat(' ', 30) + kIdZero, L""},
        {"mail to contact 0", Repeat(' ', 24) + Raw("hong@example.com") + kIdZero, L""},
        {"anniversary 0", Raw("M\x01\x01"), L""},
        {"task 0", Raw("T") + kIdZero, L""},
        {"memo 0", Raw("N") + kIdZero, L""},
        {"month 13", Raw("2008-13-01"), L""},
        {"30 February", Raw("2008-02-30"), L""},
        {"day 0", Raw("2008-03-00\0"), L""},
        {"letters in the year", Raw("20x8-03-15") + kId1, L""},
        {"slashes", Raw("2008/03/15"), L""},
        {"before the calendar", Raw("1840-12-31"), L""},
        {"after the calendar", Raw("2051-01-01\0"), L""},
        {"month 0", Raw("2008-00"), L""},
        {"month without its dash", Raw("2008.03"), L""},
        {"an all-blank path", Repeat(' ', 256), L""},
        {"dial with no number left", Repeat(' ', 14) + Raw("ext. -") + Repeat(' ', 30) + kId1, L""},
        {"dial to an all-blank number", Repeat(' ', 50) + kId1, L""},
        {"mail to an all-blank address", Repeat(' ', 40) + kId1, L""},
        // Bytes that are no code page 949 text must not become some other text.
        {"a path not of the code page", Raw("\\My Documents\\\xFF\xFF.pwi") + Repeat(' ', 256 - 20), L""},
        {"a path ending in half a character", Raw("\\My Documents\\a.pwi\xC8") + Repeat(' ', 256 - 20), L""},
        {"a path with a 0 byte inside", Raw("\\a\0b.pwi") + Repeat(' ', 256 - 8), L""},
        {"a name not of the code page", Repeat(' ', 9) + Raw("01012345678") + Repeat(' ', 28) + Raw("\xFF\xFF") + kId1, L""},
        {"an address not of the code page", Repeat(' ', 37) + Raw("a\xFFz") + kId1, L""},
        {"a path that starts with 0", Raw("\0") + Repeat('a', 255), L""},
    };
}

TEST(TodayRequestReader, EachKindGivesItsFields)
{
    for (const ReadCase& c : KindCases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Describe(DecodeTodayRequest(c.bytes.data(), c.bytes.size())), c.fields);
    }
}

TEST(TodayRequestReader, MalformedRequestsAreNotUsable)
{
    for (const ReadCase& c : MalformedCases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Describe(DecodeTodayRequest(c.bytes.data(), c.bytes.size())), L"");
    }
}

TEST(TodayRequestReader, EveryFileIsReadOnceAndDeleted)
{
    std::vector<ReadCase> cases = KindCases();
    for (const ReadCase& c : MalformedCases())
        cases.push_back(c);
    cases.push_back({"300 bytes", Repeat('a', 300), L""});
    cases.push_back({"257 bytes", Repeat('a', 257), L""});
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        wcscpy(CurrentDate, L"1999-09-09");
        WriteRequestFile(c.bytes);
        TodayRequest request;
        ASSERT_TRUE(ReadTodayRequest(&request));
        EXPECT_EQ(Describe(request), c.fields);
        EXPECT_FALSE(RequestFileExists());
        // A request's date becomes the current date; nothing else changes it.
        EXPECT_EQ(std::wstring(CurrentDate), request.date[0] ? request.date : L"1999-09-09");
    }
}

// A request file that cannot be deleted in place is still taken, acted on
// once, and holds up no later request.
TEST(TodayRequestReader, AReadOnlyRequestIsReadOnceAndTheNextAfterIt)
{
    WriteRequestFile(Raw("2008-03-15"));
    ASSERT_TRUE(SetFileAttributesW(kTodayRequestFile, FILE_ATTRIBUTE_READONLY));
    TodayRequest request;
    ASSERT_TRUE(ReadTodayRequest(&request));
    EXPECT_EQ(Describe(request), L"date=2008-03-15");
    EXPECT_FALSE(RequestFileExists());
    EXPECT_FALSE(ReadTodayRequest(&request));
    WriteRequestFile(Raw("2008-03-16"));
    ASSERT_TRUE(SetFileAttributesW(kTodayRequestFile, FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(ReadTodayRequest(&request));
    EXPECT_EQ(Describe(request), L"date=2008-03-16");
    EXPECT_FALSE(ReadTodayRequest(&request));
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon1.rd"));
}

TEST(TodayRequestReader, NoFileNoRequest)
{
    DeleteFileW(kTodayRequestFile);
    TodayRequest request;
    request.viewCode = 12;
    request.remove = true;
    EXPECT_FALSE(ReadTodayRequest(&request));
    EXPECT_FALSE(request.usable);
    EXPECT_EQ(request.viewCode, 0);
    EXPECT_FALSE(request.remove);
}

// What the Today item writes, the main program reads as the same request.
TEST(TodayRequestReader, ReadsWhatTheTodayItemWrites)
{
    struct BuiltCase {
        const char* what;
        bool (*build)(RequestBytes* out);
        std::wstring fields;
    };
    const BuiltCase cases[] = {
        {"appointment", [](RequestBytes* out) { return BuildAppointmentRequest(L"2009-11-30", 70000, false, out); },
         L"date=2009-11-30 appointment=70000"},
        {"month", [](RequestBytes* out) { return BuildOpenMonthRequest(L"2009-11-30", out); },
         L"date=2009-11-01 appointment=-1"},
        {"dial", [](RequestBytes* out) { return BuildDialRequest(L"010-1234-5678", L"홍 길동", 42, out); },
         L"contact=42 action=1 number=[01012345678] name=[홍 길동]"},
        {"mail", [](RequestBytes* out) { return BuildSendMailRequest(L"hong@example.com", 43, out); },
         L"contact=43 action=2 address=[hong@example.com]"},
        {"anniversary", [](RequestBytes* out) { return BuildAnniversaryRequest(65024, true, out); },
         L"anniversary=65024 delete"},
        {"task", [](RequestBytes* out) { return BuildItemRequest('T', 123456, false, out); }, L"task=123456"},
        {"Notes file", [](RequestBytes* out) { return BuildNotesFileRequest(L"\\My Documents\\메모.pwi", false, out); },
         L"path=[\\My Documents\\메모.pwi]"},
    };
    for (const BuiltCase& c : cases) {
        SCOPED_TRACE(c.what);
        RequestBytes bytes;
        ASSERT_TRUE(c.build(&bytes));
        EXPECT_EQ(Describe(DecodeTodayRequest(bytes.data(), bytes.size())), c.fields);
    }
}

}  // namespace
}  // namespace requests
