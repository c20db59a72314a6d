// The device's stand-in programs in tests: started from the device's
// \Windows and closed again, what the phone applications' stand-ins
// recorded in the device log, and expected packets written byte by byte to
// hold them against.
#pragma once

#include "platform/ce.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testkit {

// A stand-in with a window, such as a phone application, that runs until it
// is closed.
class StandinProgram {
public:
    // The program's file in the device's \Windows, and the class of its
    // window (and its title, when several share the class).
    StandinProgram(std::wstring program, std::wstring windowClass, std::wstring title = L"");
    ~StandinProgram();
    StandinProgram(const StandinProgram&) = delete;
    StandinProgram& operator=(const StandinProgram&) = delete;

    // Starts it with the arguments unless its window is there, and waits for
    // the window; false when it did not come up.
    bool Start(const std::wstring& arguments = L"");
    // Closes its window and waits for its end; its exit code, or -1 when it
    // did not end in time (it is then ended), 0 when it was not running.
    int Stop();
    HWND Window() const;

private:
    std::wstring program_;
    std::wstring windowClass_;
    std::wstring title_;
    HANDLE process_ = nullptr;
};

struct StandinPacket {
    unsigned long long code = 0;
    unsigned long long wParam = 0;
    std::vector<uint8_t> bytes;
};

// Every WM_COPYDATA packet the stand-in of that window title recorded,
// oldest first.
std::vector<StandinPacket> StandinPackets(const std::wstring& title);

// Runs a call and gives the packets the stand-in recorded during it.
template <class Call>
std::vector<StandinPacket> StandinPacketsOf(const std::wstring& title, Call call)
{
    size_t before = StandinPackets(title).size();
    call();
    std::vector<StandinPacket> all = StandinPackets(title);
    return std::vector<StandinPacket>(all.begin() + static_cast<long>(before), all.end());
}

// A packet of a fixed size, zero but where fields are put.
class PacketBytes {
public:
    explicit PacketBytes(size_t size) : bytes_(size, 0) {}
    PacketBytes& U32(size_t at, uint32_t value);
    // Raw bytes, as the ANSI code page has them ("\xC8\xAB" for 홍).
    PacketBytes& Text(size_t at, const std::string& bytes);
    // UTF-16LE code units.
    PacketBytes& Wide(size_t at, const std::wstring& text);
    PacketBytes& Repeat(size_t at, const std::string& unit, size_t times);
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Where the two differ first, for a readable failure; empty when they agree.
std::string FirstDifference(const std::vector<uint8_t>& got, const std::vector<uint8_t>& expected);

}  // namespace testkit
