// The setup hooks as the device's installer runs them: the installer host
// installs and removes a small package with QuillonSetup.dll, and the tests
// read what the hooks left in the registry, the Start menu and \Windows.
#include "setup/registry_values.h"
#include "tests/shell/support.h"
#include "tests/support/box_watch.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

constexpr wchar_t kSetupDll[] = L"\\Temp\\QuillonSetup.dll";
constexpr wchar_t kItemKey[] = L"SOFTWARE\\Microsoft\\Today\\Items\\\"Glimmor\"";
constexpr wchar_t kItemsKey[] = L"SOFTWARE\\Microsoft\\Today\\Items";
constexpr wchar_t kMarker[] = L"\\Windows\\Glimmor.$$$";
constexpr wchar_t kResetRecord[] = L"CeReset: soft reset requested by InstallerHost.exe";

constexpr wchar_t kKoreanPrograms[] = L"\\Windows\\시작 메뉴\\프로그램";
constexpr wchar_t kEnglishPrograms[] = L"\\Windows\\Start Menu\\Programs";
constexpr wchar_t kMainLink[] = L"Vestamor 다이어리.lnk";
constexpr wchar_t kResetLink[] = L"Vestamor 소프트리셋.lnk";

// The package: the programs the shortcuts name and the Today item.
const wchar_t* const kPackageFiles[] = {L"\\Program Files\\Quillon\\Quillon.exe",
                                        L"\\Program Files\\Quillon\\Snapkit.exe", L"\\Windows\\Glimmor.dll"};
constexpr char kPackageList[] =
    "Quillon.exe Program Files/Quillon\r\nSnapkit.exe Program Files/Quillon\r\nGlimmor.dll Windows\r\n";

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A link's file: the target's length, '#', the quoted target in CP949.
const std::vector<uint8_t> kMainLinkBytes = Bytes("36#\"\\Program Files\\Quillon\\Quillon.exe\"");
const std::vector<uint8_t> kResetLinkBytes = Bytes("36#\"\\Program Files\\Quillon\\Snapkit.exe\"");

std::wstring Joined(const std::wstring& folder, const std::wstring& name)
{
    return folder + L"\\" + name;
}

// ---- the device's files ---------------------------------------------------

// Calls visit for every file and folder under the folder, folders after
// what they hold.
void WalkDevice(const std::wstring& folder, const std::function<void(const std::wstring&, bool folder)>& visit)
{
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(Joined(folder, L"*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::wstring path = Joined(folder, found.cFileName);
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder)
            WalkDevice(path, visit);
        visit(path, isFolder);
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

void DeleteTree(const std::wstring& folder)
{
    WalkDevice(folder, [](const std::wstring& path, bool isFolder) {
        isFolder ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

void MakeFolders(const std::vector<std::wstring>& folders)
{
    for (const std::wstring& folder : folders)
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << testing::PrintToString(folder);
}

// Every file of the device with its bytes; folders with a "/" as bytes.
using DeviceFiles = std::map<std::wstring, std::vector<uint8_t>>;
DeviceFiles DeviceSnapshot()
{
    DeviceFiles files;
    WalkDevice(L"", [&](const std::wstring& path, bool isFolder) {
        files[path] = isFolder ? Bytes("/") : testkit::ReadFileBytes(path);
    });
    return files;
}

// ---- the registry -----------------------------------------------------------

struct RegistryValue {
    std::wstring name;
    DWORD type = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const RegistryValue&) const = default;
};

void PrintTo(const RegistryValue& value, std::ostream* out)
{
    *out << testing::PrintToString(value.name) << " type " << value.type << " " << testing::PrintToString(value.bytes);
}

std::vector<RegistryValue> ValuesOf(const std::wstring& key)
{
    std::vector<RegistryValue> values;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameChars = ARRAYSIZE(name), type = 0, size = 4096;
        std::vector<uint8_t> bytes(size);
        if (RegEnumValueW(opened, i, name, &nameChars, nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS)
            break;
        bytes.resize(size);
        values.push_back({name, type, bytes});
    }
    RegCloseKey(opened);
    return values;
}

std::vector<std::wstring> SubkeysOf(const std::wstring& key)
{
    std::vector<std::wstring> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0, chars = ARRAYSIZE(name); RegEnumKeyExW(opened, i, name, &chars, nullptr, nullptr, nullptr,
                                                             nullptr) == ERROR_SUCCESS;
         ++i, chars = ARRAYSIZE(name))
        names.push_back(name);
    RegCloseKey(opened);
    return names;
}

bool KeyExists(const std::wstring& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

// Every key under the key with its values, as "path" -> values.
using RegistryTree = std::map<std::wstring, std::vector<RegistryValue>>;
void AddTree(const std::wstring& key, RegistryTree* tree)
{
    if (!KeyExists(key))
        return;
    (*tree)[key] = ValuesOf(key);
    for (const std::wstring& subkey : SubkeysOf(key))
        AddTree(Joined(key, subkey), tree);
}

RegistryValue Dword(const wchar_t* name, DWORD number)
{
    return {name, REG_DWORD, {static_cast<uint8_t>(number), 0, 0, 0}};
}

RegistryValue Text(const wchar_t* name, const std::wstring& text)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.c_str());
    return {name, REG_SZ, std::vector<uint8_t>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t))};
}

