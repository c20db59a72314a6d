// Another device program working on the calendar while the tests watch:
//   schedule_peer swap <milliseconds>
//       sets the event "QuillonShortDatePeerReady", waits for
//       "QuillonShortDateGo", then queries through the shared short-date swap
//       again and again for the time given, as the Today item does; every
//       query must find exactly the one appointment of 2007-03-01.
//   schedule_peer add <subject> <yyyy-mm-dd> <hh:mm> <minutes>
//       -> the new appointment's id in "\Temp\schedule_peer.txt"
//   schedule_peer delete <id>
// The exit code is 0 on success, 2 when Pocket Outlook or the events could
// not be reached, 1 otherwise.
#include "core/short_date_restrict.h"
#include "platform/outlook/client_values.h"
#include "tests/support/outlook_peer.h"

#include <cwchar>
#include <string>

namespace {

const wchar_t kAnswerFile[] = L"\\Temp\\schedule_peer.txt";

int SwapWhileTheTestDoes(IPOutlookApp* app, DWORD duration)
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    if (FAILED(app->GetDefaultFolder(olFolderCalendar, &folder)) || FAILED(folder->get_Items(&items)))
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
    return failures == 0 ? 0 : 1;
}

int Add(IPOutlookApp* app, const wchar_t* subject, const wchar_t* day, const wchar_t* time, const wchar_t* minutes)
{
    int year = 0, month = 0, date = 0, hour = 0, minute = 0;
    if (swscanf(day, L"%4d-%2d-%2d", &year, &month, &date) != 3 || swscanf(time, L"%2d:%2d", &hour, &minute) != 2)
        return 1;
    IAppointment* item = nullptr;
    if (FAILED(app->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&item))) || !item)
        return 2;
    DATE start = poomclient::Date(year, month, date, hour, minute);
    item->put_Subject(poomclient::Text(subject));
    item->put_Start(start);
    item->put_End(start + _wtoi(minutes) / (24.0 * 60.0));
    HRESULT saved = item->Save();
    long oid = 0;
    item->get_Oid(&oid);
    item->Release();
    return SUCCEEDED(saved) && testkit::WriteAnswer(kAnswerFile, std::to_wstring(static_cast<unsigned long>(oid)))
               ? 0
               : 1;
}

int Delete(IPOutlookApp* app, const wchar_t* id)
{
    IDispatch* item = nullptr;
    if (FAILED(app->GetItemFromOid(static_cast<long>(wcstoul(id, nullptr, 10)), &item)) || !item)
        return 1;
    IAppointment* appointment = nullptr;
    HRESULT found = item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment));
    item->Release();
    if (FAILED(found) || !appointment)
        return 1;
    HRESULT deleted = appointment->Delete();
    appointment->Release();
    return SUCCEEDED(deleted) ? 0 : 1;
}

int Command(IPOutlookApp* app, int argc, wchar_t** argv)
{
    if (wcscmp(argv[1], L"swap") == 0)
        return SwapWhileTheTestDoes(app, static_cast<DWORD>(_wtoi(argv[2])));
    if (wcscmp(argv[1], L"add") == 0 && argc >= 6)
        return Add(app, argv[2], argv[3], argv[4], argv[5]);
    if (wcscmp(argv[1], L"delete") == 0)
        return Delete(app, argv[2]);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    return testkit::RunOutlookPeer(argc, argv, Command);
}
