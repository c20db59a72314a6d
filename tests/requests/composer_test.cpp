// The message composer's and the mail program's command lines, as their
// stand-ins received them.
#include "mainwindow/outside_programs.h"
#include "tests/requests/requests_fixture.h"

namespace requests {
namespace {

// The stand-in's record of the one start, once it has written it.
std::wstring CommandLineRecorded(const LogMark& mark, const wchar_t* program)
{
    const std::wstring token = std::wstring(L"Standin ") + program + L": command line ";
    std::vector<std::wstring> lines;
    testkit::PumpUntil([&] { return !(lines = mark.Since(token)).empty(); }, 10000);
    EXPECT_LE(lines.size(), 1u);
    return lines.empty() ? L"" : lines[0].substr(token.size());
}

TEST(OutsidePrograms, TheComposerGetsTheReceiverAndNameWithoutQuotes)
{
    const struct {
        const wchar_t* mobile;
        const wchar_t* name;
        const wchar_t* line;
    } cases[] = {
        {L"0101234567", L"홍길동", L"-type EDIT -RECEIVER \"0101234567\" -name \"홍길동\""},
        {L"0101234567", L"홍 \"길동\"", L"-type EDIT -RECEIVER \"0101234567\" -name \"홍 길동\""},
        {L"\"010\"", L"\"", L"-type EDIT -RECEIVER \"010\" -name \"\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        EXPECT_EQ(MmsComposerCommandLine(c.mobile, c.name), c.line);
        LogMark mark;
        StartMmsComposer(c.mobile, c.name);
        EXPECT_EQ(CommandLineRecorded(mark, L"KTFMMS.exe"), c.line);
    }
}

TEST(OutsidePrograms, TheMailProgramGetsAMailtoLine)
{
    LogMark mark;
    StartMailProgram(L"hong@example.com");
    EXPECT_EQ(CommandLineRecorded(mark, L"tmail.exe"), L"mailto:hong@example.com");
}

}  // namespace
}  // namespace requests
