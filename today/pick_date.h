// The pick-date pop-up (dialog 106, command 40011): a month calendar whose
// picked day becomes the first day of the schedule view.
#pragma once

#include "today/state.h"

void ShowPickDateDialog();
