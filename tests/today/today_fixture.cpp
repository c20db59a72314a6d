#include "tests/today/today_fixture.h"

#include "tests/today/new_items.h"

#include "core/own_databases.h"
#include "core/link_tables.h"
#include "core/registry.h"
#include "core/settings_file.h"
#include "core/today_request_format.h"
#include "today/day_text.h"
#include "today/icon_lists.h"
#include "today/layout.h"
#include "today/outlook_session.h"
#include "today/schedule_queries.h"
#include "today/today_settings.h"

#include <cwchar>

namespace todaytest {

namespace {

const wchar_t* const kVolumeFiles[] = {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm",
                                       L"\\objstore.vol", L"\\objstore.vol-wal", L"\\objstore.vol-shm"};
constexpr wchar_t kStandinLine[] = L"Standin Quillon.exe: command line";

void WriteVersion(int major)
{
    WritePrivateProfileStringW(L"Device", L"CeMajorVersion", std::to_wstring(major).c_str(),
                               testkit::DeviceProfilePath().c_str());
}

void RemoveVolumes()
{
    for (const wchar_t* file : kVolumeFiles)
        DeleteFileW(file);
}

void CreateItemDatabases()
{
    CreateHolidayDatabase();
    CreateAnniversaryDatabase();
    CreateNoteDatabase();
    CreateShortcutDatabase();
    CreatePlanLinkDatabase();
    CreateTaskLinkDatabase();
}

}  // namespace

void ResetItemState()
{
    FreeRowStrings();
    TodayTextColor = RGB(255, 255, 255);
    Settings = ParseSettingsRecord(nullptr, 0, TodayTextColor);
    RowsShown = Settings.TodayLines + 3;
    ViewMode = kViewSchedule;
    TopRow = 0;
    HeightPending = 1;
    OffscreenPainting = 1;
    StorageFiguresShown = 0;
    PressPoint = POINT{-1, -1};
    Dragging = 0;
    WeatherDayCount = 0;
    MemoRowCount = 0;
    MemoGroupCount = 0;
    ChosenMemoGroup = 0;
    MemoGroupingChoice = kMemosByDate;
    MemoDateFilterChoice = kMemosAll;
    MemoSortChoice = kMemosByDay;
    TaskFilterChoice = kTasksActive;
    TaskSortChoice = kSortByDue;
    LastBatteryPercent = 0;
    LastMemoryText[0] = LastStorageTotalText[0] = LastStorageFreeText[0] = L'\0';
    ShortcutPathCount = 0;
}

std::vector<uint8_t> RequestFileBytes()
{
    return testkit::ReadFileBytes(kTodayRequestFile);
}

void RemoveRequestFile()
{
    DeleteFileW(kTodayRequestFile);
}

std::wstring TodayTest::StandinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\')) + L"\\today-standin";
}

int TodayTest::MainProgramStarts()
{
    const std::wstring log = testkit::DeviceLogText();
    int count = 0;
    for (size_t at = log.find(kStandinLine); at != std::wstring::npos; at = log.find(kStandinLine, at + 1))
        ++count;
    return count;
}

int TodayTest::WaitForMainProgramStarts(int expected)
{
    // Starts queued behind a busy machine keep coming: the bound is on a
    // stretch without any new start, not on the whole wait.
    for (int seen = -1; MainProgramStarts() < expected && MainProgramStarts() != seen;) {
        seen = MainProgramStarts();
        testkit::PumpUntil([&] { return MainProgramStarts() > seen || MainProgramStarts() >= expected; }, 20000);
    }
    testkit::PumpFor(300);
    return MainProgramStarts();
}

void TodayTest::SetUp()
{
    CeResetForTests();
    WriteVersion(5);
    major_ = 5;
    RemoveVolumes();
    RemoveRequestFile();
    const std::wstring installDir = StandinFolder();
    ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, L"Quillon InstallDir", installDir.c_str()), 1);
    parent_ = testkit::CreateTestWindow(false);
    ItemWindow = CreateWindowExW(0, L"STATIC", L"Glimmor", WS_CHILD | WS_VISIBLE, 0, 0, 240, 200, parent_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ItemInstance = GetModuleHandleW(nullptr);
    ResetItemState();
    ReadTodaySettings(RGB(255, 255, 255));
    Settings.TodayShowWeather = 0;
    OpenPocketOutlook(ItemWindow);
    ASSERT_NE(OutlookApp, nullptr);
    CreateItemDatabases();
    SetToday(2024, 5, 7);
    BuildHotZones();
}

