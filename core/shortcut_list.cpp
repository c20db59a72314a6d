#include "core/shortcut_list.h"

#include "core/db_access.h"
#include "core/record_layouts.h"

#include <strsafe.h>

wchar_t ShortcutPathTable[kShortcutSlots][kShortcutPathChars] = {};
int ShortcutPathCount = 0;

void LoadShortcutList()
{
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    int count = 0;
    WithOwnDatabase(kShortcutDatabase, kShortcutOrder, [&](HANDLE database) {
        CEOID record = SeekFirstEqual(database, I4Value(kShortcutOrder, 1));
        OwnRecord read;
        while (record != 0 && count < kShortcutSlots && read.ReadCurrent(database)) {
            if (FAILED(StringCchCopyW(ShortcutPathTable[count], kShortcutPathChars, read.Text(kShortcutPath)))) {
                NKDbgPrintfW(L"Shortcut path too long, left out: %ls\r\n", read.Text(kShortcutPath));
                ShortcutPathTable[count][0] = L'\0';
            } else {
                ++count;
            }
            DWORD index = 0;
            record = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
    ShortcutPathCount = count;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}
