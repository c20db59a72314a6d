#include "editors/shortcut_candidates.h"

#include "core/text_helpers.h"
#include "editors/preferences_state.h"

#include <strsafe.h>

namespace {

// Either folder marks a Korean device.
const wchar_t* const kKoreanStartMenuSigns[] = {L"\\Windows\\시작", L"\\Windows\\시작 메뉴"};
constexpr wchar_t kKoreanStartMenu[] = L"시작 메뉴";
constexpr wchar_t kKoreanPrograms[] = L"프로그램";
constexpr wchar_t kEnglishStartMenu[] = L"Start Menu";
constexpr wchar_t kEnglishPrograms[] = L"Programs";

// The headers read the same on every device.
constexpr wchar_t kHeaderMark = L'☞';
constexpr wchar_t kStartMenuHeader[] = L"☞시작 메뉴";
constexpr wchar_t kProgramsHeader[] = L"☞프로그램";
constexpr wchar_t kItemIndent[] = L"   ";
constexpr size_t kIndentChars = ARRAYSIZE(kItemIndent) - 1;

void ChooseFolderNames()
{
    bool korean = false;
    for (const wchar_t* sign : kKoreanStartMenuSigns)
        korean = korean || GetFileAttributesW(sign) != INVALID_FILE_ATTRIBUTES;
    StringCchCopyW(StartMenuFolder, kFolderNameChars, korean ? kKoreanStartMenu : kEnglishStartMenu);
    StringCchCopyW(ProgramsFolder, kFolderNameChars, korean ? kKoreanPrograms : kEnglishPrograms);
}

bool IsFolder(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsHidden(const WIN32_FIND_DATAW& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

// The folder of a kind, below "\Windows".
bool FolderOfKind(int kind, wchar_t* folder, size_t chars)
{
    if (kind == kStartMenuKind)
        return SUCCEEDED(StringCchPrintfW(folder, chars, L"\\Windows\\%ls", StartMenuFolder));
    if (kind == kProgramsKind)
        return SUCCEEDED(StringCchPrintfW(folder, chars, L"\\Windows\\%ls\\%ls", StartMenuFolder, ProgramsFolder));
    if (kind < 0 || kind >= ProgramSubfolderCount)
        return false;
    return SUCCEEDED(StringCchPrintfW(folder, chars, L"\\Windows\\%ls\\%ls\\%ls", StartMenuFolder, ProgramsFolder,
                                      ProgramSubfolders[kind]));
}

bool FormatPath(int kind, const wchar_t* name, const wchar_t* extension, wchar_t* path, size_t chars)
{
    wchar_t folder[MAX_PATH];
    return FolderOfKind(kind, folder, MAX_PATH) &&
           SUCCEEDED(StringCchPrintfW(path, chars, L"%ls\\%ls%ls", folder, name, extension));
}

bool Full()
{
    return ShortcutCandidateCount >= kMaxShortcutCandidates;
}

void AddItem(HWND list, const wchar_t* text, const wchar_t* extension, int kind)
{
    ShortcutCandidate& candidate = ShortcutCandidates[ShortcutCandidateCount++];
    StringCchCopyW(candidate.extension, kCandidateExtensionChars, extension);
    candidate.kind = kind;
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void AddHeader(HWND list, const wchar_t* text, int kind)
{
    if (!Full())
        AddItem(list, text, L"", kind);
}

// A file of the folder, offered by its name without the extension.
void AddFile(HWND list, const wchar_t* fileName, int kind)
{
    wchar_t base[MAX_PATH];
    wchar_t extension[MAX_PATH];
    SplitFileExtension(fileName, base, MAX_PATH, extension, MAX_PATH);
    wchar_t path[kShortcutPathChars];
    wchar_t text[MAX_PATH + kIndentChars];
    if (Full() || wcslen(extension) >= kCandidateExtensionChars ||
        !FormatPath(kind, base, extension, path, kShortcutPathChars) ||
        FAILED(StringCchPrintfW(text, ARRAYSIZE(text), L"%ls%ls", kItemIndent, base)))
        return;
    AddItem(list, text, extension, kind);
}

void AddSubfolder(const wchar_t* name)
{
    if (ProgramSubfolderCount < kMaxProgramSubfolders && wcslen(name) < kFolderNameChars)
        StringCchCopyW(ProgramSubfolders[ProgramSubfolderCount++], kFolderNameChars, name);
}

// Each entry of the kind's folder to the handler.
template <typename Handler>
void ListFolder(int kind, Handler handle)
{
    wchar_t folder[MAX_PATH];
    wchar_t pattern[MAX_PATH];
    if (!FolderOfKind(kind, folder, MAX_PATH) ||
        FAILED(StringCchPrintfW(pattern, MAX_PATH, L"%ls\\*.*", folder)))
        return;
    WIN32_FIND_DATAW entry = {};
    HANDLE find = FindFirstFile(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        handle(entry);
    } while (!Full() && FindNextFile(find, &entry));
    FindClose(find);
}

void AddFilesOf(HWND list, int kind)
{
    ListFolder(kind, [&](const WIN32_FIND_DATAW& entry) {
        if (!IsFolder(entry) && !IsHidden(entry))
            AddFile(list, entry.cFileName, kind);
    });
}

}  // namespace

void BuildShortcutCandidates(HWND list)
{
    ChooseFolderNames();
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    ShortcutCandidateCount = 0;
    ProgramSubfolderCount = 0;

    AddHeader(list, kStartMenuHeader, kStartMenuKind);
    AddFilesOf(list, kStartMenuKind);

    AddHeader(list, kProgramsHeader, kProgramsKind);
    ListFolder(kProgramsKind, [&](const WIN32_FIND_DATAW& entry) {
        if (IsFolder(entry))
            AddSubfolder(entry.cFileName);
        else if (!IsHidden(entry))
            AddFile(list, entry.cFileName, kProgramsKind);
    });

    for (int k = 0; k < ProgramSubfolderCount && !Full(); ++k) {
        wchar_t header[kFolderNameChars + 1];
        StringCchPrintfW(header, ARRAYSIZE(header), L"%lc%ls", kHeaderMark, ProgramSubfolders[k]);
        AddHeader(list, header, k);
        AddFilesOf(list, k);
    }
}

bool IsCandidateHeader(const wchar_t* itemText)
{
    return itemText[0] == kHeaderMark;
}

bool CandidatePath(int item, const wchar_t* itemText, wchar_t* path, size_t chars)
{
    if (item < 0 || item >= ShortcutCandidateCount || IsCandidateHeader(itemText))
        return false;
    const wchar_t* name = itemText;
    for (size_t i = 0; i < kIndentChars && *name == L' '; ++i)
        ++name;
    const ShortcutCandidate& candidate = ShortcutCandidates[item];
    return FormatPath(candidate.kind, name, candidate.extension, path, chars);
}
