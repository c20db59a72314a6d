// Item collections: counts and 1-based items, Add, Sort, Restrict, Find,
// and a collection that follows the saves and deletes made meanwhile.
#include "tests/outlook/poom_fixture.h"

using namespace poomtest;

namespace {

class CollectionTest : public PoomTest {
protected:
    void SaveContact(const wchar_t* fileAs, const wchar_t* company = L"")
    {
        Ref<IContact> contact = NewContact();
        contact->put_LastName(Text(fileAs));
        contact->put_FileAs(Text(fileAs));
        contact->put_CompanyName(Text(company));
        ASSERT_EQ(contact->Save(), S_OK);
    }

    void SaveTask(const wchar_t* subject, long importance, bool complete, DATE due)
    {
        Ref<ITask> task = NewTask();
        task->put_Subject(Text(subject));
        task->put_Importance(importance);
        task->put_Complete(complete ? VARIANT_TRUE : VARIANT_FALSE);
        task->put_DueDate(due);
        ASSERT_EQ(task->Save(), S_OK);
    }

    static int CountOf(IPOutlookItemCollection* items)
    {
        int count = -1;
        EXPECT_EQ(items->get_Count(&count), S_OK);
        return count;
    }

    // The FileAs of every contact, in the collection's order.
    static std::wstring FileAsOrder(IPOutlookItemCollection* items)
    {
        std::wstring order;
        for (int i = 1; i <= CountOf(items); ++i) {
            Ref<IContact> contact;
            EXPECT_EQ(items->Item(i, contact.AsDispatch()), S_OK);
            BSTR fileAs = nullptr;
            contact->get_FileAs(&fileAs);
            order += (order.empty() ? L"" : L",") + Take(fileAs);
        }
        return order;
    }

