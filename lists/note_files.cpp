#include "lists/note_files.h"

#include "core/link_tables.h"

#include <string>

namespace {

constexpr wchar_t kOpenErrorCaption[] = L"Open Error:";
constexpr wchar_t kSaveErrorCaption[] = L"Save Error:";
constexpr wchar_t kCannotCreate[] = L"Could not create file";
constexpr wchar_t kCannotSize[] = L"Could not determine file size";
constexpr wchar_t kCannotWrite[] = L"Could not write file";
constexpr wchar_t kNotesProgram[] = L"\\Windows\\Notes.exe";
constexpr wchar_t kTemporaryPrefix[] = L"pwi";

void ShowFileError(HWND control, LPCWSTR text, LPCWSTR caption)
{
    HWND owner = control ? GetAncestor(control, GA_ROOT) : nullptr;
    MessageBoxW(owner, text, caption, MB_OK);
}

// The folder part of a path, without the backslash before the name.
std::wstring FolderOf(LPCWSTR path)
{
    std::wstring text = path;
    const size_t slash = text.rfind(L'\\');
    return slash == std::wstring::npos ? L"." : text.substr(0, slash == 0 ? 1 : slash);
}

class FileHandle {
public:
    explicit FileHandle(HANDLE file) : file_(file) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return file_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return file_; }
    bool Close()
    {
        bool closed = true;
        if (Valid())
            closed = CloseHandle(file_) != 0;
        file_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE file_;
};

}  // namespace

DWORD CALLBACK ReadNoteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* note = reinterpret_cast<NoteFileCookie*>(cookie);
    DWORD read = 0;
    *done = 0;
    if (count > 0 && !ReadFile(note->file, buffer, static_cast<DWORD>(count), &read, nullptr)) {
        note->error = GetLastError() ? GetLastError() : ERROR_READ_FAULT;
        return note->error;
    }
    *done = static_cast<LONG>(read);
    return 0;
}

DWORD CALLBACK WriteNoteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* note = reinterpret_cast<NoteFileCookie*>(cookie);
    DWORD written = 0;
    *done = 0;
    const DWORD wanted = count > 0 ? static_cast<DWORD>(count) : 0;
    if (wanted && (!WriteFile(note->file, buffer, wanted, &written, nullptr) || written != wanted)) {
        note->error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        return note->error;
    }
    *done = static_cast<LONG>(written);
    return 0;
}

bool StreamNoteFileIn(HWND control, LPCWSTR path)
{
    FileHandle file(CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        ShowFileError(control, kCannotCreate, kOpenErrorCaption);
        return false;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size)) {
        ShowFileError(control, kCannotSize, kOpenErrorCaption);
        return false;
    }
    NoteFileCookie cookie = {file.Get(), 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = ReadNoteFileCallback;
    SendMessageW(control, EM_STREAMIN, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0 && cookie.error == 0;
}

bool SaveRichInkToNoteFile(HWND control, LPCWSTR path)
{
    wchar_t temporary[MAX_PATH] = L"";
    if (!path || !GetTempFileNameW(FolderOf(path).c_str(), kTemporaryPrefix, 0, temporary)) {
        ShowFileError(control, kCannotCreate, kSaveErrorCaption);
        return false;
    }
    FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        DeleteFileW(temporary);
        ShowFileError(control, kCannotCreate, kSaveErrorCaption);
        return false;
    }
    NoteFileCookie cookie = {file.Get(), 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = WriteNoteFileCallback;
    SendMessageW(control, EM_STREAMOUT, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
    const bool streamed = IsWindow(control) && stream.dwError == 0 && cookie.error == 0;
    const bool closed = file.Close();
    if (!streamed || !closed || !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary);
        ShowFileError(control, kCannotWrite, kSaveErrorCaption);
        return false;
    }
    return true;
}

bool DeleteNoteFileAt(LPCWSTR path)
{
    DeleteFileW(path);
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES)
        return false;
    DeleteNoteFileLink(path);
    return true;
}

bool StartNotesProgram(LPCWSTR path)
{
    std::wstring commandLine = path;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(kNotesProgram, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
