// "\Windows\QuillonNote.ini": the category of the last own memo saved, one
// line of the device's code page, offered to the next new memo.
#pragma once

#include "platform/ce.h"

constexpr wchar_t kMemoCategoryFile[] = L"\\Windows\\QuillonNote.ini";

// The category into the buffer (cut to it; empty when there is no file).
// Only the file's first line is read, and at most a category's worth of it.
void ReadLastMemoCategory(wchar_t* category, size_t chars);
// Replaces the file with the category; false when it could not be written.
bool WriteLastMemoCategory(const wchar_t* category);
