// Commands of the Today host's window (WM_COMMAND), for its context menu and
// for whoever drives it: the options dialog of the item at an index.
#pragma once

namespace todayhost {

constexpr unsigned kCommandOptionsFirst = 0x4100;  // + the item's index in the stack
constexpr unsigned kMaxItems = 64;

}  // namespace todayhost
