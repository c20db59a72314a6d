#include "tests/lists/list_data.h"

#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "platform/outlook/client_values.h"
#include "tests/support/device_clock.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <iterator>

namespace liststest {

namespace {

template <class T>
T* NewItem(int kind, REFIID iid)
{
    IDispatch* item = nullptr;
    T* typed = nullptr;
    if (OutlookApp && SUCCEEDED(OutlookApp->CreateItem(kind, &item)) && item)
        item->QueryInterface(iid, reinterpret_cast<void**>(&typed));
    if (item)
        item->Release();
    return typed;
}

template <class T>
CEOID SaveAndRelease(T* item)
{
    long oid = 0;
    EXPECT_EQ(item->Save(), S_OK);
    item->get_Oid(&oid);
    item->Release();
    return static_cast<CEOID>(oid);
}


}  // namespace

void AddMemo(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title, CEOID contact)
{
    wchar_t categoryText[64] = L"";
    wcsncpy(categoryText, category, std::size(categoryText) - 1);
    SetRichInkBody(nullptr, 0);
    InsertNoteRecord(id, date, categoryText, title, contact);
    FreeRichInkBody();
}

CEOID MakeContact(const wchar_t* last, const wchar_t* first)
{
    IContact* contact = NewItem<IContact>(olContactItem, IID_IContact);
    if (!contact)
        return 0;
    contact->put_LastName(poomclient::Text(last));
    contact->put_FirstName(poomclient::Text(first));
    return SaveAndRelease(contact);
}

CEOID MakeTask(const wchar_t* subject, const wchar_t* start, const wchar_t* due, long importance, bool complete)
{
    ITask* task = NewItem<ITask>(olTaskItem, IID_ITask);
    if (!task)
        return 0;
    task->put_Subject(poomclient::Text(subject));
    if (*start)
        task->put_StartDate(DateOf(start));
    if (*due)
        task->put_DueDate(DateOf(due));
    task->put_Importance(importance);
    if (complete)
        task->put_Complete(VARIANT_TRUE);
    return SaveAndRelease(task);
}

DATE DateOf(const wchar_t* text)
{
    int y = 0, m = 0, d = 0, hh = 0, mm = 0;
    swscanf(text, L"%d-%d-%d %d:%d", &y, &m, &d, &hh, &mm);
    return poomclient::Date(y, m, d, hh, mm);
}

SYSTEMTIME Utc(int year, int month, int day, int hour, int minute)
{
    return testkit::LocalMoment(year, month, day, hour, minute);
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
