// The main window's procedure.
#pragma once

#include "platform/ce.h"

LRESULT CALLBACK MainWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
