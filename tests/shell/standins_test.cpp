// The stand-ins record exactly what they were given.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

int StartAndWait(const wchar_t* program, const wchar_t* commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    // As the system starts them: the program, and its command line on its own.
    if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return -1;
    CloseHandle(pi.hThread);
    return shelltest::WaitPumping(pi.hProcess, 15000);
}

std::wstring Hex(const std::vector<uint8_t>& bytes, size_t from, size_t count)
{
    std::wstring text;
    wchar_t pair[3];
    for (size_t i = from; i < from + count; ++i) {
        _snwprintf(pair, 3, L"%02X", bytes[i]);
        text += pair;
    }
    return text;
}

void PutWide(std::vector<uint8_t>& packet, size_t at, const wchar_t* text)
{
    for (size_t i = 0; text[i]; ++i) {
        packet[at + i * 2] = static_cast<uint8_t>(text[i]);
        packet[at + i * 2 + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
}

std::vector<uint8_t> DialRecord()
{
    std::vector<uint8_t> record(592, 0);
    PutWide(record, 0, L"0101234567");
    PutWide(record, 72, L"홍길동");
    return record;
}

std::vector<uint8_t> NateDialPacket()
{
    std::vector<uint8_t> packet(252, 0);
    packet[0] = 0x50;  // 50000
    packet[1] = 0xC3;
    packet[4] = 1;
    const char number[] = "0101234567";
    std::copy(number, number + 10, packet.begin() + 8);
    return packet;
}

}  // namespace

TEST(StandIns, CommandLineProgramsRecordTheRawLine)
{
    struct LineCase {
        const wchar_t* program;
        const wchar_t* commandLine;
        const wchar_t* record;
    };
    const LineCase cases[] = {
        {L"\\Windows\\tmail.exe", L"mailto:hong@example.com",
         L"Standin tmail.exe: command line mailto:hong@example.com"},
        {L"\\Windows\\KTFMMS.exe", L"-type EDIT -RECEIVER \"0101234567\" -name \"홍길동\"",
         L"Standin KTFMMS.exe: command line -type EDIT -RECEIVER \"0101234567\" -name \"홍길동\""},
        {L"\\Windows\\Notes.exe", L"\\My Documents\\메모 1.pwi",
         L"Standin Notes.exe: command line \\My Documents\\메모 1.pwi"},
        {L"\\Windows\\ctlpnl.exe", L"cplmain.cpl,9", L"Standin ctlpnl.exe: command line cplmain.cpl,9"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.program)));
        ASSERT_EQ(StartAndWait(c.program, c.commandLine), 0);
    }
    std::vector<std::wstring> expected;
    for (const LineCase& c : cases)
        expected.push_back(c.record);
    EXPECT_EQ(shelltest::LogRecords(L": command line "), expected);
}

TEST(StandIns, PhoneApplicationsRecordTheirPackets)
{
    struct PacketCase {
        const wchar_t* program;
        const wchar_t* arguments;
        const wchar_t* windowClass;
        const wchar_t* title;
        ULONG_PTR code;
        WPARAM wParam;
        std::vector<uint8_t> packet;
    };
    const PacketCase cases[] = {
        {L"HpPhone.exe", L"", L"WCE_HPPHONE", L"HP Phone", 2410, 0, DialRecord()},
        {L"LgPhone.exe", L"", L"AfxFrameOrView42u", L"LG_PDAPHONE", 2410, 0, DialRecord()},
        {L"LgPhone.exe", L"LG PHONE", L"AfxFrameOrView42u", L"LG PHONE", 2410, 0, DialRecord()},
        {L"NatePhone.exe", L"", L"AfxTelvoNatePhone", nullptr, 1, 0, NateDialPacket()},
        {L"NatePhone.exe", L"", L"AfxTelvoNatePhone", nullptr, 1, 7, {0x01, 0xAB, 0x00, 0xFF}},
    };
    for (const PacketCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.program) + L" " + c.arguments));
        HANDLE phone = shelltest::StartBuiltProgram(c.program, c.arguments);
        ASSERT_NE(phone, nullptr);
        HWND window = nullptr;
        EXPECT_TRUE(testkit::PumpUntil([&] { return (window = FindWindowW(c.windowClass, c.title)) != nullptr; },
                                       15000));
        ASSERT_NE(window, nullptr);
        wchar_t title[64] = L"";
        GetWindowTextW(window, title, 64);

        COPYDATASTRUCT data = {c.code, static_cast<DWORD>(c.packet.size()), const_cast<uint8_t*>(c.packet.data())};
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(window, WM_COPYDATA, c.wParam, reinterpret_cast<LPARAM>(&data),
                                        SMTO_NORMAL, 5000, &answer));
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(shelltest::WaitPumping(phone), 0);

        std::wstring prefix = std::wstring(L"Standin ") + title + L": ";
        std::vector<std::wstring> expected;
        wchar_t header[128];
        _snwprintf(header, 128, L"WM_COPYDATA code=%llu wparam=%llu bytes=%zu", static_cast<unsigned long long>(c.code),
                   static_cast<unsigned long long>(c.wParam), c.packet.size());
        expected.push_back(prefix + header);
        for (size_t offset = 0; offset < c.packet.size(); offset += 256) {
            size_t count = std::min<size_t>(256, c.packet.size() - offset);
            expected.push_back(prefix + L"data " + std::to_wstring(offset) + L" " + Hex(c.packet, offset, count));
        }
        // The newest records of this title, after its start-up line.
        std::vector<std::wstring> records = shelltest::LogRecords(prefix);
        ASSERT_GE(records.size(), expected.size());
        EXPECT_EQ(std::vector<std::wstring>(records.end() - static_cast<long>(expected.size()), records.end()),
                  expected);
    }
    // The small packet, byte for byte.
    EXPECT_EQ(shelltest::LogRecords(L"Standin Telvo Phone: data").back(), L"Standin Telvo Phone: data 0 01AB00FF");
}
