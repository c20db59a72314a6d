// The device's installer, as far as the system needs it: loads a setup DLL,
// calls its hooks around placing (or removing) the package's files, with a
// window of its own as their parent. Options: options.h. Exit codes:
//   0 done, 1 a hook cancelled or undid it, 2 a bad command line,
//   3 the setup DLL or the package list could not be read.
// Log lines ("InstallerHost: ..."): each hook call with its arguments and
// answer, the files placed, each box answered, the outcome.
#include "platform/installer_host/install_record.h"
#include "platform/installer_host/options.h"
#include "platform/installer_host/package.h"
#include "platform/installer_host/setup_dll.h"
#include "platform/installer_host/unattended.h"

#include <memory>

namespace installer {

namespace {

constexpr int kExitDone = 0;
constexpr int kExitCancelled = 1;
constexpr int kExitBadCommandLine = 2;
constexpr int kExitUnreadable = 3;

constexpr wchar_t kWindowClass[] = L"InstallerHost";
constexpr wchar_t kWindowTitle[] = L"설치";

wchar_t g_status[128] = L"";

LRESULT CALLBACK InstallerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextW(dc, g_status, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &paint);
        return 0;
    }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The hooks' parent: a plain window over the work area saying what runs.
HWND CreateParentWindow(HINSTANCE instance, const Options& options)
{
    _snwprintf(g_status, ARRAYSIZE(g_status) - 1, L"%ls %ls 중...", options.name.c_str(),
               options.action == Action::kInstall ? L"설치" : L"제거");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = InstallerWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_WAIT);
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);
    // Frameless at the default place: the device gives it the work area.
    HWND window = CreateWindowExW(0, kWindowClass, kWindowTitle, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    UpdateWindow(window);
    return window;
}

int Install(SetupDll& setup, const Options& options, const std::vector<PackageFile>& files, HWND parent)
{
    if (setup.InstallInit(parent, WasInstalled(options.name), options.installDir) != codeINSTALL_INIT_CONTINUE) {
        NKDbgPrintfW(L"InstallerHost: cancelled by Install_Init");
        return kExitCancelled;
    }
    PlaceCounts counts = PlaceFiles(files, options.packageFolder);
    NKDbgPrintfW(L"InstallerHost: placed %u file(s), %u failed", static_cast<unsigned>(files.size()),
                 counts.failedFiles);
    if (setup.InstallExit(parent, options.installDir, counts.failedDirs, counts.failedFiles) != codeINSTALL_EXIT_DONE) {
        RemoveFiles(files);
        NKDbgPrintfW(L"InstallerHost: undone at Install_Exit's request");
        return kExitCancelled;
    }
    RecordInstall(options.name, options.installDir);
    NKDbgPrintfW(L"InstallerHost: installed %ls", options.name.c_str());
    return kExitDone;
}

int Remove(SetupDll& setup, const Options& options, const std::vector<PackageFile>& files, HWND parent)
{
    if (setup.UninstallInit(parent, options.installDir) != codeUNINSTALL_INIT_CONTINUE) {
        NKDbgPrintfW(L"InstallerHost: removal cancelled by Uninstall_Init");
        return kExitCancelled;
    }
    RemoveFiles(files);
    ForgetInstall(options.name);
    setup.UninstallExit(parent);
    NKDbgPrintfW(L"InstallerHost: removed %ls", options.name.c_str());
    return kExitDone;
}

int Run(HINSTANCE instance, const wchar_t* commandLine)
{
    Options options;
    std::wstring error;
    if (!ParseOptions(commandLine, &options, &error)) {
        NKDbgPrintfW(L"InstallerHost: %ls", error.c_str());
        return kExitBadCommandLine;
    }
    std::vector<PackageFile> files;
    if (!options.packageList.empty() && !ReadPackageList(options.packageList, &files)) {
        NKDbgPrintfW(L"InstallerHost: the package list %ls could not be read", options.packageList.c_str());
        return kExitUnreadable;
    }
    HWND parent = CreateParentWindow(instance, options);
    std::unique_ptr<UnattendedBoxes> boxes;
    if (options.unattended)
        boxes = std::make_unique<UnattendedBoxes>();
    int result = kExitUnreadable;
    {
        SetupDll setup;
        if (setup.Load(options.setupDll))
            result = options.action == Action::kInstall ? Install(setup, options, files, parent)
                                                        : Remove(setup, options, files, parent);
    }
    DestroyWindow(parent);
    return result;
}

}  // namespace

}  // namespace installer

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return installer::Run(instance, GetCommandLineW());
}
