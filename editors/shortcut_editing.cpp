#include "editors/shortcut_editing.h"

#include "core/error_box.h"
#include "core/own_databases.h"
#include "core/shortcut_list.h"
#include "editors/preferences_state.h"

#include <shellapi.h>

namespace {

constexpr wchar_t kSourceName[] = L".\\shortcut_editing";

// Drops and re-creates the database and writes the paths with their order
// numbers (0: left out). The inserts are checked by reading the list back:
// false when a step failed or the list does not hold every path written.
bool WriteShortcutDatabase(const wchar_t (*paths)[kShortcutPathChars], int count, const int32_t* orders)
{
    if (DropShortcutDatabase() == 0 || CreateShortcutDatabase() != 1)
        return false;
    int written = 0;
    for (int i = 0; i < count; ++i) {
        if (orders[i] != 0) {
            InsertShortcutRecord(orders[i], paths[i]);
            ++written;
        }
    }
    const DWORD error = GetLastError();
    LoadShortcutList();
    SetLastError(error);
    return ShortcutPathCount == written;
}

HICON SmallIconOf(const wchar_t* path)
{
    SHFILEINFOW info = {};
    if (!SHGetFileInfo(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON))
        return nullptr;
    return info.hIcon;
}

}  // namespace

void ReleaseShortcutIcons()
{
    for (HICON& icon : ShortcutIcons) {
        if (icon)
            DestroyIcon(icon);
        icon = nullptr;
    }
}

void ReloadShortcuts()
{
    LoadShortcutList();
    ShortcutNextOrder = static_cast<WORD>(ShortcutPathCount);
    ReleaseShortcutIcons();
    for (int i = 0; i < ShortcutPathCount; ++i)
        ShortcutIcons[i] = SmallIconOf(ShortcutPathTable[i]);
}

bool AddShortcut(const wchar_t* path)
{
    const WORD order = static_cast<WORD>(ShortcutNextOrder + 1);
    const int before = ShortcutPathCount;
    InsertShortcutRecord(order, path);
    const DWORD error = GetLastError();
    ReloadShortcuts();
    if (ShortcutPathCount != before + 1) {
        SetLastError(error);
        ShowErrorBox(__LINE__, kSourceName);
        return false;
    }
    ShortcutsChanged = 1;
    return true;
}

bool ShortcutOrderNumbers(ShortcutEdit edit, int selection, int count, int32_t* orders)
{
    const int s = selection;
    switch (edit) {
    case ShortcutEdit::MoveLeft:
        if (s < 1 || s >= count)
            return false;
        for (int i = 0; i < count; ++i)
            orders[i] = i == s ? s : i == s - 1 ? i + 2 : i + 1;
        return true;
    case ShortcutEdit::MoveRight:
        if (s < 0 || s >= count - 1)
            return false;
        for (int i = 0; i < count; ++i)
            orders[i] = i == s ? s + 2 : i == s + 1 ? i : i + 1;
        return true;
    case ShortcutEdit::Delete: {
        if (s < 0 || s >= count)
            return false;
        int32_t next = 1;
        for (int i = 0; i < count; ++i)
            orders[i] = i == s ? 0 : next++;
        return true;
    }
    }
    return false;
}

bool RewriteShortcuts(ShortcutEdit edit, int selection)
{
    const int count = ShortcutPathCount;
    int32_t orders[kShortcutSlots] = {};
    if (!ShortcutOrderNumbers(edit, selection, count, orders))
        return false;
    // The table is overwritten by the reload; keep what it held.
    wchar_t paths[kShortcutSlots][kShortcutPathChars];
    CopyMemory(paths, ShortcutPathTable, sizeof(paths));

    bool written = WriteShortcutDatabase(paths, count, orders);
    if (!written) {
        const DWORD error = GetLastError();
        int32_t unchanged[kShortcutSlots] = {};
        for (int i = 0; i < count; ++i)
            unchanged[i] = i + 1;
        WriteShortcutDatabase(paths, count, unchanged);
        ReloadShortcuts();
        SetLastError(error);
        ShowErrorBox(__LINE__, kSourceName);
        return false;
    }
    ReloadShortcuts();
    ShortcutsChanged = 1;
    return true;
}
