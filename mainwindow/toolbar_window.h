// The toolbar window's procedure: every item command (10001-10415), from a
// toolbar button, a menu, a list, the Today item or a command itself, runs
// here through the handler registered for its number.
#pragma once

#include "platform/ce.h"

constexpr wchar_t kToolbarClassName[] = L"Toolbar";

// A handler gets the toolbar window and the command number.
using ItemCommandHandler = void (*)(HWND toolbarWindow, UINT command);

// Registers the handler of one command (replacing any earlier one); a null
// handler unregisters it. Numbers outside 10001-10415 are refused (false).
bool RegisterItemCommand(UINT command, ItemCommandHandler handler);
ItemCommandHandler RegisteredItemCommand(UINT command);

// Sends the item command to ToolbarWindow and waits for it to finish.
void SendItemCommand(UINT command);

// WM_COMMAND runs the handler registered for the low word (a number without
// one does nothing) and returns 0; everything else goes to the default
// procedure.
LRESULT CALLBACK ToolbarWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
