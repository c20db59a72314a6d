// The item window's procedure.
#pragma once

#include "today/state.h"

LRESULT CALLBACK TodayItemWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