    static std::wstring SubjectOrder(IPOutlookItemCollection* items)
    {
        std::wstring order;
        for (int i = 1; i <= CountOf(items); ++i) {
            Ref<ITask> task;
            EXPECT_EQ(items->Item(i, task.AsDispatch()), S_OK);
            BSTR subject = nullptr;
            task->get_Subject(&subject);
            order += (order.empty() ? L"" : L",") + Take(subject);
        }
        return order;
    }
};

TEST_F(CollectionTest, CountAndOneBasedItems)
{
    SaveContact(L"나");
    SaveContact(L"가");
    SaveContact(L"다");
    Ref<IPOutlookItemCollection> items = Items(olFolderContacts);
    EXPECT_EQ(CountOf(items.Get()), 3);
    EXPECT_EQ(FileAsOrder(items.Get()), L"가,나,다");  // the folder's own order
    for (int index : {0, 4, -1}) {
        Ref<IContact> contact;
        EXPECT_EQ(items->Item(index, contact.AsDispatch()), E_INVALIDARG) << index;
        EXPECT_FALSE(contact);
    }
}

TEST_F(CollectionTest, AddedItemsCountOnceSaved)
{
    Ref<IPOutlookItemCollection> items = Items(olFolderContacts);
    EXPECT_EQ(CountOf(items.Get()), 0);
    Ref<IContact> added;
    ASSERT_EQ(items->Add(added.AsDispatch()), S_OK);
    added->put_LastName(Text(L"새"));
    EXPECT_EQ(CountOf(items.Get()), 0);
    ASSERT_EQ(added->Save(), S_OK);
    EXPECT_EQ(CountOf(items.Get()), 1);
    Ref<IPOutlookItemCollection> tasks = Items(olFolderTasks);
    Ref<ITask> task;
    ASSERT_EQ(tasks->Add(task.AsDispatch()), S_OK);
    VARIANT_BOOL recurring = VARIANT_TRUE;
    EXPECT_EQ(task->get_IsRecurring(&recurring), S_OK);  // it is a task
    EXPECT_EQ(CountOf(tasks.Get()), 0);
}

TEST_F(CollectionTest, SortInPlace)
{
    SaveContact(L"b", L"다");
    SaveContact(L"A", L"가");
    SaveContact(L"c", L"나");
    Ref<IPOutlookItemCollection> items = Items(olFolderContacts);
    ASSERT_EQ(items->Sort(Text(L"[FileAs]"), VARIANT_TRUE), S_OK);
    EXPECT_EQ(FileAsOrder(items.Get()), L"c,b,A");
    ASSERT_EQ(items->Sort(Text(L"[CompanyName]"), VARIANT_FALSE), S_OK);
    EXPECT_EQ(FileAsOrder(items.Get()), L"A,c,b");
    ASSERT_EQ(items->Sort(Text(L"[FullName]"), VARIANT_FALSE), S_OK);
    EXPECT_EQ(FileAsOrder(items.Get()), L"A,b,c");
    EXPECT_EQ(items->Sort(Text(L"[Nothing]"), VARIANT_FALSE), E_INVALIDARG);
    EXPECT_EQ(FileAsOrder(items.Get()), L"A,b,c");
}

TEST_F(CollectionTest, SortThenRestrictKeepsTheOrder)
{
    SaveTask(L"다", olImportanceNormal, false, Date(2024, 1, 3));
    SaveTask(L"가", olImportanceHigh, true, Date(2024, 1, 1));
    SaveTask(L"나", olImportanceNormal, false, Date(2024, 1, 2));
    SaveTask(L"라", olImportanceLow, false, 949998.0);
    SaveTask(L"마", olImportanceHigh, false, Date(2024, 1, 5));
    Ref<IPOutlookItemCollection> items = Items(olFolderTasks);
    ASSERT_EQ(items->Sort(Text(L"[Importance]"), VARIANT_TRUE), S_OK);
    EXPECT_EQ(SubjectOrder(items.Get()), L"가,마,다,나,라");
    Ref<IPOutlookItemCollection> open = Restricted(items.Get(), L"[Complete] = 0");
    EXPECT_EQ(SubjectOrder(open.Get()), L"마,다,나,라");
    ASSERT_EQ(items->Sort(Text(L"[DueDate]"), VARIANT_FALSE), S_OK);
    Ref<IPOutlookItemCollection> dueOpen = Restricted(items.Get(), L"[Complete] = 0 OR [Complete] = 1");
    EXPECT_EQ(SubjectOrder(dueOpen.Get()), L"가,나,다,마,라");  // no due date sorts last
    // Restricting again keeps the first restriction.
    Ref<IPOutlookItemCollection> both = Restricted(open.Get(), L"[Importance] = 1");
    EXPECT_EQ(SubjectOrder(both.Get()), L"다,나");
}

TEST_F(CollectionTest, MalformedRestrictionsFailCleanly)
{
    SaveTask(L"하나", olImportanceNormal, false, Date(2024, 1, 3));
    Ref<IPOutlookItemCollection> items = Items(olFolderTasks);
    for (const wchar_t* query : {L"[Nothing] = 1", L"[Complete] = ", L"(([Complete] = 1)", L"[DueDate] < \"x\""}) {
        Ref<IPOutlookItemCollection> restricted;
        EXPECT_EQ(items->Restrict(Text(query), restricted.Out()), E_INVALIDARG);
        EXPECT_FALSE(restricted);
    }
    EXPECT_NE(testkit::DeviceLogText().find(L"malformed restriction: [Nothing] = 1"), std::wstring::npos);
    EXPECT_EQ(CountOf(items.Get()), 1);
}

TEST_F(CollectionTest, DatesAreReadInTheFormatOfTheMoment)
{
    SaveTask(L"early", olImportanceNormal, false, Date(2024, 1, 10));
    SaveTask(L"late", olImportanceNormal, false, Date(2024, 1, 20));
    Ref<IPOutlookItemCollection> items = Items(olFolderTasks);
    Ref<IPOutlookItemCollection> iso = Restricted(items.Get(), L"[DueDate] < \"2024-01-15\"", L"yyyy-MM-dd");
    EXPECT_EQ(SubjectOrder(iso.Get()), L"early");
    Ref<IPOutlookItemCollection> us = Restricted(items.Get(), L"[DueDate] < \"01/15/24\"");
    EXPECT_EQ(SubjectOrder(us.Get()), L"early");
    wchar_t saved[32] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved, 32);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"yyyy-MM-dd");
    Ref<IPOutlookItemCollection> mismatch;
    EXPECT_EQ(items->Restrict(Text(L"[DueDate] < \"01/15/24\""), mismatch.Out()), E_INVALIDARG);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved);
}

