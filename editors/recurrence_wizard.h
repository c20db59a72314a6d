// The recurrence wizard: the custom repeat rule (RecurrencePatternState)
// edited on a chain of modal pages, four pattern pages reached by tabs and
// the range page. The pages store what they show as it changes; how the
// wizard ended is not reported.
#pragma once

#include "core/item_form.h"

// Seeds the rule from the start date, resets the patterns and runs the
// first page, owned by the editor. As a new rule (insert mode, or an item
// loaded without repeat) every pattern is reset and the weekly page opens;
// otherwise only the patterns other than the loaded one are reset and the
// loaded kind's page opens (none for a page type outside 2-5).
void OpenRecurrenceWizard(HWND owner, const SYSTEMTIME& start, bool asNewRule);

// The resets alone (after seeding), as above.
void ResetRecurrencePatterns(bool asNewRule);

// The range page's default end: the seed date plus nine periods of the page
// type (days, weeks, months, years), the day held to the month's length.
SYSTEMTIME DefaultRangeEnd(const RecurrenceRule& rule);

// Runs a page of the wizard (239-243) modally, owned by the window.
void RunRulePage(HWND owner, int dialogId);
