#include "lists/memo_readers.h"

#include "core/contact_names.h"
#include "core/link_tables.h"
#include "core/record_layouts.h"
#include "lists/record_walk.h"

#include <cwchar>
#include <iterator>

namespace {

constexpr wchar_t kNoteExtension[] = L".pwi";
constexpr size_t kNoteExtensionChars = 4;
constexpr size_t kContactNameChars = 51;
// The notes library lists the storage cards by ordinal.
constexpr wchar_t kNotesLibrary[] = L"Note_prj.dll";
constexpr WORD kFindFirstCardOrdinal = 7;
constexpr WORD kFindNextCardOrdinal = 8;

// "yy-MM-dd" of a stored "yyyy-MM-dd" date.
std::wstring ShortMemoDate(const wchar_t* stored)
{
    std::wstring date = stored ? stored : L"";
    return date.size() > 2 ? date.substr(2, 8) : L"";
}

std::wstring ContactName(CEOID contactOid)
{
    wchar_t name[kContactNameChars] = L"";
    if (contactOid)
        ReadContactDisplayName(contactOid, name, std::size(name));
    return name;
}

bool AddMemoRow(const OwnRecord& record, bool withContact, MemoRowTable* table)
{
    MemoListRow row;
    row.memoId = record.I4(kNoteId);
    row.title = record.Text(kNoteTitle);
    row.date = ShortMemoDate(record.Text(kNoteDate));
    if (withContact)
        row.contactName = ContactName(static_cast<CEOID>(record.I4(kNoteContact)));
    return table->Add(std::move(row));
}

bool IsFolder(const WIN32_FIND_DATAW& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool HasNoteExtension(const wchar_t* name)
{
    const size_t length = wcslen(name);
    return length >= kNoteExtensionChars && _wcsicmp(name + length - kNoteExtensionChars, kNoteExtension) == 0;
}

std::wstring TitleOf(const wchar_t* fileName)
{
    return std::wstring(fileName, wcslen(fileName) - kNoteExtensionChars);
}

// The local "yyyy-MM-dd" and "yy-MM-dd" of a file's last write.
bool LocalFileDate(const FILETIME& written, std::wstring* fullDate, std::wstring* shortDate)
{
    SYSTEMTIME universal = {}, local = {};
    if (!FileTimeToSystemTime(&written, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return false;
    wchar_t text[16] = L"";
    _snwprintf(text, std::size(text) - 1, L"%04d-%02d-%02d", local.wYear, local.wMonth, local.wDay);
    *fullDate = text;
    *shortDate = fullDate->substr(2);
    return true;
}

// Every entry of a listing; visit returns false to stop.
template <class Visit>
void ListFolder(const std::wstring& pattern, Visit visit)
{
    if (pattern.size() >= MAX_PATH)
        return;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFile(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!visit(found))
            break;
    } while (FindNextFile(search, &found));
    FindClose(search);
}

// The rules every Notes-file row of the memo view shares.
struct FileRowRules {
    const MemoDateRange* range = nullptr;  // only files written within it
};

// Adds the "*.pwi" files of one folder; false once the table is full.
bool AddFilesOf(const std::wstring& folder, const std::wstring& folderName, const FileRowRules& rules,
                MemoRowTable* table)
{
    bool room = true;
    ListFolder(folder + L"\\*" + kNoteExtension, [&](const WIN32_FIND_DATAW& found) {
        if (IsFolder(found) || !HasNoteExtension(found.cFileName))
            return true;
        MemoListRow row;
        std::wstring fullDate;
        if (!LocalFileDate(found.ftLastWriteTime, &fullDate, &row.date))
            return true;
        if (rules.range && !InDateRange(fullDate, *rules.range))
            return true;
        row.folderPath = folder;
        row.folderName = folderName;
        row.title = TitleOf(found.cFileName);
        const std::wstring path = NoteFilePath(row);
        if (path.size() >= MAX_PATH)
            return true;
        wchar_t name[kContactNameChars] = L"";
        GetNoteFileLinkContact(path.c_str(), name, std::size(name));
        row.contactName = name;
        room = table->Add(std::move(row));
        return room;
    });
    return room;
}

std::wstring FolderPath(const NoteFolderEntry& entry)
{
    return entry.root + L"\\" + entry.name;
}

bool IsTemplateFolder(const NoteFolderEntry& entry, const std::wstring& documentFolder)
{
    return entry.root == documentFolder && entry.name == kTemplateFolder;
}

// Every root, then every note folder but the document folder's templates.
void AddAllNoteFiles(const NoteFolders& folders, const FileRowRules& rules, MemoRowTable* table)
{
    for (const auto& root : folders.roots) {
        if (!AddFilesOf(root, L"", rules, table))
            return;
    }
    const std::wstring documentFolder = folders.roots.empty() ? L"" : folders.roots[0];
    for (size_t i = 1; i < folders.folders.size(); ++i) {
        const NoteFolderEntry& entry = folders.folders[i];
        if (IsTemplateFolder(entry, documentFolder))
            continue;
        if (!AddFilesOf(FolderPath(entry), entry.name, rules, table))
            return;
    }
}

// The first-level folders of a root, added to the table.
void AddFoldersOf(const std::wstring& root, std::vector<NoteFolderEntry>* folders)
{
    ListFolder(root + L"\\*.*", [&](const WIN32_FIND_DATAW& found) {
        if (folders->size() >= static_cast<size_t>(kNoteFolderLimit))
            return false;
        if (IsFolder(found))
            folders->push_back(MakeNoteFolderEntry(root, found.cFileName));
        return true;
    });
}

// The storage cards as the notes library reports them, one folder each.
std::vector<std::wstring> StorageCardFolders()
{
    std::vector<std::wstring> cards;
    HMODULE library = LoadLibraryW(kNotesLibrary);
    if (!library)
        return cards;
    using FindFirstCard = HANDLE(WINAPI*)(LPWIN32_FIND_DATAW);
    using FindNextCard = BOOL(WINAPI*)(HANDLE, LPWIN32_FIND_DATAW);
    auto findFirst = reinterpret_cast<FindFirstCard>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kFindFirstCardOrdinal))));
    auto findNext = reinterpret_cast<FindNextCard>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kFindNextCardOrdinal))));
    WIN32_FIND_DATAW card = {};
    HANDLE search = findFirst && findNext ? findFirst(&card) : INVALID_HANDLE_VALUE;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (card.cFileName[0])
                cards.push_back(card.cFileName);
        } while (findNext(search, &card));
        FindClose(search);
    }
    FreeLibrary(library);
    return cards;
}

}  // namespace

