// Items' options dialogs: the item DLL's dialog 500 run with its ordinal
// 241, chosen from the Today screen's context menu.
#pragma once

#include "platform/today_host/state.h"

namespace todayhost {

// A menu of the items that have options, at the screen point.
void ShowOptionsMenu(POINT screenPoint);
// Runs the options dialog of the item at the index (modal); false when the
// item has none.
bool RunOptionsDialog(int index);

}  // namespace todayhost
