// The DLLs that hosts load and free again and again leave the process as
// they found it: the Today item loaded, made and unloaded 2,000 times in
// this process, as the Today host does at each change of its options, and
// the phone library and the setup hooks 500 times each, with the process's
// free TLS indexes counted before and after.
#include "platform/ce.h"
#include "platform/outlook/poom.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kReloads = 2000;
// The phone library and the setup hooks are lighter and loaded less often.
constexpr int kLibraryReloads = 500;

// How many TLS indexes the process can still take.
int FreeTlsIndexes()
{
    std::vector<DWORD> taken;
    for (DWORD index = TlsAlloc(); index != TLS_OUT_OF_INDEXES; index = TlsAlloc())
        taken.push_back(index);
    for (DWORD index : taken)
        TlsFree(index);
    return static_cast<int>(taken.size());
}

template <class Function>
Function Export(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Loads the DLL, uses it, frees it, the given number of times; false at
// the first load that fails.
bool Reload(const wchar_t* dll, int times, const std::function<void(HMODULE)>& use)
{
    const std::wstring path = testkit::BuiltProgram(dll);
    for (int i = 0; i < times; ++i) {
        HMODULE module = LoadLibraryW(path.c_str());
        if (!module) {
            ADD_FAILURE() << "load " << i << " failed: " << GetLastError();
            return false;
        }
        use(module);
        FreeLibrary(module);
    }
    return true;
}

// The host's own session keeps Pocket Outlook's objects loaded between the
// item's loads, as on the device, where the shell's process holds them.
class Reloads : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, 0);
        if (SUCCEEDED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                       reinterpret_cast<void**>(&outlook))))
            outlook->Logon(0);
    }
    static void TearDownTestSuite()
    {
        if (outlook) {
            outlook->Logoff();
            outlook->Release();
        }
        outlook = nullptr;
    }
    static IPOutlookApp* outlook;
};

IPOutlookApp* Reloads::outlook = nullptr;

TEST_F(Reloads, TheTodayItemTwoThousandTimesInOneHost)
{
    WNDCLASSW hostClass = {};
    hostClass.lpfnWndProc = DefWindowProcW;
    hostClass.hInstance = GetModuleHandleW(nullptr);
    hostClass.lpszClassName = L"ReloadTestHost";
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(0, L"ReloadTestHost", L"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr,
                                hostClass.hInstance, nullptr);
    ASSERT_TRUE(host);
    int made = 0;
    auto makeAndDestroy = [&](HMODULE module) {
        auto initialize = Export<PFNCUSTOMINITIALIZEITEM>(module, MAKEINTRESOURCEA(ORDINAL_INITIALIZEITEM));
        TODAYLISTITEM record = {};
        record.hinstDLL = module;
        record.fEnabled = TRUE;
        HWND item = initialize ? initialize(&record, host) : nullptr;
        if (!item)
            return;
        ++made;
        SendMessageW(item, WM_TODAYCUSTOM_CLEARCACHE, reinterpret_cast<WPARAM>(&record), 0);
        DestroyWindow(item);
    };
    // The first load also starts what the process keeps for good (COM's
    // own state among it).
    ASSERT_TRUE(Reload(L"Glimmor.dll", 1, makeAndDestroy));
    const int before = FreeTlsIndexes();
    const DWORD start = GetTickCount();
    ASSERT_TRUE(Reload(L"Glimmor.dll", kReloads, makeAndDestroy));
    std::printf("%d reloads in %lu ms\n", kReloads, GetTickCount() - start);
    EXPECT_EQ(made, kReloads + 1);
    EXPECT_EQ(FreeTlsIndexes(), before);
    DestroyWindow(host);
}

TEST_F(Reloads, ThePhoneLibraryAndTheSetupHooks)
{
    const int before = FreeTlsIndexes();
    ASSERT_TRUE(Reload(L"Telvo.dll", kLibraryReloads, [](HMODULE module) {
        auto version = Export<const wchar_t* (*)()>(module, "Telvo_EXT_GetDLLVersion");
        ASSERT_TRUE(version);
        version();
    }));
    EXPECT_EQ(FreeTlsIndexes(), before);
    ASSERT_TRUE(Reload(L"QuillonSetup.dll", kLibraryReloads, [](HMODULE module) {
        auto init = Export<int(WINAPI*)(HWND, BOOL, BOOL, LPCWSTR)>(module, "Install_Init");
        ASSERT_TRUE(init);
        init(nullptr, TRUE, FALSE, L"\\Program Files\\Quillon");
    }));
    EXPECT_EQ(FreeTlsIndexes(), before);
}

}  // namespace
