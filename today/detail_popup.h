// The item detail pop-up (dialog 101): a schedule, task or memo row's
// subject, dates and body on a read-only Rich Ink page, with its edit and
// delete requests.
#pragma once

#include "today/state.h"

// Messages of a Notes file that cannot be shown (caption "오류").
constexpr wchar_t kNotesFileMissingText[] = L"해당 메모 파일이 존재하지 않습니다.";
constexpr wchar_t kNotesFileBrokenText[] = L"해당 메모 파일에 문제가 있습니다.";
constexpr wchar_t kPopupErrorCaption[] = L"오류";
// Notes files larger than this are not read.
constexpr DWORD kLargestNotesFileBytes = 4 * 1024 * 1024;

// Shows entry (TopRow + screen row) of the current view's table; nothing
// for a row that names no item.
void ShowItemDetailDialog(int entry);