std::vector<RegistryValue> SortedByName(std::vector<RegistryValue> values)
{
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return values;
}

// The item's five values (the registry lists them by name).
const std::vector<RegistryValue> kItemValues = SortedByName({
    Dword(L"Type", 4),
    Dword(L"Options", 0),
    Text(L"DLL", L"\\Windows\\Glimmor.dll"),
    Dword(L"Enabled", 1),
    Dword(L"Selectability", 2),
});

// ---- what the hooks tell the device's windows -------------------------------

// A WM_WININICHANGE that reached the test's window, and what the device
// held at that moment.
struct Announcement {
    WPARAM what = 0;
    size_t itemValues = 0;
    size_t resetRecords = 0;
};
std::vector<Announcement> g_announcements;

size_t ResetRecords()
{
    return shelltest::LogRecords(kResetRecord).size();
}

LRESULT CALLBACK WatcherProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_WININICHANGE:
        g_announcements.push_back({wParam, ValuesOf(kItemKey).size(), ResetRecords()});
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class SetupHooks : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t log[MAX_PATH] = L"";
        GetEnvironmentVariableW(L"QUILLON_DEVICE_LOG", log, MAX_PATH);
        ASSERT_TRUE(testkit::WriteFileBytes(log, {}));
        ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(L"QuillonSetup.dll").c_str(), kSetupDll, FALSE));
        list_ = testkit::TestRunDir() + L"\\package.txt";
        ASSERT_TRUE(testkit::WriteFileBytes(list_, Bytes(kPackageList)));
        // The device as before the package: no program, key, record, link or marker.
        for (const wchar_t* file : kPackageFiles)
            DeleteFileW(file);
        DeleteFileW(L"\\Program Files\\Quillon\\Quillon.ini");
        RemoveDirectoryW(L"\\Program Files\\Quillon");
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kItemsKey);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Apps\\Quillon");
        DeleteFileW(kMarker);
        UseStartMenu({L"\\Windows\\시작 메뉴", kKoreanPrograms});
        g_announcements.clear();
        watcher_ = testkit::CreateTestWindow(false, 240, 294, WatcherProc);
        ASSERT_NE(watcher_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(watcher_);
        UseStartMenu({L"\\Windows\\시작 메뉴", kKoreanPrograms});
    }

    // Leaves the device with only the given Start-menu folders.
    static void UseStartMenu(const std::vector<std::wstring>& folders)
    {
        for (const wchar_t* top : {L"\\Windows\\시작", L"\\Windows\\시작 메뉴", L"\\Windows\\Start Menu"})
            DeleteTree(top);
        MakeFolders(folders);
    }

    HANDLE Start(const std::wstring& action, bool unattended = true)
    {
        std::wstring bin = shelltest::BuiltProgram(L"");
        bin.pop_back();
        std::wstring arguments = action + L" /setup " + kSetupDll + L" /package \"" + list_ + L"\" /from \"" + bin +
                                 L"\"" + (unattended ? L" /unattended" : L"");
        return shelltest::StartBuiltProgram(L"InstallerHost.exe", arguments);
    }
    int Run(const std::wstring& action) { return shelltest::WaitPumping(Start(action), 30000); }

    static bool Logged(const std::wstring& text) { return !shelltest::LogRecords(text).empty(); }

    std::wstring list_;
    HWND watcher_ = nullptr;
};

