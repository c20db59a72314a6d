// The Today screen's window: a top-level window over the device's work
// area that stacks the items, answers their colour and watermark requests,
// asks them for their height every 2 s and reloads them on the setting
// change 0xF2.
#pragma once

#include "platform/ce.h"

namespace todayhost {

constexpr wchar_t kHostClass[] = L"TodayHost";
constexpr wchar_t kHostTitle[] = L"오늘";

// Registers the class and makes the window (shown, items not loaded yet).
HWND CreateHostWindow(HINSTANCE instance);

}  // namespace todayhost
