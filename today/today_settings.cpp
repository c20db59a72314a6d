#include "today/today_settings.h"

#include "core/registry.h"
#include "core/settings_file.h"
#include "today/request_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr wchar_t kColourFile[] = L"\\Windows\\Glimmor.ini";
constexpr wchar_t kFirstRunMarker[] = L"\\Windows\\Glimmor.$$$";
constexpr wchar_t kViewModeFile[] = L"\\Windows\\GlimmorM.ini";
constexpr wchar_t kInstallDirValue[] = L"Quillon InstallDir";
constexpr int kOldestLayoutBytes = 118;
constexpr int32_t kOldestLayoutDateStyle = 2;
constexpr int kViewModeBytes = 2;
constexpr int kRowsBeyondLines = 3;

bool WriteSmallFile(LPCWSTR path, const char* bytes, DWORD count)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes, count, &written, nullptr);
    CloseHandle(file);
    return ok && written == count;
}

void WriteColourFile(COLORREF colour)
{
    char text[16];
    int count = _snprintf(text, sizeof(text), "%9d", static_cast<int>(colour));
    if (count > 0 && !WriteSmallFile(kColourFile, text, static_cast<DWORD>(count)))
        NKDbgPrintfW(L"Glimmor: %ls could not be written\r\n", kColourFile);
}

void StartOnFirstRun()
{
    // Only a marker that is gone now starts the program: it starts once.
    if (GetFileAttributesW(kFirstRunMarker) != INVALID_FILE_ATTRIBUTES && DeleteFileW(kFirstRunMarker))
        StartMainProgram();
}

}  // namespace

void ReadTodaySettings(COLORREF todayTextColor)
{
    MainProgramFolder[0] = L'\0';
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kInstallDirValue, L"", MainProgramFolder,
                       sizeof(MainProgramFolder));
    TodayTextColor = todayTextColor;
    int bytes = 0;
    Settings = ReadSettingsFile(todayTextColor, &bytes);
    if (bytes == kOldestLayoutBytes)
        Settings.TodayDateStyle = kOldestLayoutDateStyle;
    RowsShown = std::clamp(Settings.TodayLines + kRowsBeyondLines, 1, kMaxRowsShown);
    WriteColourFile(todayTextColor);
    StartOnFirstRun();
}

int LoadViewMode()
{
    char text[kViewModeBytes + 1] = {};
    DWORD got = 0;
    HANDLE file = CreateFileW(kViewModeFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kViewSchedule;
    char extra = 0;
    DWORD more = 0;
    bool exact = ReadFile(file, text, kViewModeBytes, &got, nullptr) && got == kViewModeBytes &&
                 ReadFile(file, &extra, 1, &more, nullptr) && more == 0;
    CloseHandle(file);
    int mode = -1;
    if (!exact || sscanf(text, "%2d", &mode) != 1 || mode < 0 || mode >= kViewModeCount)
        return kViewSchedule;
    return mode;
}

void SaveViewMode()
{
    char text[8];
    int count = _snprintf(text, sizeof(text), "%2d", ViewMode);
    if (count > 0)
        WriteSmallFile(kViewModeFile, text, static_cast<DWORD>(count));
}
