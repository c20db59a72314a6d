// The installer host calls a test setup DLL's hooks around placing and
// removing a small package; the DLL logs its arguments byte for byte.
#include "tests/hosts/today_items.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kSetupDll[] = L"\\Temp\\TestSetup.dll";
// "\Program Files\Quillon" as UTF-16LE, no trailing backslash, no terminator.
constexpr wchar_t kFolderBytes[] =
    L"5C00500072006F006700720061006D002000460069006C00650073005C005100750069006C006C006F006E00";
constexpr wchar_t kHooksParent[] = L"InstallerHost (installer's)";

const std::vector<uint8_t> kAlpha = {'a', 'l', 'p', 'h', 'a', 0, 1, 2, 0xFF};
const std::vector<uint8_t> kBeta = {'b', 'e', 't', 'a'};

class InstallerHostTest : public testing::Test {
protected:
    void SetUp() override
    {
        hosttest::ClearDeviceLog();
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TestSetup");
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Apps\\Quillon");
        ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(L"TestSetup.dll").c_str(), kSetupDll, FALSE));
        package_ = testkit::TestRunDir() + L"\\package";
        CreateDirectoryW(package_.c_str(), nullptr);
        ASSERT_TRUE(testkit::WriteFileBytes(package_ + L"\\alpha.bin", kAlpha));
        ASSERT_TRUE(testkit::WriteFileBytes(package_ + L"\\beta.dll", kBeta));
        WriteList("# a test package\r\nalpha.bin   Program Files/Quillon\r\n\r\nbeta.dll Windows\r\n");
        DeleteFileW(L"\\Program Files\\Quillon\\alpha.bin");
        DeleteFileW(L"\\Windows\\beta.dll");
    }
    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TestSetup"); }

    void WriteList(const std::string& text)
    {
        ASSERT_TRUE(testkit::WriteFileBytes(package_ + L".txt", std::vector<uint8_t>(text.begin(), text.end())));
    }
    static void SetControl(const wchar_t* name, DWORD value)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TestSetup", name, REG_DWORD, &value, sizeof(value)),
                  ERROR_SUCCESS);
    }
    int Run(const std::wstring& action, const std::wstring& more = L"")
    {
        std::wstring arguments = action + L" /setup " + kSetupDll + L" /package \"" + package_ + L".txt\" /from \"" +
                                 package_ + L"\" /unattended" + more;
        return shelltest::WaitPumping(shelltest::StartBuiltProgram(L"InstallerHost.exe", arguments), 30000);
    }
    static bool Logged(const std::wstring& text) { return !shelltest::LogRecords(text).empty(); }
    static bool Placed()
    {
        return testkit::ReadFileBytes(L"\\Program Files\\Quillon\\alpha.bin") == kAlpha &&
               testkit::ReadFileBytes(L"\\Windows\\beta.dll") == kBeta;
    }
    static bool NonePlaced()
    {
        return !testkit::FileExists(L"\\Program Files\\Quillon\\alpha.bin") &&
               !testkit::FileExists(L"\\Windows\\beta.dll");
    }

    std::wstring package_;
};

TEST_F(InstallerHostTest, InstallCallsTheHooksAroundPlacingTheFiles)
{
    // The folder reaches the hooks without its trailing backslash, however given.
    for (const wchar_t* dir : {L"", L" /dir \"\\Program Files\\Quillon\\\\\""}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(dir)));
        hosttest::ClearDeviceLog();
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Apps\\Quillon");
        ASSERT_EQ(Run(L"/install", dir), 0);

        std::wstring init = std::wstring(L"TestSetup: Install_Init parent=") + kHooksParent +
                            L" first=1 previous=0 dir=\\Program Files\\Quillon bytes=" + kFolderBytes;
        std::wstring exit = std::wstring(L"TestSetup: Install_Exit parent=") + kHooksParent +
                            L" dir=\\Program Files\\Quillon bytes=" + kFolderBytes + L" counts=0,0,0,0,0 folder=1";
        EXPECT_TRUE(Logged(init));
        EXPECT_TRUE(Logged(exit));
        EXPECT_TRUE(Placed());
        // In order: the first hook, the files, the last hook, its box.
        size_t a = hosttest::LogPosition(init), b = hosttest::LogPosition(L"InstallerHost: placed 2 file(s), 0 failed"),
               c = hosttest::LogPosition(exit),
               d = hosttest::LogPosition(L"InstallerHost: box \"알림\": \"테스트가 설치되었습니다.\" answered 1"),
               e = hosttest::LogPosition(L"TestSetup: Install_Exit box answered 1"),
               f = hosttest::LogPosition(L"InstallerHost: installed Quillon");
        EXPECT_TRUE(a < b && b < c && c < d && d < e && e < f) << a << " " << b << " " << c << " " << d << " " << e
                                                                << " " << f;
    }
}

