#include "editors/editor_state.h"

wchar_t ReminderAmountText[kReminderAmountChars] = L"15";
int ReminderUnitIndex = kUnitMinutes;
EditorHookTable EditorHooks = {};
