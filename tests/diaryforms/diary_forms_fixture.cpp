#include "tests/diaryforms/diary_forms_fixture.h"

#include "core/id_counters.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/settings.h"
#include "editors/diary_forms_setup.h"
#include "lists/item_list_state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

namespace diaryformstest {

ListReloads Reloaded;

void DiaryFormsTest::SetUp()
{
    editorstest::EditorsTest::SetUp();
    CreateNoteDatabase();
    CreateAnniversaryDatabase();
    CreateAnniversaryTextDatabase();
    if (CreateIdCounterDatabase() != -1)
        InsertIdCounterRecord(kFirstCounterValue, kFirstCounterValue, kFirstCounterValue);
    Reloaded = ListReloads();
    Hooks.LoadAnniversaryList = [] { ++Reloaded.anniversaryList; };
    Hooks.FillAnniversaryKindPickList = [] { ++Reloaded.anniversaryKinds; };
    Hooks.LoadMemoList = [] { ++Reloaded.memoList; };
    Hooks.FillMemoCategoryPickList = [] { ++Reloaded.memoPicks; };
    Hooks.LoadContactMemoList = [] { ++Reloaded.contactMemos; };
    RegisterDiaryForms();
    Settings.ContactNameParts = 1;
    Settings.ContactLoader = 1;  // through the object model, which this store serves
    Settings.MemoSource = 1;
    Settings.MemoInputMode = 1;
    Settings.MemoTypeZoom = 200;
    Settings.MemoInkZoom = 100;
    SelectedContactOid = 0;
    SelectedAnniversaryId = 0;
    SelectedMemoId = 0;
    AnniversaryToReselect = 0;
    MemoToReselect = 0;
    CurrentNotePath[0] = L'\0';
    AnniversaryKindChoice[0] = L'\0';
    AnniversaryKindRow = 3;
    AssigneeOid = 0;
    AssigneeName[0] = L'\0';
}

std::vector<poomtest::StoredRecord> DiaryFormsTest::RecordsWithId(const wchar_t* database, long id)
{
    std::vector<poomtest::StoredRecord> found;
    for (const auto& record : Records(database)) {
        const poomtest::StoredValue* value = record.Find(ownprop::I4(0));
        if (value && value->number == id)
            found.push_back(record);
    }
    return found;
}

std::wstring DiaryFormsTest::TextOf(const poomtest::StoredRecord& record, CEPROPID id)
{
    const poomtest::StoredValue* value = record.Find(id);
    return value ? value->text : L"<none>";
}

long long DiaryFormsTest::NumberOf(const poomtest::StoredRecord& record, CEPROPID id)
{
    const poomtest::StoredValue* value = record.Find(id);
    return value ? value->number : -1;
}

void ChangeContact(CEOID oid, const std::function<void(IContact*)>& change)
{
    IDispatch* item = nullptr;
    ASSERT_EQ(OutlookApp->GetItemFromOid(oid, &item), S_OK);
    IContact* contact = nullptr;
    ASSERT_EQ(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact)), S_OK);
    item->Release();
    change(contact);
    EXPECT_EQ(contact->Save(), S_OK);
    contact->Release();
}

int FocusedControl(HWND dialog)
{
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != dialog)
        focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

}  // namespace diaryformstest