TEST_F(SetupHooks, InstallTakesItsStepsInOrder)
{
    // Attended, so that the device can be read while the box is up.
    HANDLE host = Start(L"/install", false);
    ASSERT_NE(host, nullptr);
    DWORD pid = GetProcessId(host);
    HWND box = nullptr;
    bool shown = testkit::PumpUntil([&] { return (box = boxwatch::FindProcessBox(pid)) != nullptr; }, 20000);
    if (!shown) {
        shelltest::WaitPumping(host, 0);
        FAIL() << "no box";
    }

    // The box: after the links and the marker, before the key and the reset.
    boxwatch::SeenBox seen = boxwatch::ReadBox(box);
    EXPECT_EQ(seen.caption, L"알림");
    EXPECT_EQ(seen.text, L"Vestamor 다이어리가 설치되었습니다.");
    wchar_t owner[32] = L"";
    GetClassNameW(GetWindow(box, GW_OWNER), owner, ARRAYSIZE(owner));
    EXPECT_STREQ(owner, L"InstallerHost");
    EXPECT_EQ(testkit::ReadFileBytes(Joined(kKoreanPrograms, kMainLink)), kMainLinkBytes);
    EXPECT_EQ(testkit::ReadFileBytes(Joined(kKoreanPrograms, kResetLink)), kResetLinkBytes);
    EXPECT_EQ(testkit::ReadFileBytes(kMarker), Bytes("$$$"));
    EXPECT_FALSE(KeyExists(kItemKey));
    EXPECT_TRUE(g_announcements.empty());
    EXPECT_EQ(ResetRecords(), 0u);

    testkit::PumpFor(300);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"setup_installed_box");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(shelltest::WaitPumping(host, 20000), 0);

    // The key by its quoted name, its five values, then the word to the
    // Today screen, then one reset.
    EXPECT_EQ(SubkeysOf(kItemsKey), std::vector<std::wstring>{L"\"Glimmor\""});
    EXPECT_EQ(ValuesOf(kItemKey), kItemValues);
    ASSERT_EQ(g_announcements.size(), 1u);
    EXPECT_EQ(g_announcements[0].what, static_cast<WPARAM>(TODAY_RELOAD_ITEMS));
    EXPECT_EQ(g_announcements[0].itemValues, kItemValues.size());
    EXPECT_EQ(g_announcements[0].resetRecords, 0u);
    EXPECT_EQ(ResetRecords(), 1u);
    EXPECT_FALSE(Logged(L"QuillonSetup:")) << "a step failed";
}

TEST_F(SetupHooks, InstallReplacesAStaleKeyAndLinks)
{
    // An earlier installation's key and links, and another program's item.
    std::wstring stale = kItemKey;
    ASSERT_EQ(SetRegistryString(HKEY_LOCAL_MACHINE, stale.c_str(), L"DLL", L"\\Old\\Glimmor.dll"), 1);
    ASSERT_EQ(SetRegistryDword(HKEY_LOCAL_MACHINE, stale.c_str(), L"Order", 7), 1);
    ASSERT_EQ(SetRegistryDword(HKEY_LOCAL_MACHINE, (stale + L"\\Cache").c_str(), L"Height", 40), 1);
    std::wstring other = Joined(kItemsKey, L"Other");
    ASSERT_EQ(SetRegistryString(HKEY_LOCAL_MACHINE, other.c_str(), L"DLL", L"\\Windows\\Other.dll"), 1);
    RegistryTree otherBefore;
    AddTree(other, &otherBefore);
    ASSERT_TRUE(SHCreateShortcut(Joined(kKoreanPrograms, kMainLink).data(), const_cast<LPWSTR>(L"\"\\Old\\Quillon.exe\"")));
    ASSERT_TRUE(SHCreateShortcut(Joined(kKoreanPrograms, kResetLink).data(), const_cast<LPWSTR>(L"\"\\Old\\Snapkit.exe\"")));

    ASSERT_EQ(Run(L"/install"), 0);
    EXPECT_TRUE(Logged(L"InstallerHost: box \"알림\": \"Vestamor 다이어리가 설치되었습니다.\" answered 1"));
    EXPECT_EQ(ValuesOf(kItemKey), kItemValues);
    EXPECT_TRUE(SubkeysOf(kItemKey).empty());
    RegistryTree otherAfter;
    AddTree(other, &otherAfter);
    EXPECT_EQ(otherAfter, otherBefore);
    EXPECT_EQ(testkit::ReadFileBytes(Joined(kKoreanPrograms, kMainLink)), kMainLinkBytes);
    EXPECT_EQ(testkit::ReadFileBytes(Joined(kKoreanPrograms, kResetLink)), kResetLinkBytes);
}

