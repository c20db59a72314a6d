// The contact import (dialog 205 "연락처 가져오기"): the contacts of the
// cache ticked in a list, and the question whether to import them.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK ContactImportDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Command 40030: the dialog, modal over the main window; after an import
// the contact view with every contact.
void RunContactImport(HWND owner);