TEST_F(CollectionTest, DeletingByTakingTheFirstItem)
{
    for (int i = 0; i < 5; ++i) {
        Ref<IAppointment> appointment = NewAppointment();
        appointment->put_Start(Date(2024, 4, 1 + i, 9, 0));
        appointment->put_End(Date(2024, 4, 1 + i, 10, 0));
        ASSERT_EQ(appointment->Save(), S_OK);
    }
    Ref<IPOutlookItemCollection> items = Items(olFolderCalendar);
    int count = CountOf(items.Get());
    ASSERT_EQ(count, 5);
    for (int i = 0; i < count; ++i) {
        Ref<IAppointment> first;
        ASSERT_EQ(items->Item(1, first.AsDispatch()), S_OK) << i;
        ASSERT_EQ(first->Delete(), S_OK);
    }
    EXPECT_EQ(CountOf(items.Get()), 0);
    EXPECT_EQ(RecordCount(L"Appointments Database"), 0u);
}

TEST_F(CollectionTest, FindAndRemove)
{
    SaveTask(L"첫째", olImportanceNormal, false, Date(2024, 1, 1));
    SaveTask(L"둘째", olImportanceNormal, true, Date(2024, 1, 2));
    SaveTask(L"셋째", olImportanceNormal, false, Date(2024, 1, 3));
    Ref<IPOutlookItemCollection> items = Items(olFolderTasks);
    ASSERT_EQ(items->Sort(Text(L"[DueDate]"), VARIANT_FALSE), S_OK);
    Ref<ITask> found;
    ASSERT_EQ(items->Find(Text(L"[Complete] = 0"), found.AsDispatch()), S_OK);
    BSTR subject = nullptr;
    found->get_Subject(&subject);
    EXPECT_EQ(Take(subject), L"첫째");
    ASSERT_EQ(items->FindNext(found.AsDispatch()), S_OK);
    found->get_Subject(&subject);
    EXPECT_EQ(Take(subject), L"셋째");
    EXPECT_EQ(items->FindNext(found.AsDispatch()), S_FALSE);
    EXPECT_FALSE(found);
    ASSERT_EQ(items->Remove(2), S_OK);  // 둘째
    EXPECT_EQ(SubjectOrder(items.Get()), L"첫째,셋째");
    EXPECT_EQ(items->Remove(3), E_INVALIDARG);
}

TEST_F(CollectionTest, OnlyTheCalendarIncludesRecurrences)
{
    Ref<IPOutlookItemCollection> contacts = Items(olFolderContacts);
    contacts->put_IncludeRecurrences(VARIANT_TRUE);
    VARIANT_BOOL include = VARIANT_TRUE;
    contacts->get_IncludeRecurrences(&include);
    EXPECT_EQ(include, VARIANT_FALSE);
    Ref<IPOutlookItemCollection> calendar = Items(olFolderCalendar);
    calendar->put_IncludeRecurrences(VARIANT_TRUE);
    calendar->get_IncludeRecurrences(&include);
    EXPECT_EQ(include, VARIANT_TRUE);
    Ref<IFolder> folder;
    EXPECT_EQ(app_->GetDefaultFolder(olFolderInfrared, folder.Out()), E_INVALIDARG);
    Ref<IDispatch> item;
    EXPECT_EQ(app_->CreateItem(olCitiesItem, item.Out()), E_INVALIDARG);
}

TEST_F(CollectionTest, VariantTimesOfTheApplication)
{
    SYSTEMTIME time = {};
    time.wYear = 2024;
    time.wMonth = 2;
    time.wDay = 29;
    time.wHour = 13;
    time.wMinute = 5;
    DATE date = 0;
    ASSERT_EQ(app_->SystemTimeToVariantTime(&time, &date), S_OK);
    EXPECT_EQ(DateText(date), L"2024-02-29 13:05");
    SYSTEMTIME back = {};
    ASSERT_EQ(app_->VariantTimeToSystemTime(date + 1.0, &back), S_OK);
    EXPECT_EQ(back.wMonth, 3);
    EXPECT_EQ(back.wDay, 1);
    EXPECT_EQ(back.wHour, 13);
    time.wDay = 30;
    EXPECT_EQ(app_->SystemTimeToVariantTime(&time, &date), E_INVALIDARG);
}

}  // namespace
