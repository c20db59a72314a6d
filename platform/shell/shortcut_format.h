// The reader and writer of the device's shortcut text (see shortcuts.h).
#pragma once

#include <windows.h>

namespace shell {

constexpr size_t kMaxShortcutBytes = 1024;

// The file's bytes for a target; false when the target is empty, too long or
// not representable in the ANSI code page.
bool EncodeShortcut(LPCWSTR target, char* out, size_t outBytes, size_t* written);

// The target from a file's bytes; false when they are not in the form or the
// target does not fit in chars characters with its terminating zero.
bool DecodeShortcut(const char* bytes, size_t size, wchar_t* target, size_t chars);

}  // namespace shell
