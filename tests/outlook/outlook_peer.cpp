// A second device process for the tests: uses the object model as another
// program would and leaves its answer in "\Temp\peer.txt".
//   outlook_peer add contact|appointment|task <text>   -> the new id
//   outlook_peer read <id>                             -> the item's name or subject
//   outlook_peer delete <id>
//   outlook_peer count contact|appointment|task        -> the folder's count
//   outlook_peer move <series id> <yyyy> <mm> <dd> <hh> <mi>  (moves that occurrence an hour on)
// The exit code is 0 on success.
#include "platform/ce.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const wchar_t kAnswerFile[] = L"\\Temp\\peer.txt";

bool Answer(const std::wstring& text)
{
    HANDLE file = CreateFileW(kAnswerFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.c_str(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return ok != FALSE;
}

int FolderOf(const wchar_t* kind)
{
    if (wcscmp(kind, L"contact") == 0)
        return olFolderContacts;
    if (wcscmp(kind, L"appointment") == 0)
        return olFolderCalendar;
    return olFolderTasks;
}

int Add(IPOutlookApp* app, const wchar_t* kind, const wchar_t* text)
{
    BSTR value = SysAllocString(text);
    long oid = 0;
    HRESULT hr = E_FAIL;
    if (FolderOf(kind) == olFolderContacts) {
        IContact* contact = nullptr;
        if (SUCCEEDED(app->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact)))) {
            contact->put_LastName(value);
            hr = contact->Save();
            contact->get_Oid(&oid);
            contact->Release();
        }
    } else if (FolderOf(kind) == olFolderCalendar) {
        IAppointment* appointment = nullptr;
        if (SUCCEEDED(app->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&appointment)))) {
            appointment->put_Subject(value);
            hr = appointment->Save();
            appointment->get_Oid(&oid);
            appointment->Release();
        }
    } else {
        ITask* task = nullptr;
        if (SUCCEEDED(app->CreateItem(olTaskItem, reinterpret_cast<IDispatch**>(&task)))) {
            task->put_Subject(value);
            hr = task->Save();
            task->get_Oid(&oid);
            task->Release();
        }
    }
    SysFreeString(value);
    return SUCCEEDED(hr) && Answer(std::to_wstring(static_cast<unsigned long>(oid))) ? 0 : 1;
}

// The item's name (contacts) or subject.
int Read(IPOutlookApp* app, long oid)
{
    IDispatch* item = nullptr;
    if (FAILED(app->GetItemFromOid(oid, &item)))
        return 1;
    BSTR text = nullptr;
    IContact* contact = nullptr;
    IAppointment* appointment = nullptr;
    ITask* task = nullptr;
    if (SUCCEEDED(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact)))) {
        contact->get_LastName(&text);
        contact->Release();
    } else if (SUCCEEDED(item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment)))) {
        appointment->get_Subject(&text);
        appointment->Release();
    } else if (SUCCEEDED(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task)))) {
        task->get_Subject(&text);
        task->Release();
    }
    item->Release();
    bool ok = Answer(text ? text : L"");
    SysFreeString(text);
    return ok ? 0 : 1;
}

int Delete(IPOutlookApp* app, long oid)
{
    IDispatch* item = nullptr;
    if (FAILED(app->GetItemFromOid(oid, &item)))
        return 1;
    HRESULT hr = E_FAIL;
    IContact* contact = nullptr;
    IAppointment* appointment = nullptr;
    ITask* task = nullptr;
    if (SUCCEEDED(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact)))) {
        hr = contact->Delete();
        contact->Release();
    } else if (SUCCEEDED(item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment)))) {
        hr = appointment->Delete();
        appointment->Release();
    } else if (SUCCEEDED(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task)))) {
        hr = task->Delete();
        task->Release();
    }
    item->Release();
    return SUCCEEDED(hr) ? 0 : 1;
}

int Count(IPOutlookApp* app, const wchar_t* kind)
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    int count = -1;
    if (SUCCEEDED(app->GetDefaultFolder(FolderOf(kind), &folder)) && SUCCEEDED(folder->get_Items(&items))) {
        items->get_Count(&count);
        items->Release();
    }
    if (folder)
        folder->Release();
    return count >= 0 && Answer(std::to_wstring(count)) ? 0 : 1;
}

int Move(IPOutlookApp* app, long oid, wchar_t** when)
{
    IDispatch* item = nullptr;
    if (FAILED(app->GetItemFromOid(oid, &item)))
        return 1;
    auto* series = static_cast<IAppointment*>(item);
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(_wtoi(when[0]));
    time.wMonth = static_cast<WORD>(_wtoi(when[1]));
    time.wDay = static_cast<WORD>(_wtoi(when[2]));
    time.wHour = static_cast<WORD>(_wtoi(when[3]));
    time.wMinute = static_cast<WORD>(_wtoi(when[4]));
    DATE start = 0;
    app->SystemTimeToVariantTime(&time, &start);
    IRecurrencePattern* pattern = nullptr;
    IAppointment* occurrence = nullptr;
    HRESULT hr = E_FAIL;
    if (SUCCEEDED(series->GetRecurrencePattern(&pattern)) && SUCCEEDED(pattern->GetOccurrence(start, &occurrence))) {
        occurrence->put_Start(start + 1.0 / 24);
        hr = occurrence->Save();
        occurrence->Release();
    }
    if (pattern)
        pattern->Release();
    series->Release();
    return SUCCEEDED(hr) ? 0 : 1;
}

int Run(int argc, wchar_t** argv)
{
    IPOutlookApp* app = nullptr;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&app))))
        return 3;
    app->Logon(0);
    int result = 2;
    std::wstring verb = argc > 1 ? argv[1] : L"";
    if (verb == L"add" && argc == 4)
        result = Add(app, argv[2], argv[3]);
    else if (verb == L"read" && argc == 3)
        result = Read(app, static_cast<long>(wcstoul(argv[2], nullptr, 10)));
    else if (verb == L"delete" && argc == 3)
        result = Delete(app, static_cast<long>(wcstoul(argv[2], nullptr, 10)));
    else if (verb == L"count" && argc == 3)
        result = Count(app, argv[2]);
    else if (verb == L"move" && argc == 8)
        result = Move(app, static_cast<long>(wcstoul(argv[2], nullptr, 10)), argv + 3);
    app->Logoff();
    app->Release();
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (FAILED(CoInitializeEx(nullptr, 0)))
        return 3;
    int result = Run(argc, argv);
    CoUninitialize();
    return result;
}