TEST_F(InstallerHostTest, SecondInstallIsToldItWasInstalledBefore)
{
    ASSERT_EQ(Run(L"/install"), 0);
    hosttest::ClearDeviceLog();
    ASSERT_EQ(Run(L"/install"), 0);
    EXPECT_TRUE(Logged(L"first=1 previous=1 dir=\\Program Files\\Quillon"));
}

TEST_F(InstallerHostTest, FilesThatFailAreCounted)
{
    WriteList("alpha.bin Program Files/Quillon\nabsent.bin Program Files/Quillon\nbeta.dll Windows\n");
    ASSERT_EQ(Run(L"/install"), 0);
    EXPECT_TRUE(Logged(L"counts=0,1,0,0,0"));
    EXPECT_TRUE(Logged(L"InstallerHost: placed 3 file(s), 1 failed"));
    EXPECT_TRUE(Placed());
}

TEST_F(InstallerHostTest, HooksThatStopTheInstallLeaveNoFiles)
{
    struct StopCase {
        const wchar_t* control;
        const wchar_t* record;
        bool exitCalled;
    };
    const StopCase kCases[] = {
        {L"CancelInstall", L"InstallerHost: cancelled by Install_Init", false},
        {L"UndoInstall", L"InstallerHost: undone at Install_Exit's request", true},
    };
    for (const StopCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.control)));
        hosttest::ClearDeviceLog();
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TestSetup");
        SetControl(c.control, 1);
        EXPECT_EQ(Run(L"/install"), 1);
        EXPECT_TRUE(Logged(c.record));
        EXPECT_EQ(Logged(L"TestSetup: Install_Exit"), c.exitCalled);
        EXPECT_FALSE(Logged(L"InstallerHost: installed"));
        EXPECT_TRUE(NonePlaced());
    }
}

TEST_F(InstallerHostTest, RemovalCallsTheUninstallHooks)
{
    ASSERT_EQ(Run(L"/install"), 0);
    hosttest::ClearDeviceLog();
    ASSERT_EQ(Run(L"/remove"), 0);

    std::wstring init = std::wstring(L"TestSetup: Uninstall_Init parent=") + kHooksParent +
                        L" dir=\\Program Files\\Quillon bytes=" + kFolderBytes;
    std::wstring exit = std::wstring(L"TestSetup: Uninstall_Exit parent=") + kHooksParent;
    EXPECT_TRUE(Logged(init));
    // The yes/no box is answered with its default button, yes.
    EXPECT_TRUE(Logged(L"InstallerHost: box \"알림\": \"테스트를 제거할까요?\" answered 6"));
    EXPECT_TRUE(Logged(L"TestSetup: Uninstall_Init box answered 6"));
    EXPECT_TRUE(Logged(exit));
    EXPECT_LT(hosttest::LogPosition(init), hosttest::LogPosition(exit));
    EXPECT_TRUE(NonePlaced());
    // The install record is gone: the next install is a first one.
    hosttest::ClearDeviceLog();
    ASSERT_EQ(Run(L"/install"), 0);
    EXPECT_TRUE(Logged(L"first=1 previous=0"));
}

TEST_F(InstallerHostTest, CommandLinesItCannotRun)
{
    struct BadCase {
        const wchar_t* arguments;
        int exitCode;
        const wchar_t* record;
    };
    const BadCase kCases[] = {
        {L"/install", 2, L"InstallerHost: no /setup DLL"},
        {L"/setup \\Temp\\TestSetup.dll", 2, L"InstallerHost: neither /install nor /remove"},
        {L"/install /setup \\Temp\\TestSetup.dll /frob", 2, L"InstallerHost: unknown argument /frob"},
        {L"/install /setup \\Temp\\TestSetup.dll /dir", 2, L"InstallerHost: /dir needs a value"},
        {L"/install /setup \\Temp\\Absent.dll", 3, L"InstallerHost: the setup DLL \\Temp\\Absent.dll did not load"},
        {L"/install /setup \\Temp\\TestSetup.dll /package \\Temp\\absent.txt /from \\Temp", 3,
         L"InstallerHost: the package list \\Temp\\absent.txt could not be read"},
    };
    for (const BadCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.arguments)));
        EXPECT_EQ(shelltest::WaitPumping(shelltest::StartBuiltProgram(L"InstallerHost.exe", c.arguments), 30000),
                  c.exitCode);
        EXPECT_TRUE(Logged(c.record));
    }
    EXPECT_FALSE(Logged(L"TestSetup:"));
}

}  // namespace