void ReadMemosByDate(const MemoDateRange& range, MemoRowTable* table)
{
    WithOwnDatabase(kNoteDatabase, kNoteDate, [&](HANDLE database) {
        const CEPROPVAL from = TextValue(kNoteDate, range.from.c_str());
        WalkRecords(database, CEDB_SEEK_VALUEGREATEROREQUAL, &from, [&](const OwnRecord& record) {
            if (wcscmp(record.Text(kNoteDate), range.to.c_str()) > 0)
                return false;
            return AddMemoRow(record, true, table);
        });
    });
}

void ReadMemosByCategory(const std::wstring& category, bool allCategories, MemoRowTable* table)
{
    WithOwnDatabase(kNoteDatabase, kNoteCategory, [&](HANDLE database) {
        if (allCategories) {
            WalkRecords(database, 0, nullptr, [&](const OwnRecord& record) { return AddMemoRow(record, true, table); });
            return;
        }
        // The order ignores case: the run of the key holds its case variants,
        // of which only the exact ones are listed.
        const CEPROPVAL key = TextValue(kNoteCategory, category.c_str());
        WalkRecords(database, CEDB_SEEK_VALUEFIRSTEQUAL, &key, [&](const OwnRecord& record) {
            const wchar_t* stored = record.Text(kNoteCategory);
            if (_wcsicmp(stored, category.c_str()) != 0)
                return false;
            return category != stored || AddMemoRow(record, true, table);
        });
    });
}

