// The Today shortcut list as the extras page edits it: every change goes to
// QuillonShortcut at once and the list, its order numbers and its icons are
// read back.
#pragma once

#include "platform/ce.h"

#include <cstdint>

// Reads the list again: paths and count, the next order number, one small
// icon per path (the old icons destroyed).
void ReloadShortcuts();
// Destroys the icons of the list.
void ReleaseShortcutIcons();

// Stores the path as the next shortcut and reloads; false (and the error
// reported) when it was not stored.
bool AddShortcut(const wchar_t* path);

enum class ShortcutEdit { MoveLeft, MoveRight, Delete };

// The order number each entry of a list of `count` gets when the entry at
// `selection` is moved or deleted; 0 for a deleted entry. False when the
// edit does not apply to that selection.
bool ShortcutOrderNumbers(ShortcutEdit edit, int selection, int count, int32_t* orders);

// Rewrites the whole database in the new order and reloads. A step that
// fails puts the old list back, reloads and reports the error; false then.
bool RewriteShortcuts(ShortcutEdit edit, int selection);
