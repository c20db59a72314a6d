// The item editors, found by their dialog id: each editor registers its
// dialog procedure at start-up, and the item commands run it.
#pragma once

#include "platform/ce.h"

// Registers (or replaces) the procedure of the editor dialog; null removes it.
void RegisterItemEditor(int dialogId, DLGPROC procedure);
// The procedure registered for the dialog, or null.
DLGPROC ItemEditorProcedure(int dialogId);

// Stores the edit mode, then runs the editor dialog modally from its
// resource with the owner given; its result is not looked at. False, with
// the mode stored and nothing run, when no editor is registered for it or its
// dialog cannot be made.
bool RunItemEditor(HWND owner, int dialogId, wchar_t editMode);
