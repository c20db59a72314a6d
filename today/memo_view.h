// The memo view: own memos (QuillonNote) or Notes files by MemoSource,
// grouped by date filter or by category / note folder, ordered by title or
// date, at most 1000 rows.
#pragma once

#include "today/state.h"

const wchar_t* MemoFilterText(int filter);
// "일자별", or "분류별" (own memos) / "폴더별" (Notes files).
const wchar_t* MemoGroupingText();

// Fills MemoGroups: entry 0 is every group, then the categories (and the
// memos without one) or the note folders.
void LoadMemoGroups();

void SetMemoHeader();
void BuildMemoView();
// Header, build, row layout.
void ShowMemoMode();
