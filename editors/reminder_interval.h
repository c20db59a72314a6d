// The schedule editor's reminder: a lead in minutes shown as an amount and
// a unit, and read back.
#pragma once

#include "editors/editor_state.h"

constexpr int32_t kMinutesPerUnit[kReminderUnitCount] = {1, 60, 1440, 10080};

// The lead as ReminderAmountText and ReminderUnitIndex: weeks when the
// minutes divide by a week, else days, else hours, else minutes (0 gives 0
// weeks).
void FormatReminderInterval(int32_t minutes);

// The amount text (its leading decimal digits; none gives 0) times the
// unit's minutes, held at the largest 32-bit lead. An unknown unit counts
// minutes.
int32_t ReminderMinutesOf(const wchar_t* amountText, int unitIndex);
