// The item's Pocket Outlook session: the database volume with the change
// notices of the three system databases, COM and the application object.
#pragma once

#include "today/state.h"

// Mounts "\pim.vol", opens the contacts, appointments and tasks databases
// with change notices to the window (parameters 11, 12, 13), starts COM and
// logs on. A failed COM step is shown in a "DEBUG" box; the item goes on
// without Pocket Outlook data.
void OpenPocketOutlook(HWND window);
// Undoes what OpenPocketOutlook made; a failed log-off is shown in a
// "DEBUG" box.
void ClosePocketOutlook();
