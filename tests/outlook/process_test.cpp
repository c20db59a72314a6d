// Another process's view: counts and change notices follow every save and
// delete, and ids stay what they were across processes.
#include "tests/outlook/poom_fixture.h"

#include <vector>

using namespace poomtest;

namespace {

constexpr DWORD kPeerTimeoutMs = 30000;

std::wstring PeerPath()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\')) + L"\\outlook_peer.exe";
}

// Runs the peer with the arguments; its answer, or "(failed N)".
std::wstring Peer(const std::wstring& arguments)
{
    DeleteFileW(L"\\Temp\\peer.txt");
    int code = testkit::RunProcess(L"\"" + PeerPath() + L"\" " + arguments, kPeerTimeoutMs);
    if (code != 0)
        return L"(failed " + std::to_wstring(code) + L")";
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(L"\\Temp\\peer.txt");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

struct Notice {
    DWORD param;
    UINT type;
    CEOID oid;
};
std::vector<Notice> notices;

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DBNOTIFICATION && lParam) {
        auto* notice = reinterpret_cast<const CENOTIFICATION*>(lParam);
        notices.push_back({notice->dwParam, notice->uType, notice->oid});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool Noticed(DWORD param, UINT type, CEOID oid)
{
    for (const Notice& notice : notices) {
        if (notice.param == param && notice.type == type && notice.oid == oid)
            return true;
    }
    return false;
}

class ProcessTest : public PoomTest {};

TEST_F(ProcessTest, CountsFollowEverySaveAndDeleteOfAnotherProcess)
{
    Ref<IPOutlookItemCollection> contacts = Items(olFolderContacts);
    int count = -1;
    contacts->get_Count(&count);
    ASSERT_EQ(count, 0);
    std::wstring id = Peer(L"add contact 김민수");
    ASSERT_EQ(id.find(L"(failed"), std::wstring::npos) << id;
    EXPECT_EQ(RecordCount(L"Contacts Database"), 1u);  // at once, as the peer returned
    contacts->get_Count(&count);
    EXPECT_EQ(count, 1);
    Ref<IContact> contact;
    ASSERT_EQ(contacts->Item(1, contact.AsDispatch()), S_OK);
    BSTR name = nullptr;
    contact->get_LastName(&name);
    EXPECT_EQ(Take(name), L"김민수");
    // This process's delete, seen by the next one.
    ASSERT_EQ(contact->Delete(), S_OK);
    EXPECT_EQ(Peer(L"count contact"), L"0");
    Ref<IAppointment> appointment = NewAppointment();
    ASSERT_EQ(appointment->Save(), S_OK);
    EXPECT_EQ(Peer(L"count appointment"), L"1");
}

TEST_F(ProcessTest, ChangeNoticesReachOtherProcesses)
{
    notices.clear();
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = NoticeWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OutlookNoticeTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"OutlookNoticeTest", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_ALWAYS));
    CENOTIFYREQUEST request = {};
    request.dwSize = sizeof(request);
    request.hwnd = window;
    request.dwFlags = CEDB_EXNOTIFICATION;
    request.dwParam = 12;
    CEOID db = 0;
    wchar_t name[] = L"Appointments Database";
    HANDLE handle = CeOpenDatabaseEx2(&volume, &db, name, nullptr, 0, &request);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);

    std::wstring added = Peer(L"add appointment 회의");
    ASSERT_EQ(added.find(L"(failed"), std::wstring::npos) << added;
    CEOID oid = wcstoul(added.c_str(), nullptr, 10);
    EXPECT_TRUE(testkit::PumpUntil([&] { return Noticed(12, DB_CEOID_CREATED, oid); }, 5000));
    // An occurrence changed by another process changes the series' record.
    Ref<IAppointment> series;
    ASSERT_EQ(app_->GetItemFromOid(static_cast<long>(oid), series.AsDispatch()), S_OK);
    series->put_Start(Date(2024, 7, 1, 9, 0));
    series->put_End(Date(2024, 7, 1, 9, 30));
    Ref<IRecurrencePattern> pattern;
    series->GetRecurrencePattern(pattern.Out());
    pattern->put_RecurrenceType(olRecursDaily);
    ASSERT_EQ(series->Save(), S_OK);
    notices.clear();
    EXPECT_EQ(Peer(L"move " + added + L" 2024 7 3 9 0"), L"");
    EXPECT_TRUE(testkit::PumpUntil([&] { return Noticed(12, DB_CEOID_CHANGED, oid); }, 5000));
    EXPECT_EQ(RecordCount(L"Appointments Database"), 1u);
    EXPECT_EQ(Peer(L"delete " + added), L"");
    EXPECT_TRUE(testkit::PumpUntil([&] { return Noticed(12, DB_CEOID_RECORD_DELETED, oid); }, 5000));
    EXPECT_EQ(RecordCount(L"Appointments Database"), 0u);
    CloseHandle(handle);
    CeUnmountDBVol(&volume);
    DestroyWindow(window);
}

TEST_F(ProcessTest, IdsStayAcrossProcesses)
{
    std::wstring task = Peer(L"add task 세금");
    ASSERT_EQ(task.find(L"(failed"), std::wstring::npos) << task;
    long taskOid = static_cast<long>(wcstoul(task.c_str(), nullptr, 10));
    EXPECT_GT(taskOid, 0);
    Ref<ITask> item;
    ASSERT_EQ(app_->GetItemFromOid(taskOid, item.AsDispatch()), S_OK);
    BSTR subject = nullptr;
    item->get_Subject(&subject);
    EXPECT_EQ(Take(subject), L"세금");
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"오"));
    ASSERT_EQ(contact->Save(), S_OK);
    long contactOid = 0;
    contact->get_Oid(&contactOid);
    EXPECT_EQ(Peer(L"read " + std::to_wstring(static_cast<unsigned long>(contactOid))), L"오");
    EXPECT_EQ(Peer(L"read " + task), L"세금");
    // This process starting afresh finds them by the same ids.
    app_.Reset();
    CeResetForTests();
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(app_.Out())),
              S_OK);
    Ref<IContact> again;
    ASSERT_EQ(app_->GetItemFromOid(contactOid, again.AsDispatch()), S_OK);
    EXPECT_EQ(Peer(L"delete " + task), L"");
    Ref<ITask> gone;
    EXPECT_NE(app_->GetItemFromOid(taskOid, gone.AsDispatch()), S_OK);
}

}  // namespace
