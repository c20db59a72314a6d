#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace smalltest {

namespace {

constexpr wchar_t kPhoneClass[] = L"AfxTelvoNatePhone";
constexpr wchar_t kSmsDatabaseName[] = L"SMS_RECEIVE";

testkit::StandinProgram& Phone()
{
    static testkit::StandinProgram phone(L"NatePhone.exe", kPhoneClass);
    return phone;
}

}  // namespace

void StartPhone()
{
    ASSERT_TRUE(Phone().Start()) << "the phone stand-in's window never came up";
}

void StopPhone()
{
    EXPECT_EQ(Phone().Stop(), 0);
    ASSERT_TRUE(testkit::PumpUntil([] { return FindWindowW(kPhoneClass, nullptr) == nullptr; }, 10000));
}

std::vector<PhonePacket> RecordedPackets()
{
    return testkit::StandinPackets(L"Telvo Phone");
}

void DeleteSmsDatabase()
{
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, const_cast<LPWSTR>(kSmsDatabaseName), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(database);
    ASSERT_TRUE(CeDeleteDatabaseEx(&store, oid));
}

standins::SmsMessage Message(double arrival, const std::wstring& text, WORD status)
{
    standins::SmsMessage message;
    message.arrival = arrival;
    message.received = L"2005-03-1" + std::to_wstring(static_cast<int>(arrival) % 10) + L" 09:30:00";
    message.sender = L"0101234567";
    message.callback = L"0107654321";
    message.text = text;
    message.status = status;
    return message;
}

void WriteMessages(const std::vector<standins::SmsMessage>& messages)
{
    DeleteSmsDatabase();
    HANDLE database = standins::OpenSmsReceive();
    ASSERT_NE(database, INVALID_HANDLE_VALUE);
    for (const standins::SmsMessage& message : messages)
        EXPECT_NE(standins::WriteSmsMessage(database, message), 0u);
    CloseHandle(database);
}

void WriteProps(const std::vector<CEPROPVAL>& props)
{
    // In whatever order the database has; made in the phone's when missing.
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, const_cast<LPWSTR>(kSmsDatabaseName), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        database = standins::OpenSmsReceive();
    ASSERT_NE(database, INVALID_HANDLE_VALUE);
    EXPECT_NE(standins::WriteSmsRecord(database, props), 0u);
    CloseHandle(database);
}

std::vector<std::vector<StoredProp>> StoredRecords()
{
    std::vector<std::vector<StoredProp>> records;
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, const_cast<LPWSTR>(kSmsDatabaseName), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return records;
    for (;;) {
        WORD count = 0;
        BYTE* buffer = nullptr;
        DWORD size = 0;
        if (!CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            break;
        std::vector<StoredProp> record;
        const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i) {
            StoredProp prop = {values[i].propid, L"", 0};
            switch (TypeFromPropID(values[i].propid)) {
            case CEVT_LPWSTR: prop.text = values[i].val.lpwstr; break;
            case CEVT_I2: prop.number = values[i].val.iVal; break;
            case CEVT_UI2: prop.number = values[i].val.uiVal; break;
            case CEVT_I4: prop.number = values[i].val.lVal; break;
            case CEVT_R8: prop.number = values[i].val.dblVal; break;
            }
            record.push_back(prop);
        }
        LocalFree(buffer);
        std::sort(record.begin(), record.end(),
                  [](const StoredProp& a, const StoredProp& b) { return a.propid < b.propid; });
        records.push_back(record);
        if (!CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            break;
    }
    CloseHandle(database);
    return records;
}

}  // namespace smalltest
