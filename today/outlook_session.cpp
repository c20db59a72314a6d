#include "today/outlook_session.h"

#include "core/build_variant.h"
#include "core/outlook_probes.h"

namespace {

constexpr wchar_t kDiaryVolumePath[] = L"\\pim.vol";
constexpr wchar_t kDebugCaption[] = L"DEBUG";

bool VolumeMounted = false;
bool ObjectStoreInUse = false;
bool ComStarted = false;
bool LoggedOn = false;

void ShowDebugBox(HWND window, LPCWSTR text)
{
    MessageBoxW(window, text, kDebugCaption, MB_OK);
}

void MountVolume()
{
    if (OlderPlatformBuild) {
        // Everything, Pocket Outlook's databases too, is in the object store.
        UseObjectStoreForDiary();
        ObjectStoreInUse = true;
        return;
    }
    DiaryVolume = CEGUID();
    VolumeMounted = CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(kDiaryVolumePath), OPEN_ALWAYS) != FALSE;
    if (!VolumeMounted) {
        NKDbgPrintfW(L"Glimmor: \\pim.vol could not be mounted (%lu)\r\n", GetLastError());
        return;
    }
    DiarySession = CeCreateSession(&DiaryVolume);
    if (DiarySession == INVALID_HANDLE_VALUE)
        DiarySession = nullptr;
}

void LogOn(HWND window)
{
    if (FAILED(CoInitializeEx(nullptr, 0))) {
        ShowDebugBox(window, L"CoInitializeEx Error");
        return;
    }
    ComStarted = true;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        !OutlookApp) {
        OutlookApp = nullptr;
        ShowDebugBox(window, L"CoCreateInstance Error");
        return;
    }
    if (FAILED(OutlookApp->Logon(static_cast<long>(reinterpret_cast<LONG_PTR>(window))))) {
        // Without a session the item goes on without Pocket Outlook's data,
        // as when the object could not be made.
        OutlookApp->Release();
        OutlookApp = nullptr;
        ShowDebugBox(window, L"Logon Error");
        return;
    }
    LoggedOn = true;
}

}  // namespace

void OpenPocketOutlook(HWND window)
{
    MountVolume();
    if (VolumeMounted || ObjectStoreInUse)
        OpenOutlookDatabasesWithNotify(window);
    LogOn(window);
}

void ClosePocketOutlook()
{
    CloseOutlookDatabases();
    if (OutlookApp) {
        if (LoggedOn && FAILED(OutlookApp->Logoff()))
            ShowDebugBox(ItemWindow, L"Logoff Error");
        OutlookApp->Release();
        OutlookApp = nullptr;
    }
    LoggedOn = false;
    if (ComStarted)
        CoUninitialize();
    ComStarted = false;
    if (DiarySession)
        CloseHandle(DiarySession);
    DiarySession = nullptr;
    if (VolumeMounted) {
        CeFlushDBVol(&DiaryVolume);
        CeUnmountDBVol(&DiaryVolume);
    }
    VolumeMounted = false;
}
