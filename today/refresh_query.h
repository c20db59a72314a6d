// The answer to the Today screen's refresh query.
#pragma once

#include "today/state.h"

enum class RefreshAnswer {
    Nothing,        // 0
    NewHeight,      // 1: the record's height := the item height
    StatusChanged,  // 1: the record's height is set only when it is 0
};

// A pending height first (cleared by this answer alone); then, with the
// status line on, a change of the battery percentage, or of the memory or
// storage figures against the ones last painted.
RefreshAnswer DecideRefresh();
