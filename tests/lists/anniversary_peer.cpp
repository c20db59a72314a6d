// A second device process for the anniversary save tests: saves one
// anniversary with its mirror, killed inside a store write when asked.
//   anniversary_peer <store writes let through before the kill, -1 for none>
// The exit code is 0 when the save succeeded, 1 when it failed, 7 when it
// was killed.
#include "core/anniversary_save.h"
#include "core/state.h"

#include <cwchar>

namespace {

constexpr UINT kKilled = 7;
wchar_t kVolumePath[] = L"\\pim.vol";

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    const int killAfter = _wtoi(argv[1]);
    if (!CeMountDBVol(&DiaryVolume, kVolumePath, OPEN_ALWAYS))
        return 3;
    DiarySession = CeCreateSession(&DiaryVolume);
    CoInitializeEx(nullptr, 0);
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0)))
        return 4;
    if (killAfter >= 0)
        CeStoreExitInsideLaterChange(static_cast<DWORD>(killAfter), kKilled);
    wchar_t time[6] = L"10:00";
    const bool saved = SaveNewAnniversary(1, L"철수", L'1', L"1990-05-01", L'0', L'0', L'1', 3, time, L"1990", L"05",
                                          L"01", L"메모");
    OutlookApp->Logoff();
    OutlookApp->Release();
    CoUninitialize();
    CloseHandle(DiarySession);
    CeUnmountDBVol(&DiaryVolume);
    return saved ? 0 : 1;
}
