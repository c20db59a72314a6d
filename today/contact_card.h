// The contact card (dialog 102) of a row's linked contact: its name lines,
// numbers and e-mail address, with the edit, dial and mail requests.
#pragma once

#include "today/state.h"

// Shows the contact linked to entry (TopRow + screen row) of the current
// view's table; nothing without a linked contact or when it is gone.
void ShowContactCard(int entry);