TEST_F(SetupHooks, TheStartMenuFolderFollowsTheDevicesNames)
{
    struct FolderCase {
        const wchar_t* name;
        std::vector<std::wstring> folders;
        const wchar_t* linkFolder;  // where both links go, made when missing
    };
    const FolderCase kCases[] = {
        {L"only 시작", {L"\\Windows\\시작"}, kKoreanPrograms},
        {L"only 시작 메뉴", {L"\\Windows\\시작 메뉴", kKoreanPrograms}, kKoreanPrograms},
        {L"시작 메뉴 without its programs", {L"\\Windows\\시작 메뉴"}, kKoreanPrograms},
        {L"English", {L"\\Windows\\Start Menu", kEnglishPrograms}, kEnglishPrograms},
        {L"neither", {}, kEnglishPrograms},
    };
    for (const FolderCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        UseStartMenu(c.folders);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Apps\\Quillon");
        ASSERT_EQ(Run(L"/install"), 0);
        DeviceFiles installed = DeviceSnapshot();
        for (const auto& [link, bytes] : {std::pair{kMainLink, kMainLinkBytes}, std::pair{kResetLink, kResetLinkBytes}}) {
            std::wstring path = Joined(c.linkFolder, link);
            EXPECT_EQ(testkit::ReadFileBytes(path), bytes) << testing::PrintToString(path);
        }
        EXPECT_FALSE(Logged(L"QuillonSetup:")) << "a step failed";
        // No link anywhere else: only the marker and the package are new.
        for (const auto& [path, bytes] : installed)
            EXPECT_TRUE(path.find(L".lnk") == std::wstring::npos || path.find(c.linkFolder) == 0)
                << testing::PrintToString(path);

        ASSERT_EQ(Run(L"/remove"), 0);
        EXPECT_FALSE(testkit::FileExists(Joined(c.linkFolder, kMainLink)));
        EXPECT_FALSE(testkit::FileExists(Joined(c.linkFolder, kResetLink)));
    }
}

TEST_F(SetupHooks, InstallThenRemoveLeavesTheDeviceAsBefore)
{
    // Settings of the installation folder and of \Windows, another Today
    // item, another program's link.
    MakeFolders({L"\\Program Files\\Quillon"});
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Program Files\\Quillon\\Quillon.ini", Bytes("[Folder]\r\n")));
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon.ini", Bytes("[Windows]\r\n")));
    ASSERT_EQ(SetRegistryString(HKEY_LOCAL_MACHINE, Joined(kItemsKey, L"Other").c_str(), L"DLL", L"\\Windows\\o.dll"), 1);
    ASSERT_EQ(SetRegistryDword(HKEY_LOCAL_MACHINE, Joined(kItemsKey, L"Other").c_str(), L"Enabled", 1), 1);
    ASSERT_TRUE(SHCreateShortcut(Joined(kKoreanPrograms, L"Other.lnk").data(), const_cast<LPWSTR>(L"\\Windows\\o.exe")));
    DeviceFiles filesBefore = DeviceSnapshot();
    RegistryTree registryBefore;
    AddTree(L"SOFTWARE\\Microsoft\\Today", &registryBefore);
    AddTree(L"SOFTWARE\\Apps", &registryBefore);

    ASSERT_EQ(Run(L"/install"), 0);
    ASSERT_EQ(ValuesOf(kItemKey), kItemValues);
    ASSERT_EQ(g_announcements.size(), 1u);
    g_announcements.clear();
    ASSERT_EQ(Run(L"/remove"), 0);

    // Removing: the settings file and the key go first, the Today screen is
    // told, then the links go, the box, one more reset.
    EXPECT_TRUE(Logged(L"InstallerHost: box \"알림\": \"Vestamor 다이어리가 제거되었습니다.\" answered 1"));
    ASSERT_EQ(g_announcements.size(), 1u);
    EXPECT_EQ(g_announcements[0].what, static_cast<WPARAM>(TODAY_RELOAD_ITEMS));
    EXPECT_EQ(g_announcements[0].itemValues, 0u);
    EXPECT_EQ(g_announcements[0].resetRecords, 1u);
    EXPECT_EQ(ResetRecords(), 2u) << "one reset per exit hook";
    EXPECT_FALSE(Logged(L"QuillonSetup:")) << "a step failed";

    // The marker stays for the Today item; the installation folder's
    // settings went, and the folder with them.
    DeviceFiles expected = filesBefore;
    expected.erase(L"\\Program Files\\Quillon\\Quillon.ini");
    expected.erase(L"\\Program Files\\Quillon");
    expected[kMarker] = Bytes("$$$");
    DeviceFiles filesAfter = DeviceSnapshot();
    EXPECT_EQ(filesAfter, expected);
    EXPECT_EQ(testkit::ReadFileBytes(L"\\Windows\\Quillon.ini"), Bytes("[Windows]\r\n"));
    RegistryTree registryAfter;
    AddTree(L"SOFTWARE\\Microsoft\\Today", &registryAfter);
    AddTree(L"SOFTWARE\\Apps", &registryAfter);
    EXPECT_EQ(registryAfter, registryBefore);
}

