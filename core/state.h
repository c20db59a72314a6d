// Process-wide state of the main program's shared user-interface helpers,
// used on the user-interface thread only.
#pragma once

#include "platform/ce.h"
#include "core/settings.h"

// The six fonts every window draws with, owned for the whole run.
struct AppFontSet {
    HFONT normal;
    HFONT underlined;
    HFONT bold;
    HFONT boldUnderlined;
    HFONT large;
    HFONT largeBold;
};
extern AppFontSet AppFonts;

// The soft input methods found at the last input-method pop-up; entry n
// belongs to menu command kFirstInputMethodCommand + n.
constexpr int kMaxInputMethods = 50;
constexpr int kInputMethodNameChars = 200;
struct InputMethodEntry {
    wchar_t name[kInputMethodNameChars];
    CLSID classId;
};
struct InputMethodTable {
    int count;
    InputMethodEntry entries[kMaxInputMethods];
};
extern InputMethodTable InputMethodList;

// The one body in flight, in the Rich Ink stream format: a byte count and the
// bytes, in the order of the platform's blob form. It always owns its bytes:
// a local-heap copy, zero-initialised and two bytes longer than the count
// (the content is followed by a wide zero). Freed, it is {0, nullptr}. Change
// it only through the routines of core/rich_ink_body.h.
struct RichInkBuffer {
    DWORD size;
    BYTE* bytes;
};
extern RichInkBuffer RichInkBody;

// ---- settings (settings_file.cpp) --------------------------------------------

// The settings record of the run. Fields 5, 26 and 30 hold the file's
// numbers; while the program runs their letters below are what counts.
extern DiarySettings Settings;
// The schedule range: 'D' day, 'W' week, 'M' month.
extern char ScheduleMode;
// The fields the keypad search and the contact search box look in:
// 'S' all, 'N' name, 'C' company, 'T' phone numbers.
extern char KeypadSearchField;
extern char ContactSearchField;
// The Today screen's text colour, the default of most colour fields.
extern COLORREF TodayTextColor;
// Where the settings were loaded from; empty until they were, and nothing
// is saved while it is empty.
extern wchar_t SettingsFilePath[MAX_PATH];

// The main window's view 0 to 7; it is the settings field of that name, so
// the view shown at exit is the one saved.
inline int32_t& CurrentView = Settings.CurrentView;
constexpr int32_t kContactView = 0;
constexpr int32_t kMemoView = 7;

// ---- the database volume (db_access.cpp) -------------------------------------

// The mounted "\pim.vol" and the session on it, made by the main window's
// creation and used by every own-database routine.
extern CEGUID DiaryVolume;
extern HANDLE DiarySession;

// The Pocket Outlook application object, made and logged on with the main
// window by its creation (contact_names.cpp holds it).
extern IPOutlookApp* OutlookApp;

// ---- own databases --------------------------------------------------------------

// The contact that the item being edited is to be linked to (0 = none).
extern CEOID AssigneeOid;
// Its display name (last name followed directly by first name), a buffer of
// its own: loading a contact into the form leaves it alone.
constexpr int kAssigneeNameChars = 51;
extern wchar_t AssigneeName[kAssigneeNameChars];

// The Today shortcut programs read by LoadShortcutList (shortcut_list.cpp).
constexpr int kShortcutSlots = 20;
constexpr int kShortcutPathChars = 256;
extern wchar_t ShortcutPathTable[kShortcutSlots][kShortcutPathChars];
extern int ShortcutPathCount;

// ---- the watch on the system PIM databases (outlook_probes.cpp) ------------------

enum OutlookWatchIndex { kWatchContacts = 0, kWatchAppointments = 1, kWatchTasks = 2, kWatchCount = 3 };

struct OutlookWatchEntry {
    HANDLE database;            // open with change notification for the run; null when not open
    CENOTIFYREQUEST request;    // kept while the database is open
    int lastSeenCount;
    int countdown;              // 0 idle; 4 when a change was seen
    // Size and time of the last write seen with that count, so that an edit
    // made by another program is seen too.
    DWORD lastSeenSize;
    ULONGLONG lastSeenModified;
};

extern OutlookWatchEntry OutlookWatchState[kWatchCount];

// The Contacts Database's sort order on the file-as name (property 0x80),
// zero until GetContactsNameSortOrder found it.
extern SORTORDERSPECEX ContactsNameSortOrder;

// ---- Pocket Outlook item commands (item_commands.cpp) -------------------------------

// The task the task lists select at their next refill (0 = none).
extern CEOID TaskToReselect;
