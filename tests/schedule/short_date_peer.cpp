// A second device process for the short-date test: queries the calendar
// through the shared swap again and again, as the Today item does. It sets
// the event "QuillonShortDatePeerReady", waits for "QuillonShortDateGo",
// then queries for the given time.
//   short_date_peer <milliseconds>
// The exit code is 0 when every query found exactly the one appointment of
// 2007-03-01, 2 when Pocket Outlook or the events could not be reached, 1
// otherwise.
#include "core/short_date_restrict.h"

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    DWORD duration = argc > 1 ? static_cast<DWORD>(_wtoi(argv[1])) : 1000;
    if (FAILED(CoInitializeEx(nullptr, 0)))
        return 2;
    IPOutlookApp* app = nullptr;
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&app))) ||
        FAILED(app->Logon(0)) || FAILED(app->GetDefaultFolder(olFolderCalendar, &folder)) ||
        FAILED(folder->get_Items(&items)))
        return 2;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"QuillonShortDatePeerReady");
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, L"QuillonShortDateGo");
    if (!ready || !go || !SetEvent(ready) || WaitForSingleObject(go, 20000) != WAIT_OBJECT_0)
        return 2;
    int failures = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < duration;) {
        IPOutlookItemCollection* found = nullptr;
        int count = 0;
        if (SUCCEEDED(RestrictWithShortDates(items, L"[Start] >= \"03/01/07\" AND [Start] < \"03/02/07\"", &found)) &&
            found) {
            found->get_Count(&count);
            found->Release();
        }
        failures += count != 1;
    }
    CloseHandle(ready);
    CloseHandle(go);
    items->Release();
    folder->Release();
    app->Logoff();
    app->Release();
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
