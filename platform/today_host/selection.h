// Keys on the Today screen: up and down move the selection from item to
// item, an item that handles keys is asked first, the action key goes to
// the selected item.
#pragma once

#include "platform/today_host/state.h"

namespace todayhost {

void OnHostKey(UINT virtualKey);

}  // namespace todayhost
