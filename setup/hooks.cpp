// The installer's four hooks. Installing registers the Today item, makes the
// Start-menu shortcuts and leaves the first-run marker for the Today item;
// removing takes them away again. Both end with a soft reset, so that the
// Today screen starts afresh. Every hook answers "continue"; a step that
// fails is logged and the next one runs still.
#include "core/build_variant.h"
#include "setup/program_shortcuts.h"
#include "setup/today_item_key.h"

#include <strsafe.h>

#include <type_traits>

namespace {

constexpr wchar_t kBoxCaption[] = L"알림";
constexpr wchar_t kInstalledText[] = L"Vestamor 다이어리가 설치되었습니다.";
constexpr wchar_t kRemovedText[] = L"Vestamor 다이어리가 제거되었습니다.";

// The Today item starts the main program once when it finds this file.
constexpr wchar_t kFirstRunMarker[] = L"\\Windows\\Glimmor.$$$";
constexpr char kFirstRunMarkerBytes[] = {'$', '$', '$'};

constexpr wchar_t kSettingsFileName[] = L"Quillon.ini";

void LeaveFirstRunMarker()
{
    HANDLE file = CreateFileW(kFirstRunMarker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = file != INVALID_HANDLE_VALUE &&
              WriteFile(file, kFirstRunMarkerBytes, sizeof(kFirstRunMarkerBytes), &written, nullptr) &&
              written == sizeof(kFirstRunMarkerBytes);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!ok)
        NKDbgPrintfW(L"QuillonSetup: the first-run marker could not be written (error %lu)", GetLastError());
}

// The settings file of the installation folder; "\Windows\Quillon.ini" is
// another program's and stays.
void DeleteSettingsFile(LPCWSTR installDir)
{
    wchar_t path[MAX_PATH];
    if (!installDir || !installDir[0] ||
        FAILED(StringCchPrintfW(path, MAX_PATH, L"%ls\\%ls", installDir, kSettingsFileName))) {
        NKDbgPrintfW(L"QuillonSetup: no installation folder to delete %ls from", kSettingsFileName);
        return;
    }
    if (!DeleteFileW(path) && GetLastError() != ERROR_FILE_NOT_FOUND)
        NKDbgPrintfW(L"QuillonSetup: %ls could not be deleted (error %lu)", path, GetLastError());
}

void SoftReset()
{
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
#if defined(QUILLON_OLDER_BUILD)
    OlderPlatformBuild = true;
#endif
    return TRUE;
}

extern "C" codeINSTALL_INIT WINAPI Install_Init(HWND, BOOL, BOOL, LPCWSTR)
{
    // A key left by an earlier installation is written afresh at the end.
    DeleteTodayItemKey();
    return codeINSTALL_INIT_CONTINUE;
}

extern "C" codeINSTALL_EXIT WINAPI Install_Exit(HWND parent, LPCWSTR installDir, WORD, WORD, WORD, WORD, WORD)
{
    MakeProgramShortcuts(installDir);
    LeaveFirstRunMarker();
    MessageBoxW(parent, kInstalledText, kBoxCaption, MB_OK);
    RegisterTodayItem();
    AnnounceTodayItemsChanged();
    SoftReset();
    return codeINSTALL_EXIT_DONE;
}

extern "C" codeUNINSTALL_INIT WINAPI Uninstall_Init(HWND, LPCWSTR installDir)
{
    DeleteSettingsFile(installDir);
    DeleteTodayItemKey();
    AnnounceTodayItemsChanged();
    return codeUNINSTALL_INIT_CONTINUE;
}

extern "C" codeUNINSTALL_EXIT WINAPI Uninstall_Exit(HWND parent)
{
    DeleteProgramShortcuts();
    MessageBoxW(parent, kRemovedText, kBoxCaption, MB_OK);
    SoftReset();
    return codeUNINSTALL_EXIT_DONE;
}

// The installer calls them through these types.
static_assert(std::is_same_v<decltype(&Install_Init), PFN_INSTALL_INIT>);
static_assert(std::is_same_v<decltype(&Install_Exit), PFN_INSTALL_EXIT>);
static_assert(std::is_same_v<decltype(&Uninstall_Init), PFN_UNINSTALL_INIT>);
static_assert(std::is_same_v<decltype(&Uninstall_Exit), PFN_UNINSTALL_EXIT>);
