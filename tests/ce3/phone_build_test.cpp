// The phone-linked Windows CE 3.0 build as a CE 3 phone device gets it:
// it is bound to Telvo.dll when it loads, and its toolbar dials through it.
#include "resources/resource.h"
#include "tests/support/standins.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

constexpr wchar_t kProgram[] = L"\\Program Files\\Quillon\\Quillon.exe";
constexpr wchar_t kLibrary[] = L"\\Windows\\Telvo.dll";
constexpr wchar_t kLibraryAway[] = L"\\Windows\\Telvo.dll.away";
constexpr wchar_t kMainClass[] = L"QUILLON";
constexpr DWORD kStartMs = 20000;

struct Started {
    PROCESS_INFORMATION process = {};
    bool ok = false;
};

Started Start()
{
    Started started;
    std::wstring line = L"\"" + std::wstring(kProgram) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    started.ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                &started.process) != FALSE;
    return started;
}

// The program's main window, when that process shows one.
HWND MainWindowOf(DWORD processId)
{
    HWND window = FindWindowW(kMainClass, nullptr);
    DWORD owner = 0;
    if (window)
        GetWindowThreadProcessId(window, &owner);
    return owner == processId ? window : nullptr;
}

void End(Started& started)
{
    if (WaitForSingleObject(started.process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

TEST(PhoneLinkedBuild, DoesNotStartWithoutThePhoneLibrary)
{
    ASSERT_TRUE(testkit::FileExists(kProgram));
    ASSERT_TRUE(MoveFileW(kLibrary, kLibraryAway));
    Started started = Start();
    DWORD waited = WAIT_TIMEOUT;
    if (started.ok)
        waited = WaitForSingleObject(started.process.hProcess, kStartMs);
    DWORD code = 0;
    if (started.ok)
        GetExitCodeProcess(started.process.hProcess, &code);
    const bool windowShown = started.ok && MainWindowOf(started.process.dwProcessId) != nullptr;
    if (started.ok)
        End(started);
    MoveFileW(kLibraryAway, kLibrary);
    // The loader refuses it before any window: either the start fails or
    // the process ends at once with a failure.
    const bool refused = !started.ok || (waited == WAIT_OBJECT_0 && code != 0);
    EXPECT_TRUE(refused) << "wait " << waited << ", exit code " << code;
    EXPECT_FALSE(windowShown);
}

TEST(PhoneLinkedBuild, StartsWithThePhoneLibrary)
{
    ASSERT_TRUE(testkit::FileExists(kLibrary));
    Started started = Start();
    ASSERT_TRUE(started.ok);
    HWND window = nullptr;
    EXPECT_TRUE(testkit::PumpUntil(
        [&] {
            window = MainWindowOf(started.process.dwProcessId);
            return window != nullptr;
        },
        kStartMs));
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.process.hProcess, kStartMs), static_cast<DWORD>(WAIT_OBJECT_0));
    End(started);
}

// The rectangle of a toolbar button of another process, read through memory
// of that process.
bool RemoteButtonRect(HWND toolbar, DWORD processId, UINT command, RECT* rect)
{
    DWORD_PTR index = 0;
    if (!SendMessageTimeoutW(toolbar, TB_COMMANDTOINDEX, command, 0, SMTO_ABORTIFHUNG, 5000, &index) ||
        static_cast<int>(index) < 0)
        return false;
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return false;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR found = 0;
    SIZE_T read = 0;
    const bool ok = remote &&
                    SendMessageTimeoutW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote),
                                        SMTO_ABORTIFHUNG, 5000, &found) &&
                    found && ReadProcessMemory(process, remote, rect, sizeof(RECT), &read) && read == sizeof(RECT);
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return ok;
}

// The visible button bar of the main window's toolbar window.
HWND ShownToolbar(HWND mainWindow)
{
    HWND holder = FindWindowExW(mainWindow, nullptr, L"Toolbar", nullptr);
    for (HWND bar = FindWindowExW(holder, nullptr, TOOLBARCLASSNAMEW, nullptr); bar;
         bar = FindWindowExW(holder, bar, TOOLBARCLASSNAMEW, nullptr)) {
        if (IsWindowVisible(bar))
            return bar;
    }
    return nullptr;
}

void TapRemote(HWND window, int x, int y)
{
    const LPARAM at = MAKELPARAM(x, y);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_ABORTIFHUNG, 5000, &result);
    SendMessageTimeoutW(window, WM_LBUTTONUP, 0, at, SMTO_ABORTIFHUNG, 5000, &result);
}

constexpr wchar_t kPhoneTitle[] = L"Telvo Phone";

// The toolbar's mobile dial on the contact shown first reaches the nate
// phone through the linked library's dial, not the cellular core's call
// request that the device's phone model would take.
TEST(PhoneLinkedBuild, TheToolbarDialsThroughTheLinkedLibrary)
{
    testkit::StandinProgram phone(L"NatePhone.exe", L"AfxTelvoNatePhone", kPhoneTitle);
    ASSERT_TRUE(phone.Start(kPhoneTitle));
    ASSERT_EQ(testkit::RunProcess(L"\"" + testkit::BuiltProgram(L"contacts_peer.exe") + L"\" add 홍 010-1234-5678"), 0);
    Started started = Start();
    ASSERT_TRUE(started.ok);
    HWND window = nullptr;
    HWND toolbar = nullptr;
    EXPECT_TRUE(testkit::PumpUntil(
        [&] {
            window = MainWindowOf(started.process.dwProcessId);
            toolbar = window ? ShownToolbar(window) : nullptr;
            return toolbar != nullptr;
        },
        kStartMs));
    RECT button = {};
    const bool found = toolbar && RemoteButtonRect(toolbar, started.process.dwProcessId, ID_CONTACT_DIAL_MOBILE, &button);
    EXPECT_TRUE(found);
    const size_t logFrom = testkit::DeviceLogText().size();
    const size_t packetsBefore = testkit::StandinPackets(kPhoneTitle).size();
    if (found) {
        TapRemote(toolbar, (button.left + button.right) / 2, (button.top + button.bottom) / 2);
        testkit::PumpUntil([&] { return testkit::StandinPackets(kPhoneTitle).size() > packetsBefore; }, 5000);
    }
    std::vector<testkit::StandinPacket> packets = testkit::StandinPackets(kPhoneTitle);
    packets.erase(packets.begin(), packets.begin() + static_cast<long>(packetsBefore));
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(started.process.hProcess, kStartMs);
    End(started);
    phone.Stop();
    ASSERT_EQ(packets.size(), 1u);
    const std::vector<uint8_t> dial = testkit::PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, "01012345678").Bytes();
    EXPECT_EQ(testkit::FirstDifference(packets.front().bytes, dial), "");
    EXPECT_EQ(testkit::DeviceLogRecords(L"PhoneMakeCall:", logFrom), std::vector<std::wstring>());
}

}  // namespace
