// Entry point of the main program.
#include "backup/commands.h"
#include "mainwindow/message_loop.h"
#include "mainwindow/startup.h"
#include "resources/resource.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    InstallBackupHooks();
    if (!InitInstance(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return RunMessageLoop(accelerators);
}
