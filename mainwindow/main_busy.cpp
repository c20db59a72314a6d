#include "mainwindow/main_busy.h"

#include "mainwindow/state.h"

namespace {

int g_commandsRunning = 0;
int g_menuLoops = 0;

}  // namespace

CommandScope::CommandScope()
{
    ++g_commandsRunning;
}

CommandScope::~CommandScope()
{
    --g_commandsRunning;
}

void EnterMainMenuLoop()
{
    ++g_menuLoops;
}

void LeaveMainMenuLoop()
{
    if (g_menuLoops > 0)
        --g_menuLoops;
}

bool MainWindowBusy()
{
    return g_commandsRunning > 0 || g_menuLoops > 0 || (MainWindow && !IsWindowEnabled(MainWindow));
}
