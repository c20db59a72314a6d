#include "mainwindow/toolbar_window.h"

#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

constexpr UINT kCommandCount = ID_ITEM_COMMAND_LAST - ID_ITEM_COMMAND_FIRST + 1;

// Filled by the parts of the program that carry the commands out: the
// contact, schedule, anniversary, task and memo commands and the dialing.
ItemCommandHandler g_handlers[kCommandCount] = {};

bool IsItemCommand(UINT command)
{
    return command >= ID_ITEM_COMMAND_FIRST && command <= ID_ITEM_COMMAND_LAST;
}

}  // namespace

bool RegisterItemCommand(UINT command, ItemCommandHandler handler)
{
    if (!IsItemCommand(command))
        return false;
    g_handlers[command - ID_ITEM_COMMAND_FIRST] = handler;
    return true;
}

ItemCommandHandler RegisteredItemCommand(UINT command)
{
    return IsItemCommand(command) ? g_handlers[command - ID_ITEM_COMMAND_FIRST] : nullptr;
}

void SendItemCommand(UINT command)
{
    if (ToolbarWindow)
        SendMessageW(ToolbarWindow, WM_COMMAND, command, 0);
}

LRESULT CALLBACK ToolbarWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (ItemCommandHandler handler = RegisteredItemCommand(LOWORD(wParam)))
            handler(window, LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
