// The contact editor (dialog 104): a new contact, one of the company shown,
// or the contact loaded into the form, saved to Pocket Outlook and shown
// again in the contact view.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK ContactEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
