// What the phone library's tests share: the nate phone stand-in of this
// run, the packets it recorded, expected packets built byte by byte, the
// received-message database, and the library's boxes.
#pragma once

#include "platform/standins/sms_records.h"
#include "telvo/telvo.h"
#include "tests/shell/support.h"
#include "tests/support/box_watch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace smalltest {

// ---- the stand-in --------------------------------------------------------

// Starts the stand-in unless it runs, and waits for its window.
void StartPhone();
// Closes the stand-in if it runs and waits for its end.
void StopPhone();

struct PhonePacket {
    unsigned long long code = 0;
    unsigned long long wParam = 0;
    std::vector<uint8_t> bytes;
};
// Every packet the stand-in has recorded in the device log, oldest first.
std::vector<PhonePacket> RecordedPackets();

// Runs a call and gives the packets the stand-in recorded during it.
template <class Call>
std::vector<PhonePacket> PacketsOf(Call call)
{
    size_t before = RecordedPackets().size();
    call();
    std::vector<PhonePacket> all = RecordedPackets();
    return std::vector<PhonePacket>(all.begin() + static_cast<long>(before), all.end());
}

// ---- expected packets ----------------------------------------------------

class PacketBytes {
public:
    explicit PacketBytes(size_t size) : bytes_(size, 0) {}
    PacketBytes& U32(size_t at, uint32_t value);
    // Raw bytes, as the ANSI code page has them ("\xC8\xAB" for 홍).
    PacketBytes& Text(size_t at, const std::string& bytes);
    PacketBytes& Repeat(size_t at, const std::string& unit, size_t times);
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Where the two differ first, for a readable failure.
std::string FirstDifference(const std::vector<uint8_t>& got, const std::vector<uint8_t>& expected);

// ---- boxes ---------------------------------------------------------------

// Runs a call with the box watch armed; what box (if any) it showed.
template <class Call>
boxwatch::SeenBox BoxOf(Call call)
{
    boxwatch::ArmForThisThread();
    call();
    return boxwatch::Disarm();
}

// ---- the received-message database ---------------------------------------

// Removes "SMS_RECEIVE" from the object store, if it is there.
void DeleteSmsDatabase();

// A message of kind 1 with the given arrival and texts.
standins::SmsMessage Message(double arrival, const std::wstring& text, WORD status = 0);

// Writes the messages into a fresh "SMS_RECEIVE" (the phone's order).
void WriteMessages(const std::vector<standins::SmsMessage>& messages);
// Writes one record of the given properties into the database.
void WriteProps(const std::vector<CEPROPVAL>& props);

// Every property of each record in stored order (no sort), as read,
// ordered by property id.
struct StoredProp {
    CEPROPID propid;
    std::wstring text;    // strings
    double number = 0;    // numbers of any width, and doubles
    bool operator==(const StoredProp&) const = default;
};
std::vector<std::vector<StoredProp>> StoredRecords();

}  // namespace smalltest