void TodayTest::TearDown()
{
    FreeRowStrings();
    FreeIconImageLists();
    ClosePocketOutlook();
    if (ItemWindow)
        DestroyWindow(ItemWindow);
    ItemWindow = nullptr;
    DestroyWindow(parent_);
    WriteVersion(5);
}

void TodayTest::PoseAsVersion(int major)
{
    ClosePocketOutlook();
    WriteVersion(major);
    major_ = major;
    CeResetForTests();
    RemoveVolumes();
    OpenPocketOutlook(ItemWindow);
    CreateItemDatabases();
}

void TodayTest::SetToday(int year, int month, int day)
{
    TodayDay = DateOfParts(year, month, day);
    SpanStart = TodayDay;
    FormatDateText(TodayDay, TodayDateText);
    ShownYear = year;
    ShownMonth = month;
}

CEOID TodayTest::AddAppointment(const AppointmentDef& def)
{
    IAppointment* appointment = NewItem<IAppointment>(olAppointmentItem, IID_IAppointment);
    if (!appointment)
        return 0;
    poomclient::Text subject(def.subject), body(def.body);
    appointment->put_Subject(subject);
    appointment->put_AllDayEvent(def.allDay ? VARIANT_TRUE : VARIANT_FALSE);
    appointment->put_Start(def.start);
    appointment->put_End(def.end);
    appointment->put_ReminderSet(def.reminder ? VARIANT_TRUE : VARIANT_FALSE);
    if (def.body[0])
        appointment->put_Body(body);
    return SaveAndRelease(appointment);
}

CEOID TodayTest::AddDailyAppointment(const wchar_t* subject, DATE start, int minutes, int count)
{
    IAppointment* appointment = NewItem<IAppointment>(olAppointmentItem, IID_IAppointment);
    if (!appointment)
        return 0;
    poomclient::Text text(subject);
    appointment->put_Subject(text);
    appointment->put_Start(start);
    appointment->put_Duration(minutes);
    appointment->put_ReminderSet(VARIANT_FALSE);
    IRecurrencePattern* pattern = nullptr;
    if (SUCCEEDED(appointment->GetRecurrencePattern(&pattern)) && pattern) {
        pattern->put_RecurrenceType(olRecursDaily);
        pattern->put_Interval(1);
        pattern->put_Occurrences(count);
        pattern->Release();
    }
    return SaveAndRelease(appointment);
}

CEOID TodayTest::AddTask(const TaskDef& def)
{
    ITask* task = NewItem<ITask>(olTaskItem, IID_ITask);
    if (!task)
        return 0;
    poomclient::Text subject(def.subject);
    task->put_Subject(subject);
    task->put_StartDate(def.start);
    task->put_DueDate(def.due);
    task->put_Importance(def.importance);
    task->put_Complete(def.complete ? VARIANT_TRUE : VARIANT_FALSE);
    return SaveAndRelease(task);
}

CEOID TodayTest::AddContact(const wchar_t* last, const wchar_t* first)
{
    IContact* contact = NewItem<IContact>(olContactItem, IID_IContact);
    if (!contact)
        return 0;
    poomclient::Text lastText(last), firstText(first);
    contact->put_LastName(lastText);
    contact->put_FirstName(firstText);
    return SaveAndRelease(contact);
}

bool TodayTest::DeleteContact(CEOID oid)
{
    IDispatch* dispatch = nullptr;
    if (!OutlookApp || FAILED(OutlookApp->GetItemFromOid(static_cast<long>(oid), &dispatch)) || !dispatch)
        return false;
    IContact* contact = nullptr;
    HRESULT result = dispatch->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact));
    dispatch->Release();
    if (FAILED(result) || !contact)
        return false;
    result = contact->Delete();
    contact->Release();
    return SUCCEEDED(result);
}

}  // namespace todaytest
