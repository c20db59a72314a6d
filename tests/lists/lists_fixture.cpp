#include "tests/lists/lists_fixture.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "tests/startup/volume_probe.h"

#include <cwchar>

namespace liststest {

void ListsTest::SetUp()
{
    PoomTest::SetUp();
    ASSERT_TRUE(probe::MountVolume(L"\\pim.vol", false));
    CreateNoteDatabase();
    CreateAnniversaryDatabase();
    CreateAnniversaryTextDatabase();
    CreateHolidayDatabase();
    CreatePlanLinkDatabase();
    CreateTaskLinkDatabase();
    CreateNoteFileLinkDatabase();
    OutlookApp = app_.Get();
}

void ListsTest::TearDown()
{
    OutlookApp = nullptr;
    FreeRichInkBody();
    probe::UnmountVolume();
    PoomTest::TearDown();
}

void ListsTest::AddMemo(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title,
                        CEOID contact)
{
    wchar_t categoryText[64] = L"";
    wcsncpy(categoryText, category, 63);
    SetRichInkBody(nullptr, 0);
    InsertNoteRecord(id, date, categoryText, title, contact);
}

void ListsTest::AddHoliday(int32_t id, const wchar_t* date, const wchar_t* name, const wchar_t* lunar)
{
    InsertHolidayRecord(id, date, name, lunar);
}

CEOID ListsTest::MakeContact(const wchar_t* last, const wchar_t* first)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(poomtest::Text(last));
    contact->put_FirstName(poomtest::Text(first));
    EXPECT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    return static_cast<CEOID>(oid);
}

CEOID ListsTest::MakeTask(const wchar_t* subject, const wchar_t* start, const wchar_t* due, long importance,
                          bool complete)
{
    Ref<ITask> task = NewTask();
    task->put_Subject(poomtest::Text(subject));
    if (*start)
        task->put_StartDate(DateOf(start));
    if (*due)
        task->put_DueDate(DateOf(due));
    task->put_Importance(importance);
    EXPECT_EQ(task->Save(), S_OK);
    if (complete) {
        task->put_Complete(VARIANT_TRUE);
        EXPECT_EQ(task->Save(), S_OK);
    }
    long oid = 0;
    task->get_Oid(&oid);
    return static_cast<CEOID>(oid);
}

DATE DateOf(const wchar_t* text)
{
    int y = 0, m = 0, d = 0, hh = 0, mm = 0;
    swscanf(text, L"%d-%d-%d %d:%d", &y, &m, &d, &hh, &mm);
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(y);
    time.wMonth = static_cast<WORD>(m);
    time.wDay = static_cast<WORD>(d);
    time.wHour = static_cast<WORD>(hh);
    time.wMinute = static_cast<WORD>(mm);
    DATE date = 0;
    SystemTimeToVariantTime(&time, &date);
    return date;
}

SYSTEMTIME Utc(int year, int month, int day, int hour, int minute)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    return time;
}

bool WriteFileAt(const std::wstring& path, const SYSTEMTIME& utc, const std::string& content)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    FILETIME when = {};
    const bool timed = SystemTimeToFileTime(&utc, &when) && SetFileTime(file, nullptr, nullptr, &when);
    CloseHandle(file);
    return timed;
}

}  // namespace liststest
