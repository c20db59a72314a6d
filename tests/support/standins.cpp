#include "tests/support/standins.h"

#include "tests/support/testkit.h"

#include <cwchar>
#include <utility>

namespace testkit {

namespace {

std::vector<uint8_t> FromHex(const std::wstring& hex)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

constexpr DWORD kStartMs = 15000;
constexpr DWORD kStopMs = 10000;

}  // namespace

StandinProgram::StandinProgram(std::wstring program, std::wstring windowClass, std::wstring title)
    : program_(std::move(program)), windowClass_(std::move(windowClass)), title_(std::move(title))
{
}

StandinProgram::~StandinProgram()
{
    Stop();
}

HWND StandinProgram::Window() const
{
    return FindWindowW(windowClass_.c_str(), title_.empty() ? nullptr : title_.c_str());
}

bool StandinProgram::Start(const std::wstring& arguments)
{
    if (Window())
        return true;
    std::wstring command = L"\"\\Windows\\" + program_ + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    return PumpUntil([this] { return Window() != nullptr; }, kStartMs);
}

int StandinProgram::Stop()
{
    if (HWND window = Window())
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (!process_)
        return 0;
    const bool ended = PumpUntil([this] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, kStopMs);
    DWORD code = static_cast<DWORD>(-1);
    if (ended)
        GetExitCodeProcess(process_, &code);
    else
        TerminateProcess(process_, 1);
    CloseHandle(process_);
    process_ = nullptr;
    return static_cast<int>(code);
}

std::vector<StandinPacket> StandinPackets(const std::wstring& title)
{
    const std::wstring prefix = L"Standin " + title + L": ";
    std::vector<StandinPacket> packets;
    for (const std::wstring& record : DeviceLogRecords(prefix)) {
        std::wstring body = record.substr(record.find(prefix) + prefix.size());
        unsigned long long code = 0, wParam = 0;
        unsigned long count = 0;
        if (swscanf(body.c_str(), L"WM_COPYDATA code=%llu wparam=%llu bytes=%lu", &code, &wParam, &count) == 3) {
            packets.push_back(StandinPacket{code, wParam, {}});
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

PacketBytes& PacketBytes::Wide(size_t at, const std::wstring& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        bytes_.at(at + 2 * i) = static_cast<uint8_t>(text[i]);
        bytes_.at(at + 2 * i + 1) = static_cast<uint8_t>(static_cast<uint16_t>(text[i]) >> 8);
    }
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

}  // namespace testkit
