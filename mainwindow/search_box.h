// The contact view's search box: Enter leaves it for the contact list, and
// the list follows a Hangul syllable while it is still being composed.
#pragma once

#include "platform/ce.h"

// Installs SearchEditSubclassProc on the box, keeping its procedure.
void SubclassContactSearchBox(HWND box);

// Every message, changed or not, goes on to the box's own procedure.
LRESULT CALLBACK SearchEditSubclassProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam);
