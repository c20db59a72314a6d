// Fixtures of the contacts tests: a fresh device volume with the Pocket
// Outlook session the main program keeps, contacts written through the
// object model, and the contacts cache filled in memory.
#pragma once

#include "lists/state.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace contactstest {

// The fields a test contact may have; empty ones are not written.
struct NewContact {
    std::wstring last = L"";
    std::wstring first = L"";
    std::wstring company = L"";
    std::wstring business = L"";
    std::wstring mobile = L"";
    std::wstring home = L"";
    std::wstring categories = L"";
    std::wstring department = L"";
    std::wstring jobTitle = L"";
    std::wstring city = L"";
    std::wstring street = L"";
    std::wstring state = L"";
    std::wstring postalCode = L"";
    std::wstring fax = L"";
    std::wstring email = L"";
};

// "\pim.vol" made fresh, mounted into DiaryVolume with DiarySession, and
// OutlookApp logged on, as the main window's creation leaves them.
class DeviceContactsTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CEOID AddContact(const NewContact& fields);
    // Changes one text property of a saved contact.
    void SetText(CEOID oid, HRESULT (STDMETHODCALLTYPE IContact::*setter)(BSTR), const std::wstring& text);
};

// Fills the contacts cache with these rows, in this order.
void SetCache(const std::vector<ContactCacheEntry>& rows);
ContactCacheEntry Row(CEOID oid, const std::wstring& name, const std::wstring& company = L"",
                      const std::wstring& mobile = L"", const std::wstring& shownPhone = L"",
                      const std::wstring& homePhone = L"", const std::wstring& categories = L"",
                      wchar_t phoneKind = L'B');

// An owner-data report list of four columns in a hidden window of its own.
HWND MakeOwnerDataList();
HWND MakePickList();
void DestroyTestList(HWND list);

using testkit::BuiltProgram;

}  // namespace contactstest
