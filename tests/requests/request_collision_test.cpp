// The request file between two programs: the Today item's writer in a
// device program of its own writes a thousand requests while this process
// reads them as the main program's timer does. Each request is read whole
// and once, or its loss is in the device log.
#include "core/today_request_format.h"
#include "mainwindow/today_requests.h"
#include "tests/requests/requests_fixture.h"

#include <cstdio>
#include <set>

namespace requests {
namespace {

constexpr long kRequests = 1000;
constexpr DWORD kWriterLimitMs = 120000;

struct Writer {
    PROCESS_INFORMATION process = {};
    HANDLE ready = nullptr;
    HANDLE go = nullptr;
    bool Start()
    {
        ready = CreateEventW(nullptr, TRUE, FALSE, L"QuillonRequestWriterReady");
        go = CreateEventW(nullptr, TRUE, FALSE, L"QuillonRequestWriterGo");
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        std::wstring command = L"\"" + testkit::BuiltProgram(L"request_writer_peer.exe") + L"\" " +
                               std::to_wstring(kRequests);
        return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process) &&
               WaitForSingleObject(ready, 30000) == WAIT_OBJECT_0;
    }
    ~Writer()
    {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 99);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        if (ready)
            CloseHandle(ready);
        if (go)
            CloseHandle(go);
    }
};

// What the device log tells of each request: after "writing <id>", the
// writer's trace that it replaced an unread request names the one before,
// and its trace that it could not put the request in place names this one.
struct WriterReport {
    std::set<long> replaced;
    std::set<long> notPlaced;
};

WriterReport ReadWriterReport(const LogMark& mark)
{
    WriterReport report;
    long writing = 0;
    for (const std::wstring& line : mark.Since(L"")) {
        if (swscanf(line.c_str(), L"request_writer_peer: writing %ld", &writing) == 1)
            continue;
        if (line.find(L"replaces one the main program had not read") != std::wstring::npos)
            report.replaced.insert(writing - 1);
        else if (line.find(L"not put in place") != std::wstring::npos)
            report.notPlaced.insert(writing);
    }
    return report;
}

TEST(TodayRequestCollision, EachRequestWrittenWhileTheMainProgramReadsIsActedOnOrReported)
{
    DeleteFileW(kTodayRequestFile);
    const LogMark mark;
    Writer writer;
    ASSERT_TRUE(writer.Start());
    SetEvent(writer.go);
    std::vector<CEOID> read;
    int unusable = 0;
    bool writerDone = false;
    // The reader looks at varying moments, so that its reads fall on every
    // phase of the writer's.
    unsigned pause = 0;
    const DWORD start = GetTickCount();
    while (!writerDone && GetTickCount() - start < kWriterLimitMs) {
        writerDone = WaitForSingleObject(writer.process.hProcess, 0) == WAIT_OBJECT_0;
        TodayRequest request;
        // After the writer's end, the request it left.
        if (ReadTodayRequest(&request)) {
            if (request.usable && request.contactAction == kContactOpen)
                read.push_back(request.contact);
            else
                ++unusable;
        }
        pause = (pause * 7 + 3) % 5;
        Sleep(pause);
    }
    ASSERT_TRUE(writerDone) << "the writer did not end in time";
    DWORD code = 99;
    GetExitCodeProcess(writer.process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(RequestFileExists());

    // Whole requests, each once, in the order written.
    EXPECT_EQ(unusable, 0);
    ASSERT_FALSE(read.empty());
    for (size_t i = 1; i < read.size(); ++i)
        ASSERT_LT(read[i - 1], read[i]) << "at " << i;
    // Every other one was replaced by the next or never put in place, as
    // the log says.
    const WriterReport report = ReadWriterReport(mark);
    const std::set<CEOID> acted(read.begin(), read.end());
    std::vector<long> lost;
    for (long id = 1; id <= kRequests; ++id) {
        if (!acted.count(static_cast<CEOID>(id)) && !report.replaced.count(id) && !report.notPlaced.count(id))
            lost.push_back(id);
    }
    EXPECT_TRUE(lost.empty()) << lost.size() << " lost without a trace, the first " << lost.front();
    std::printf("%zu read, %zu replaced, %zu not put in place\n", read.size(), report.replaced.size(),
                report.notPlaced.size());
}

}  // namespace
}  // namespace requests
