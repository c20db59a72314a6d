#include "editors/reminder_interval.h"

#include <climits>
#include <cwchar>
#include <strsafe.h>

void FormatReminderInterval(int32_t minutes)
{
    int unit = kUnitMinutes;
    for (int u = kUnitWeeks; u > kUnitMinutes; --u) {
        if (minutes % kMinutesPerUnit[u] == 0) {
            unit = u;
            break;
        }
    }
    ReminderUnitIndex = unit;
    StringCchPrintfW(ReminderAmountText, ARRAYSIZE(ReminderAmountText), L"%d", minutes / kMinutesPerUnit[unit]);
}

int32_t ReminderMinutesOf(const wchar_t* amountText, int unitIndex)
{
    int64_t amount = 0;
    const wchar_t* c = amountText ? amountText : L"";
    while (*c == L' ')
        ++c;
    for (; *c >= L'0' && *c <= L'9'; ++c) {
        amount = amount * 10 + (*c - L'0');
        if (amount > INT_MAX)
            break;
    }
    int64_t unit = unitIndex >= 0 && unitIndex < kReminderUnitCount ? kMinutesPerUnit[unitIndex] : 1;
    int64_t minutes = amount * unit;
    return minutes > INT_MAX ? INT_MAX : static_cast<int32_t>(minutes);
}
