// The memo editor (dialog 352): an own memo with its date and category, or
// a Notes file in a note folder, typed or inked in a Rich Ink body.
#pragma once

#include "platform/ce.h"

#include <string>

INT_PTR CALLBACK MemoEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Whether the title can name a Notes file in the folder: none of
// \ / : * ? " < > | and the whole path within MAX_PATH.
bool NoteTitleUsable(const std::wstring& folder, const std::wstring& title);
