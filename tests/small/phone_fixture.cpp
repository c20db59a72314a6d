#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace smalltest {

namespace {

constexpr wchar_t kPhoneClass[] = L"AfxTelvoNatePhone";
constexpr wchar_t kPacketPrefix[] = L"Standin Telvo Phone: ";
constexpr wchar_t kSmsDatabaseName[] = L"SMS_RECEIVE";

HANDLE phoneProcess = nullptr;

std::vector<uint8_t> FromHex(const std::wstring& hex)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

}  // namespace

void StartPhone()
{
    if (FindWindowW(kPhoneClass, nullptr))
        return;
    phoneProcess = shelltest::StartBuiltProgram(L"NatePhone.exe", L"");
    ASSERT_NE(phoneProcess, nullptr);
    ASSERT_TRUE(testkit::PumpUntil([] { return FindWindowW(kPhoneClass, nullptr) != nullptr; }, 15000))
        << "the phone stand-in's window never came up";
}

void StopPhone()
{
    HWND phone = FindWindowW(kPhoneClass, nullptr);
    if (phone)
        PostMessageW(phone, WM_CLOSE, 0, 0);
    if (phoneProcess) {
        EXPECT_EQ(shelltest::WaitPumping(phoneProcess), 0);
        phoneProcess = nullptr;
    }
    ASSERT_TRUE(testkit::PumpUntil([] { return FindWindowW(kPhoneClass, nullptr) == nullptr; }, 10000));
}

std::vector<PhonePacket> RecordedPackets()
{
    std::vector<PhonePacket> packets;
    for (const std::wstring& record : shelltest::LogRecords(kPacketPrefix)) {
        std::wstring body = record.substr(record.find(kPacketPrefix) + wcslen(kPacketPrefix));
        unsigned long long code = 0, wParam = 0;
        unsigned long count = 0;
        if (swscanf(body.c_str(), L"WM_COPYDATA code=%llu wparam=%llu bytes=%lu", &code, &wParam, &count) == 3) {
            packets.push_back(PhonePacket{code, wParam, {}});
        } else if (body.rfind(L"data ", 0) == 0 && !packets.empty()) {
            std::vector<uint8_t> part = FromHex(body.substr(body.find(L' ', 5) + 1));
            packets.back().bytes.insert(packets.back().bytes.end(), part.begin(), part.end());
        }
    }
    return packets;
}

PacketBytes& PacketBytes::U32(size_t at, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes_.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
    return *this;
}

PacketBytes& PacketBytes::Text(size_t at, const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes_.at(at + i) = static_cast<uint8_t>(bytes[i]);
    return *this;
}

PacketBytes& PacketBytes::Repeat(size_t at, const std::string& unit, size_t times)
{
    for (size_t i = 0; i < times; ++i)
        Text(at + i * unit.size(), unit);
    return *this;
}

std::string FirstDifference(const std::vector<uint8_t>& got, const std::vector<uint8_t>& expected)
{
    if (got.size() != expected.size())
        return "size " + std::to_string(got.size()) + ", expected " + std::to_string(expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        if (got[i] != expected[i]) {
            return "byte " + std::to_string(i) + " is " + std::to_string(got[i]) + ", expected " +
                   std::to_string(expected[i]);
        }
    }
    return "";
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
