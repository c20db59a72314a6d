// The nate phone stand-in: the database and number it leaves on the device
// at start, and the messages it receives on request; and the one writer of
// its records.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kStatusKey[] = L"Software\\Harrowell\\MobilePhone\\TelvoSTATUS";

int RunPhoneCommand(const std::wstring& arguments)
{
    return shelltest::WaitPumping(shelltest::StartBuiltProgram(L"NatePhone.exe", arguments));
}

}  // namespace

TEST(NatePhoneStandin, StartCreatesTheDatabaseAndWritesTheNumber)
{
    smalltest::StopPhone();
    smalltest::DeleteSmsDatabase();
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kStatusKey);
    {
        shelltest::ScopedProfile profile(
            shelltest::WriteProfile(L"nate", L"[Device]\r\nOemText=HARROWELL\r\n[Phone]\r\nApp=nate\r\nNumber=010-9876-5432\r\n"));
        smalltest::StartPhone();
        smalltest::StopPhone();
    }
    EXPECT_STREQ(Telvo_EXT_GetPhoneNumber(), L"010-9876-5432");

    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, const_cast<LPWSTR>(L"SMS_RECEIVE"), nullptr, 0, nullptr);
    ASSERT_NE(database, INVALID_HANDLE_VALUE);
    CloseHandle(database);
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    ASSERT_TRUE(CeOidGetInfoEx2(&store, oid, &info));
    EXPECT_EQ(info.infDatabase.dwNumRecords, 0u);
    ASSERT_EQ(info.infDatabase.wNumSortOrder, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].wNumProps, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].rgPropID[0], MAKEPROPID(21030, CEVT_R8));
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].rgdwFlags[0],
              static_cast<DWORD>(CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE));

    // A profile without a number leaves the registry alone.
    smalltest::StartPhone();
    smalltest::StopPhone();
    EXPECT_STREQ(Telvo_EXT_GetPhoneNumber(), L"010-9876-5432");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kStatusKey);
}

TEST(NatePhoneStandin, ReceivedMessagesComeNewestFirst)
{
    smalltest::DeleteSmsDatabase();
    EXPECT_EQ(RunPhoneCommand(L"/sms 0101112222 첫 메시지"), 0);
    EXPECT_EQ(RunPhoneCommand(L"/sms 0103334444 둘째"), 0);
    EXPECT_EQ(RunPhoneCommand(L"/sms"), 2) << "no sender";
    EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 2);
    SMSDATA data = {};
    ASSERT_EQ(Telvo_EXT_GetSMSMsgFirst(&data, TELVO_FILTER_UNREAD), 1);
    EXPECT_STREQ(data.sender, L"0103334444");
    EXPECT_STREQ(data.callback, L"0103334444");
    EXPECT_STREQ(data.text, L"둘째");
    EXPECT_EQ(data.status, 0);
    EXPECT_EQ(wcslen(data.received), 19u);
    ASSERT_EQ(Telvo_EXT_GetSMSMsgNext(&data, 1, TELVO_FILTER_UNREAD), 2);
    EXPECT_STREQ(data.text, L"첫 메시지");
}

// The record as the phone stores it, property by property.
TEST(NatePhoneStandin, TheRecordWriterWritesEveryProperty)
{
    standins::SmsMessage message;
    message.kind = 1;
    message.extra21020 = -2;
    message.received = L"2005-03-14 09:30:15";
    message.arrival = 38425.396;
    message.sender = L"0101234567";
    message.callback = L"025551234";
    message.extra21060 = 65000;
    message.extra21070 = 9;
    message.text = L"안녕하세요";
    message.status = 3;
    smalltest::WriteMessages({message});
    const std::vector<smalltest::StoredProp> expected = {
        {MAKEPROPID(21010, CEVT_UI2), L"", 1},
        {MAKEPROPID(21020, CEVT_I2), L"", -2},
        {MAKEPROPID(21030, CEVT_R8), L"", 38425.396},
        {MAKEPROPID(21030, CEVT_LPWSTR), L"2005-03-14 09:30:15", 0},
        {MAKEPROPID(21040, CEVT_LPWSTR), L"0101234567", 0},
        {MAKEPROPID(21050, CEVT_LPWSTR), L"025551234", 0},
        {MAKEPROPID(21060, CEVT_UI2), L"", 65000},
        {MAKEPROPID(21070, CEVT_I2), L"", 9},
        {MAKEPROPID(21080, CEVT_LPWSTR), L"안녕하세요", 0},
        {MAKEPROPID(21090, CEVT_UI2), L"", 3},
    };
    auto records = smalltest::StoredRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], expected);
}
