// The deliverables are in their places and export what the device expects.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

const IMAGE_EXPORT_DIRECTORY* ExportDirectory(HMODULE module)
{
    auto base = reinterpret_cast<const BYTE*>(module);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    return reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
}

std::wstring BinFolder()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}

}  // namespace

TEST(Deliverables, InstalledInTheirDeviceFolders)
{
    for (const wchar_t* path : {L"\\Program Files\\Quillon\\Quillon.exe", L"\\Program Files\\Quillon\\Snapkit.exe",
                                L"\\Windows\\Glimmor.dll", L"\\Windows\\Telvo.dll", L"\\Windows\\QuillonSetup.dll",
                                L"\\Windows\\ceplat.dll", L"\\Windows\\ceoutlook.dll", L"\\Windows\\Note_prj.dll"}) {
        EXPECT_TRUE(testkit::FileExists(path)) << testing::PrintToString(std::wstring(path));
    }
}

TEST(Deliverables, GlimmorExportsOnlyOrdinals240And241)
{
    HMODULE glimmor = LoadLibraryW(L"\\Windows\\Glimmor.dll");
    ASSERT_NE(glimmor, nullptr);
    EXPECT_NE(GetProcAddress(glimmor, MAKEINTRESOURCEA(240)), nullptr);
    EXPECT_NE(GetProcAddress(glimmor, MAKEINTRESOURCEA(241)), nullptr);
    EXPECT_EQ(GetProcAddress(glimmor, MAKEINTRESOURCEA(239)), nullptr);
    EXPECT_EQ(GetProcAddress(glimmor, MAKEINTRESOURCEA(242)), nullptr);
    EXPECT_EQ(GetProcAddress(glimmor, "InitializeCustomItem"), nullptr);

    const IMAGE_EXPORT_DIRECTORY* exports = ExportDirectory(glimmor);
    ASSERT_NE(exports, nullptr);
    EXPECT_EQ(exports->NumberOfNames, 0u);
    FreeLibrary(glimmor);
}

TEST(Deliverables, NotesLibraryExportsOrdinals7And8)
{
    HMODULE notes = LoadLibraryW(L"Note_prj.dll");
    ASSERT_NE(notes, nullptr);
    EXPECT_NE(GetProcAddress(notes, MAKEINTRESOURCEA(7)), nullptr);
    EXPECT_NE(GetProcAddress(notes, MAKEINTRESOURCEA(8)), nullptr);
    EXPECT_EQ(ExportDirectory(notes)->NumberOfNames, 0u);
    FreeLibrary(notes);
}

TEST(Deliverables, DllInWindowsLoadsByBareNameFromTheProgramFolder)
{
    const wchar_t probe[] = L"\\Program Files\\Quillon\\load_probe.exe";
    ASSERT_TRUE(CopyFileW((BinFolder() + L"\\load_probe.exe").c_str(), probe, FALSE));
    EXPECT_EQ(testkit::RunProcess(L"\"\\Program Files\\Quillon\\load_probe.exe\" Telvo.dll"), 0);
    EXPECT_EQ(testkit::RunProcess(L"\"\\Program Files\\Quillon\\load_probe.exe\" Glimmor.dll"), 0);
    EXPECT_EQ(testkit::RunProcess(L"\"\\Program Files\\Quillon\\load_probe.exe\" Absent.dll"), 2);
    DeleteFileW(probe);
}
