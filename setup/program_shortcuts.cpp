#include "setup/program_shortcuts.h"

#include <strsafe.h>

#include <string>

namespace {

struct ProgramShortcut {
    const wchar_t* linkName;
    const wchar_t* program;
};

const ProgramShortcut kProgramShortcuts[] = {
    {L"Vestamor 다이어리.lnk", L"Quillon.exe"},
    {L"Vestamor 소프트리셋.lnk", L"Snapkit.exe"},
};

// Either name marks a Korean Start menu; the shortcuts always go to the
// programs folder of "시작 메뉴", the one the device's shell shows.
const wchar_t* const kKoreanStartMenuSigns[] = {L"\\Windows\\시작", L"\\Windows\\시작 메뉴"};
constexpr wchar_t kKoreanProgramsFolder[] = L"\\Windows\\시작 메뉴\\프로그램";
constexpr wchar_t kEnglishProgramsFolder[] = L"\\Windows\\Start Menu\\Programs";

const wchar_t* ProgramsFolder()
{
    for (const wchar_t* sign : kKoreanStartMenuSigns) {
        if (GetFileAttributesW(sign) != INVALID_FILE_ATTRIBUTES)
            return kKoreanProgramsFolder;
    }
    return kEnglishProgramsFolder;
}

// The folder and every missing folder above it; false when it is not there
// afterwards.
bool MakeFolderPath(const wchar_t* folder)
{
    std::wstring path = folder;
    for (size_t slash = path.find(L'\\', 1); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
    CreateDirectoryW(folder, nullptr);
    const DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool LinkPath(const ProgramShortcut& shortcut, wchar_t* path, size_t chars)
{
    return SUCCEEDED(StringCchPrintfW(path, chars, L"%ls\\%ls", ProgramsFolder(), shortcut.linkName));
}

void MakeProgramShortcut(const ProgramShortcut& shortcut, LPCWSTR installDir)
{
    wchar_t link[MAX_PATH];
    wchar_t target[MAX_PATH];
    // The target is quoted: the installation folder may hold blanks.
    if (!LinkPath(shortcut, link, MAX_PATH) || !installDir ||
        FAILED(StringCchPrintfW(target, MAX_PATH, L"\"%ls\\%ls\"", installDir, shortcut.program))) {
        NKDbgPrintfW(L"QuillonSetup: no shortcut to %ls: its path is too long", shortcut.program);
        return;
    }
    // An earlier installation's shortcut may point to another folder.
    DeleteFileW(link);
    if (!SHCreateShortcut(link, target))
        NKDbgPrintfW(L"QuillonSetup: the shortcut %ls could not be made (error %lu)", link, GetLastError());
}

void DeleteProgramShortcut(const ProgramShortcut& shortcut)
{
    wchar_t link[MAX_PATH];
    if (LinkPath(shortcut, link, MAX_PATH) && DeleteFileW(link))
        return;
    NKDbgPrintfW(L"QuillonSetup: the shortcut %ls could not be deleted (error %lu)", link, GetLastError());
}

}  // namespace

void MakeProgramShortcuts(LPCWSTR installDir)
{
    // A device whose Start menu lacks the programs folder gets it first.
    if (!MakeFolderPath(ProgramsFolder()))
        NKDbgPrintfW(L"QuillonSetup: the folder %ls could not be made (error %lu)", ProgramsFolder(), GetLastError());
    for (const ProgramShortcut& shortcut : kProgramShortcuts)
        MakeProgramShortcut(shortcut, installDir);
}

void DeleteProgramShortcuts()
{
    for (const ProgramShortcut& shortcut : kProgramShortcuts)
        DeleteProgramShortcut(shortcut);
}
