// The diary forms as the dispatcher runs them, on the editors tests' store
// and stand-in toolbar window, with the list reloads they ask for counted.
#pragma once

#include "tests/editors/editors_fixture.h"

#include <functional>
#include <string>

namespace diaryformstest {

using dialogdriver::Driver;
using editorstest::ExpectRan;

struct ListReloads {
    int anniversaryList = 0, anniversaryKinds = 0, memoList = 0, memoPicks = 0, contactMemos = 0;
};
extern ListReloads Reloaded;

class DiaryFormsTest : public editorstest::EditorsTest {
protected:
    void SetUp() override;

    // The record of that database whose I4 property 0 is the id.
    std::vector<poomtest::StoredRecord> RecordsWithId(const wchar_t* database, long id);
    static std::wstring TextOf(const poomtest::StoredRecord& record, CEPROPID id);
    static long long NumberOf(const poomtest::StoredRecord& record, CEPROPID id);
};

// The contact changed by `change` and saved, as another program would.
void ChangeContact(CEOID oid, const std::function<void(IContact*)>& change);

// The control of the dialog that has the focus (its combo box for an edit
// inside one), 0 when none.
int FocusedControl(HWND dialog);

}  // namespace diaryformstest
