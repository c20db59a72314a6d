// State the item editors share: the schedule editor's reminder amount and
// unit, and what they call of parts that are wired in at start-up.
#pragma once

#include "core/item_form.h"

// The reminder amount as text: room for the amount of any lead in minutes.
constexpr int kReminderAmountChars = 12;
// What a user may type into the amount box: 99999 weeks still fit 32 bits.
constexpr int kReminderAmountDigits = 5;
extern wchar_t ReminderAmountText[kReminderAmountChars];

enum ReminderUnit { kUnitMinutes = 0, kUnitHours = 1, kUnitDays = 2, kUnitWeeks = 3, kReminderUnitCount = 4 };
extern int ReminderUnitIndex;

// Set by the part that keeps the month schedule; null until then, and the
// editor's title and place lists stay empty.
struct EditorHookTable {
    // Fills the two combo boxes with the recent subjects and places.
    void (*FillRecentTexts)(HWND titleCombo, HWND placeCombo);
};
extern EditorHookTable EditorHooks;
