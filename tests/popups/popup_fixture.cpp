#include "tests/popups/popup_fixture.h"

#include "core/today_request_format.h"
#include "tests/support/device_clock.h"
#include "tests/today/new_items.h"
#include "platform/outlook/client_values.h"
#include "today/icon_lists.h"
#include "today/layout.h"
#include "today/memo_view.h"
#include "today/pen.h"
#include "today/popup_frame.h"
#include "today/schedule_view.h"
#include "today/task_view.h"

namespace popuptest {

namespace {

BOOL CALLBACK CountPage(HWND child, LPARAM count)
{
    wchar_t name[32] = L"";
    GetClassNameW(child, name, ARRAYSIZE(name));
    if (_wcsicmp(name, L"RichInk") == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

std::wstring SubjectOfEntry(int entry)
{
    switch (ViewMode) {
    case kViewSchedule: return ScheduleRows[entry].subject ? ScheduleRows[entry].subject : L"";
    case kViewTasks: return TaskRows[entry].subject ? TaskRows[entry].subject : L"";
    default: return MemoRows[entry].title;
    }
}

}  // namespace

void PopupTest::SetUp()
{
    TodayTest::SetUp();
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 0));
    InitRichInkDLL();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    LoadIconImageLists();
}

void PopupTest::TearDown()
{
    DestroyPopups();
    testkit::RestoreDeviceTime();
    TodayTest::TearDown();
}

bool PopupTest::Shown(PopupKind kind)
{
    return Popup(kind) && IsWindowVisible(Popup(kind));
}

std::wstring PopupTest::Title(PopupKind kind)
{
    return Popup(kind) ? testkit::WindowText(Popup(kind)) : L"";
}

std::wstring PopupTest::Text(PopupKind kind, int id)
{
    return Popup(kind) ? testkit::WindowText(GetDlgItem(Popup(kind), id)) : L"";
}

bool PopupTest::ControlShown(PopupKind kind, int id)
{
    return Popup(kind) && (GetWindowLongW(GetDlgItem(Popup(kind), id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void PopupTest::Press(PopupKind kind, int buttonId)
{
    HWND button = Popup(kind) ? GetDlgItem(Popup(kind), buttonId) : nullptr;
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(IsWindowEnabled(button));
    testkit::Tap(button, 5, 5);
}

std::wstring PopupTest::PageText()
{
    return DetailRichInk ? testkit::WindowText(DetailRichInk) : L"";
}

int PopupTest::PagesInDetail()
{
    int count = 0;
    if (Popup(kPopupDetail))
        EnumChildWindows(Popup(kPopupDetail), CountPage, reinterpret_cast<LPARAM>(&count));
    return count;
}

void PopupTest::ShowSchedule(int spanIndex)
{
    Settings.TodaySpan = spanIndex;
    ViewMode = kViewSchedule;
    BuildHotZones();
    ShowScheduleMode();
}

void PopupTest::ShowTasks()
{
    ViewMode = kViewTasks;
    TaskFilterChoice = kTasksAll;
    BuildHotZones();
    ShowTaskMode();
}

void PopupTest::ShowMemos(int memoSource)
{
    Settings.MemoSource = memoSource;
    ViewMode = kViewMemos;
    MemoGroupingChoice = kMemosByDate;
    MemoDateFilterChoice = kMemosAll;
    BuildHotZones();
    ShowMemoMode();
}

int PopupTest::EntryOf(const std::wstring& subject)
{
    const int count = ViewMode == kViewSchedule ? ScheduleRowCount : ViewMode == kViewTasks ? TaskRowCount : MemoRowCount;
    for (int entry = 0; entry < count; ++entry) {
        if (SubjectOfEntry(entry) == subject)
            return entry;
    }
    ADD_FAILURE() << "no row " << testing::PrintToString(subject);
    return -1;
}

void PopupTest::TapRow(int entry, RowZonePart part)
{
    const int screenRow = entry - TopRow;
    ASSERT_TRUE(screenRow >= 0 && screenRow < RowsShown) << entry;
    const RECT zone = RowZones[screenRow][part].rect;
    ASSERT_GT(zone.right, zone.left) << "row " << entry << " part " << part;
    ASSERT_TRUE(OnItemTap((zone.left + zone.right) / 2, (zone.top + zone.bottom) / 2));
}

CEOID PopupTest::AddCardContact()
{
    const CEOID oid = AddContact(L"홍", L"길동");
    IDispatch* dispatch = nullptr;
    EXPECT_TRUE(SUCCEEDED(OutlookApp->GetItemFromOid(static_cast<long>(oid), &dispatch)) && dispatch);
    IContact* contact = nullptr;
    dispatch->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact));
    dispatch->Release();
    contact->put_CompanyName(poomclient::Text(L"가나상사"));
    contact->put_Department(poomclient::Text(L"영업부"));
    contact->put_JobTitle(poomclient::Text(L"과장"));
    contact->put_OfficeLocation(poomclient::Text(L"본관 3층"));
    contact->put_MobileTelephoneNumber(poomclient::Text(L"010-1234-5678"));
    contact->put_BusinessTelephoneNumber(poomclient::Text(L"(02) 555-0101"));
    contact->put_Email1Address(poomclient::Text(L"hong@example.kr"));
    EXPECT_EQ(contact->Save(), S_OK);
    contact->Release();
    return oid;
}

CEOID PopupTest::AddWeeklyTask(const wchar_t* subject)
{
    ITask* task = todaytest::NewItem<ITask>(olTaskItem, IID_ITask);
    if (!task)
        return 0;
    task->put_Subject(poomclient::Text(subject));
    task->put_StartDate(todaytest::Date(2024, 5, 6));
    task->put_DueDate(todaytest::Date(2024, 5, 6));
    IRecurrencePattern* pattern = nullptr;
    if (SUCCEEDED(task->GetRecurrencePattern(&pattern)) && pattern) {
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_PatternStartDate(todaytest::Date(2024, 5, 6));
        pattern->put_DayOfWeekMask(olMonday);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        pattern->Release();
    }
    return todaytest::SaveAndRelease(task);
}

Bytes Requested(const std::function<void()>& action)
{
    todaytest::RemoveRequestFile();
    action();
    return todaytest::RequestFileBytes();
}

Bytes ObjectId(uint32_t id)
{
    uint8_t bytes[4];
    EXPECT_TRUE(EncodeRequestObjectId(id, bytes));
    return Bytes(bytes, bytes + 4);
}

}  // namespace popuptest
