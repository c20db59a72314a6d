// What tests use to reach the store's failure paths, and the reset between
// test cases.
#include "platform/store/store_state.h"

#include <cwchar>

namespace store {

namespace {

bool g_failArmed = false;
std::wstring g_failDatabase;
DWORD g_failError = 0;
DWORD g_failSkips = 0;
bool g_failInsideArmed = false;
DWORD g_failInsideError = 0;
bool g_exitArmed = false;
DWORD g_exitSkips = 0;
UINT g_exitCode = 0;

void ResetStoreForTests()
{
    StoreGuard guard;
    StopNotifications();
    CloseAllHandles();
    CloseAllVolumes();
    ClearTestHooks();
}

const bool g_resetRegistered = (CeRegisterTestReset(&ResetStoreForTests), true);

}  // namespace

bool ChangeAllowed(const std::wstring& databaseName)
{
    if (!g_failArmed || _wcsicmp(databaseName.c_str(), g_failDatabase.c_str()) != 0)
        return true;
    if (g_failSkips > 0) {
        --g_failSkips;
        return true;
    }
    g_failArmed = false;
    SetLastError(g_failError ? g_failError : ERROR_DISK_FULL);
    return false;
}

void ExitIfAskedInsideChange()
{
    if (g_exitArmed && g_exitSkips > 0) {
        --g_exitSkips;
        return;
    }
    if (g_exitArmed)
        TerminateProcess(GetCurrentProcess(), g_exitCode);
}

bool FailedAsAskedInsideChange()
{
    if (!g_failInsideArmed)
        return false;
    g_failInsideArmed = false;
    SetLastError(g_failInsideError ? g_failInsideError : ERROR_DISK_FULL);
    return true;
}

void ClearTestHooks()
{
    g_failInsideArmed = false;
    g_failArmed = false;
    g_failDatabase.clear();
    g_exitArmed = false;
}

}  // namespace store

CEAPI void WINAPI CeStoreFailNextChange(LPCWSTR databaseName, DWORD errorCode)
{
    CeStoreFailLaterChange(databaseName, 0, errorCode);
}

CEAPI void WINAPI CeStoreFailLaterChange(LPCWSTR databaseName, DWORD changesBefore, DWORD errorCode)
{
    store::StoreGuard guard;
    store::g_failSkips = changesBefore;
    store::g_failArmed = databaseName != nullptr;
    store::g_failDatabase = databaseName ? databaseName : L"";
    store::g_failError = errorCode;
}

CEAPI void WINAPI CeStoreFailInsideNextChange(DWORD errorCode)
{
    store::StoreGuard guard;
    store::g_failInsideArmed = true;
    store::g_failInsideError = errorCode;
}

CEAPI void WINAPI CeStoreExitInsideNextChange(UINT exitCode)
{
    CeStoreExitInsideLaterChange(0, exitCode);
}

CEAPI void WINAPI CeStoreExitInsideLaterChange(DWORD changesBefore, UINT exitCode)
{
    store::StoreGuard guard;
    store::g_exitSkips = changesBefore;
    store::g_exitArmed = true;
    store::g_exitCode = exitCode;
}
