// The item form stand-in shows the item it was asked for: its main fields,
// read-only, over the work area, until OK; a new item's form is empty.
#include "platform/outlook/client_values.h"
#include "tests/hosts/today_items.h"

#include <gtest/gtest.h>

namespace {

using poomclient::Date;
using poomclient::Text;

constexpr int kFirstFieldId = 100;

// An edit control's text asked of its own process (the system keeps no copy
// that another process could read).
std::wstring EditText(HWND edit)
{
    wchar_t text[256] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(edit, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

class PimFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                               reinterpret_cast<void**>(&app_))));
        ASSERT_TRUE(SUCCEEDED(app_->Logon(0)));
    }
    void TearDown() override
    {
        if (app_) {
            app_->Logoff();
            app_->Release();
        }
        CoUninitialize();
    }

    template <class Item>
    Item* Create(OlItemType type, const IID& iid)
    {
        IDispatch* dispatch = nullptr;
        Item* item = nullptr;
        EXPECT_TRUE(SUCCEEDED(app_->CreateItem(type, &dispatch)));
        if (dispatch) {
            dispatch->QueryInterface(iid, reinterpret_cast<void**>(&item));
            dispatch->Release();
        }
        return item;
    }

    // Runs the form for the item, reads its fields back, closes it by OK.
    std::vector<std::wstring> ShowForm(const std::wstring& arguments, const std::wstring& screenshot)
    {
        DeleteFileW(L"\\Windows\\PimForm.log");
        HANDLE process = shelltest::StartBuiltProgram(L"PimForm.exe", arguments);
        HWND form = nullptr;
        // Up once its OK button is there (the last control it makes).
        EXPECT_TRUE(testkit::PumpUntil(
            [&] { return (form = FindWindowW(L"PimForm", nullptr)) != nullptr && GetDlgItem(form, IDOK); }, 20000));
        std::vector<std::wstring> texts;
        if (form) {
            shelltest::ExpectRect(testkit::ScreenRect(form), 0, 26, 240, 320);
            for (int id = kFirstFieldId; HWND field = GetDlgItem(form, id); ++id) {
                EXPECT_TRUE(GetWindowLongW(field, GWL_STYLE) & ES_READONLY);
                texts.push_back(EditText(field));
            }
            testkit::PumpFor(500);
            testkit::SaveScreenshot(testkit::CaptureScreen(), screenshot);
            PostMessageW(GetDlgItem(form, IDOK), BM_CLICK, 0, 0);
        }
        EXPECT_EQ(shelltest::WaitPumping(process, 20000), 0);
        // The request is still recorded.
        std::vector<uint8_t> record = testkit::ReadFileBytes(L"\\Windows\\PimForm.log");
        EXPECT_NE(std::string(record.begin(), record.end()).find("/kind"), std::string::npos);
        return texts;
    }

    IPOutlookApp* app_ = nullptr;
};

TEST_F(PimFormTest, ShowsAContact)
{
    IContact* contact = Create<IContact>(olContactItem, IID_IContact);
    ASSERT_NE(contact, nullptr);
    contact->put_LastName(Text(L"홍"));
    contact->put_FirstName(Text(L"길동"));
    contact->put_CompanyName(Text(L"퀼론상사"));
    contact->put_MobileTelephoneNumber(Text(L"010-1234-5678"));
    contact->put_Email1Address(Text(L"gildong@example.com"));
    contact->put_Birthday(Date(1980, 5, 17));
    ASSERT_TRUE(SUCCEEDED(contact->Save()));
    long oid = 0;
    contact->get_Oid(&oid);
    contact->Release();

    std::vector<std::wstring> texts =
        ShowForm(L"/kind contact /oid " + std::to_wstring(static_cast<unsigned long>(oid)), L"pim_form_contact");
    const std::vector<std::wstring> expected = {L"홍길동",        L"퀼론상사", L"010-1234-5678", L"", L"",
                                                L"gildong@example.com", L"1980-05-17"};
    EXPECT_EQ(texts, expected);
}

TEST_F(PimFormTest, ShowsAnAppointmentAndAnOccurrence)
{
    IAppointment* appointment = Create<IAppointment>(olAppointmentItem, IID_IAppointment);
    ASSERT_NE(appointment, nullptr);
    appointment->put_Subject(Text(L"분기 회의"));
    appointment->put_Location(Text(L"3층 회의실"));
    appointment->put_Start(Date(2031, 3, 4, 14, 0));
    appointment->put_End(Date(2031, 3, 4, 15, 30));
    ASSERT_TRUE(SUCCEEDED(appointment->Save()));
    long oid = 0;
    appointment->get_Oid(&oid);
    appointment->Release();

    std::wstring id = std::to_wstring(oid);
    EXPECT_EQ(ShowForm(L"/kind appointment /oid " + id, L"pim_form_appointment"),
              (std::vector<std::wstring>{L"분기 회의", L"3층 회의실", L"2031-03-04 14:00", L"2031-03-04 15:30",
                                         L"아니요", L"아니요"}));
    // An occurrence shows its own start, and ends the item's length later.
    std::vector<std::wstring> occurrence =
        ShowForm(L"/kind appointment /oid " + id + L" /start \"2031-03-11 14:00\"", L"pim_form_occurrence");
    ASSERT_EQ(occurrence.size(), 6u);
    EXPECT_EQ(occurrence[2], L"2031-03-11 14:00");
    EXPECT_EQ(occurrence[3], L"2031-03-11 15:30");
}

TEST_F(PimFormTest, NewItemShowsAnEmptyForm)
{
    std::vector<std::wstring> texts = ShowForm(L"/kind task /oid 0", L"pim_form_new_task");
    EXPECT_EQ(texts.size(), 5u);
    for (const std::wstring& text : texts)
        EXPECT_EQ(text, L"");
}

}  // namespace