void ReadContactMemos(CEOID contactOid, MemoRowTable* table)
{
    WithOwnDatabase(kNoteDatabase, kNoteContact, [&](HANDLE database) {
        const CEPROPVAL key = I4Value(kNoteContact, static_cast<int32_t>(contactOid));
        WalkRecords(database, CEDB_SEEK_VALUEFIRSTEQUAL, &key, [&](const OwnRecord& record) {
            if (static_cast<CEOID>(record.I4(kNoteContact)) != contactOid)
                return false;
            return AddMemoRow(record, false, table);
        });
    });
}

std::vector<NoteFolderEntry> ReadMemoCategoryNames()
{
    std::vector<NoteFolderEntry> names(1);
    WithOwnDatabase(kNoteDatabase, kNoteCategory, [&](HANDLE database) {
        const CEPROPVAL empty = TextValue(kNoteCategory, L"");
        WalkRecords(database, CEDB_SEEK_VALUEGREATER, &empty, [&](const OwnRecord& record) {
            AddDistinctCategory(&names, record.Text(kNoteCategory));
            return names.size() < static_cast<size_t>(kNoteFolderLimit);
        });
    });
    return names;
}

std::wstring NoteDocumentFolder()
{
    wchar_t path[MAX_PATH] = L"";
    if (!SHGetSpecialFolderPath(nullptr, path, CSIDL_PERSONAL, FALSE))
        return L"";
    return path;
}

NoteFolders FindNoteFolders()
{
    NoteFolders found;
    found.folders.resize(1);
    found.roots.push_back(NoteDocumentFolder().substr(0, kNotePathChars));
    for (const auto& card : StorageCardFolders()) {
        if (found.roots.size() >= static_cast<size_t>(kNoteRootLimit))
            break;
        found.roots.push_back(card.substr(0, kNotePathChars));
    }
    for (const auto& root : found.roots)
        AddFoldersOf(root, &found.folders);
    SortNoteFolders(&found.folders);
    return found;
}

void ReadNoteFilesByDate(const NoteFolders& folders, const MemoDateRange& range, MemoRowTable* table)
{
    FileRowRules rules;
    rules.range = &range;
    AddAllNoteFiles(folders, rules, table);
}

void ReadNoteFilesOfFolder(const NoteFolders& folders, int folderRow, MemoRowTable* table)
{
    if (folderRow <= 0) {
        AddAllNoteFiles(folders, FileRowRules(), table);
        return;
    }
    if (static_cast<size_t>(folderRow) >= folders.folders.size())
        return;
    const NoteFolderEntry& entry = folders.folders[folderRow];
    AddFilesOf(FolderPath(entry), entry.name, FileRowRules(), table);
}

void ReadContactNoteFiles(CEOID contactOid, MemoRowTable* table)
{
    WithOwnDatabase(kNoteFileLinkDatabase, kLinkContact, [&](HANDLE database) {
        const CEPROPVAL key = I4Value(kLinkContact, static_cast<int32_t>(contactOid));
        WalkRecords(database, CEDB_SEEK_VALUEFIRSTEQUAL, &key, [&](const OwnRecord& record) {
            if (static_cast<CEOID>(record.I4(kLinkContact)) != contactOid)
                return false;
            const std::wstring path = record.Text(kLinkPath);
            const size_t slash = path.rfind(L'\\');
            bool room = true;
            ListFolder(path, [&](const WIN32_FIND_DATAW& found) {
                if (IsFolder(found) || !HasNoteExtension(found.cFileName) || slash == std::wstring::npos)
                    return false;
                MemoListRow row;
                std::wstring fullDate;
                if (!LocalFileDate(found.ftLastWriteTime, &fullDate, &row.date))
                    return false;
                row.folderPath = path.substr(0, slash);
                row.title = TitleOf(found.cFileName);
                room = table->Add(std::move(row));
                return false;
            });
            return room;
        });
    });
}