// The handles this process holds, from the system's handle list (a leaked
// registry key shows there).
size_t OwnHandleCount()
{
    struct HandleEntry {
        ULONG ownerProcess;
        BYTE objectType;
        BYTE flags;
        USHORT value;
        void* object;
        ULONG access;
    };
    constexpr ULONG kSystemHandleInformation = 16;
    using QueryFunction = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<uint8_t> buffer(1 << 22);
    ULONG got = 0;
    if (!query || query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &got) != 0) {
        ADD_FAILURE() << "no handle list";
        return 0;
    }
    ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entries = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(void*));
    size_t own = 0;
    for (ULONG i = 0; i < count; ++i)
        own += entries[i].ownerProcess == GetCurrentProcessId() ? 1 : 0;
    return own;
}

TEST(SetupRegistryRoutines, WriteOneValueAndAlwaysCloseTheKey)
{
    constexpr wchar_t kKey[] = L"SOFTWARE\\QuillonSetupTest\\Values";
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\QuillonSetupTest");
    const std::wstring tooLongName(20000, L'n');  // beyond any value name the registry takes

    struct RoutineCase {
        const char* name;
        std::function<int()> call;
        int result;
        std::vector<RegistryValue> values;  // what the key then holds
    };
    const RoutineCase kCases[] = {
        {"a number", [&] { return SetRegistryDword(HKEY_LOCAL_MACHINE, kKey, L"N", 0x01020304); }, 1,
         {{L"N", REG_DWORD, {4, 3, 2, 1}}}},
        {"a text with its zero", [&] { return SetRegistryString(HKEY_LOCAL_MACHINE, kKey, L"T", L"가a"); }, 1,
         {{L"N", REG_DWORD, {4, 3, 2, 1}}, {L"T", REG_SZ, {0x00, 0xAC, 'a', 0, 0, 0}}}},
        {"a value that cannot be set",
         [&] { return SetRegistryString(HKEY_LOCAL_MACHINE, kKey, tooLongName.c_str(), L"x"); }, 0,
         {{L"N", REG_DWORD, {4, 3, 2, 1}}, {L"T", REG_SZ, {0x00, 0xAC, 'a', 0, 0, 0}}}},
        {"a key that cannot be made", [&] { return SetRegistryDword(nullptr, kKey, L"N", 9); }, 0,
         {{L"N", REG_DWORD, {4, 3, 2, 1}}, {L"T", REG_SZ, {0x00, 0xAC, 'a', 0, 0, 0}}}},
    };
    for (const RoutineCase& c : kCases) {
        SCOPED_TRACE(c.name);
        size_t handlesBefore = OwnHandleCount();
        EXPECT_EQ(c.call(), c.result);
        EXPECT_EQ(OwnHandleCount(), handlesBefore) << "a key was left open";
        EXPECT_EQ(ValuesOf(kKey), c.values);
    }
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\QuillonSetupTest");
}

}  // namespace
