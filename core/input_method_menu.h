// The pop-up that switches the soft input panel's input method from inside
// an editor, and what its commands do.
#pragma once

#include "core/state.h"

// Lists the installed input methods (at most kMaxInputMethods) in
// InputMethodList and as the items of menu 382, commands 41000 + n, the
// current method checked, and tracks the pop-up for the owner at
// (240, 293 - 19 x count). False when the menu could not be loaded.
bool ShowInputMethodMenu(HWND owner);

// For a command of the last pop-up (41000 + n, n < InputMethodList.count)
// makes entry n the current input method; false for any other command or
// when the panel refuses it.
bool ChooseInputMethodCommand(UINT command);

// True when the two class ids are the same 16 bytes.
bool SameInputMethodId(const CLSID* first, const CLSID* second);

// Appends one method to InputMethodList, its name cut to the slot; stops the
// enumeration (returns 0) once the list is full.
int EnumInputMethodsCallback(IMENUMINFO* info);
