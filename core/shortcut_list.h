// The Today shortcut list of QuillonShortcut.
#pragma once

#include "core/state.h"

// Fills ShortcutPathTable and ShortcutPathCount with the paths of the
// records numbered 1, 2, ... in order (at most 20). A list that does not
// start at number 1 is empty. A path too long for its slot is left out.
void LoadShortcutList();
