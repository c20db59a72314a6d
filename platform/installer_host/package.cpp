#include "platform/installer_host/package.h"

#include <algorithm>

namespace installer {

namespace {

constexpr size_t kMaxListBytes = 1 << 20;

std::wstring Utf8ToWide(const std::string& bytes)
{
    int chars = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(std::max(chars, 0)), L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), chars);
    return text;
}

bool ReadAll(const std::wstring& path, std::string* bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<size_t>(size.QuadPart) <= kMaxListBytes;
    if (ok) {
        bytes->resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = bytes->empty() || (ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &got, nullptr) &&
                                got == bytes->size());
    }
    CloseHandle(file);
    return ok;
}

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r';
}

std::wstring Trimmed(const std::wstring& text)
{
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

// "Program Files/Quillon" -> "\Program Files\Quillon"
std::wstring DeviceFolder(std::wstring folder)
{
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder.empty() || folder[0] != L'\\' ? L"\\" + folder : folder;
}

// Makes the folder and the ones above it; false when it is not there after.
bool MakeFolders(const std::wstring& folder)
{
    for (size_t at = folder.find(L'\\', 1); ; at = folder.find(L'\\', at + 1)) {
        std::wstring part = folder.substr(0, at);
        CreateDirectoryW(part.c_str(), nullptr);
        if (at == std::wstring::npos)
            break;
    }
    DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool ReadPackageList(const std::wstring& listPath, std::vector<PackageFile>* files)
{
    std::string bytes;
    if (!ReadAll(listPath, &bytes))
        return false;
    std::wstring text = Utf8ToWide(bytes);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == L'#')
            continue;
        size_t gap = line.find_first_of(L" \t");
        if (gap == std::wstring::npos) {
            NKDbgPrintfW(L"InstallerHost: list line \"%ls\" names no folder; skipped", line.c_str());
            continue;
        }
        files->push_back(PackageFile{line.substr(0, gap), DeviceFolder(Trimmed(line.substr(gap)))});
    }
    return true;
}

PlaceCounts PlaceFiles(const std::vector<PackageFile>& files, const std::wstring& sourceFolder)
{
    PlaceCounts counts;
    for (const PackageFile& file : files) {
        if (!MakeFolders(file.folder)) {
            NKDbgPrintfW(L"InstallerHost: folder %ls could not be made", file.folder.c_str());
            ++counts.failedDirs;
            ++counts.failedFiles;
            continue;
        }
        std::wstring source = sourceFolder + L"\\" + file.name;
        std::wstring target = file.folder + L"\\" + file.name;
        if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
            NKDbgPrintfW(L"InstallerHost: %ls could not be placed in %ls (error %lu)", file.name.c_str(),
                         file.folder.c_str(), GetLastError());
            ++counts.failedFiles;
        }
    }
    return counts;
}

void RemoveFiles(const std::vector<PackageFile>& files)
{
    for (const PackageFile& file : files)
        DeleteFileW((file.folder + L"\\" + file.name).c_str());
    // Only empty folders go; the device's own folders keep their other files.
    for (const PackageFile& file : files)
        RemoveDirectoryW(file.folder.c_str());
}

}  // namespace installer
