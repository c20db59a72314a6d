// The item's four image lists and its white brush.
#pragma once

#include "today/state.h"

// Builds each list not yet made from "\Windows\" + the "Quillon Icon"
// prefix + "12.bmp", "16.bmp", "16W.bmp" and "32W.bmp" (magenta masked),
// and the white brush. A missing file leaves its list empty.
void LoadIconImageLists();
void FreeIconImageLists();
// Forgets the fetched icons of the shortcuts (fetched again when painted).
void FreeShortcutIcons();
