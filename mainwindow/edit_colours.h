// The colours the main window gives its frames and labels (WM_CTLCOLOREDIT).
#pragma once

#include "platform/ce.h"

// Sets the text and background colours of the control's device context and
// returns the background brush; null (nothing set) for a control without
// colours of its own.
HBRUSH OnMainCtlColorEdit(HDC dc, HWND control);
