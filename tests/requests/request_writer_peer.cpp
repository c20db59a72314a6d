// The Today item's side of the request file, in a device program of its own:
//   request_writer_peer <count>
//       sets the event "QuillonRequestWriterReady", waits for
//       "QuillonRequestWriterGo", then writes contact requests for the ids 1
//       to count one right after another, as the Today item's writer does,
//       each after the log line "request_writer_peer: writing <id>".
// The exit code is 0 when it could write them, 2 when the events could not
// be reached, 1 for a bad count.
#include "core/today_request_format.h"
#include "today/request_writer.h"
#include "today/state.h"

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    const long count = argc == 2 ? wcstol(argv[1], nullptr, 10) : 0;
    if (count <= 0)
        return 1;
    // No main program to start: the test reads the requests itself.
    wcscpy(MainProgramFolder, L"\\Temp\\no main program");
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"QuillonRequestWriterReady");
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, L"QuillonRequestWriterGo");
    if (!ready || !go || !SetEvent(ready) || WaitForSingleObject(go, 20000) != WAIT_OBJECT_0)
        return 2;
    for (long id = 1; id <= count; ++id) {
        RequestBytes bytes;
        if (!BuildEditContactRequest(static_cast<uint32_t>(id), &bytes))
            return 1;
        NKDbgPrintfW(L"request_writer_peer: writing %ld", id);
        WriteTodayRequest(bytes.data(), bytes.size());
    }
    CloseHandle(ready);
    CloseHandle(go);
    return 0;
}
