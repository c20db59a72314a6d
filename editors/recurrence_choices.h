// The editors' repeat pick list: five entries built from the start date,
// their index the RecurrenceCode.
#pragma once

#include "core/item_form.h"

#include <string>

constexpr int kRecurrenceChoices = 5;
constexpr int kChoiceOnce = 0;
constexpr int kChoiceCustom = 4;

// SeedYear .. SeedNth of RecurrencePatternState from the date.
void SeedRecurrence(const SYSTEMTIME& date);

// The entry's text for the date: "한 번", "%c요일마다", "매월 %d일",
// "%d월 %d일마다", "<유형 편집...>"; empty for another index.
std::wstring RecurrenceChoiceText(int index, const SYSTEMTIME& date);

// Refills the drop-down list from the date and chooses the entry (the first
// one for an index out of range); seeds the rule from the date too.
void FillRecurrenceChoices(HWND list, const SYSTEMTIME& date, int chosen);
