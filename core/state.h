// Process-wide state of the main program's shared user-interface helpers,
// used on the user-interface thread only.
#pragma once

#include "platform/ce.h"

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
