// What the contact lists and the list notifications provide to these lists,
// standing here until they land: the selection state the notifications
// write, the row counts their keys read, the list refill frame and the
// wait cursor.
#pragma once

#include "platform/ce.h"

extern CEOID SelectedTaskOid;
extern long SelectedMemoId;
extern long SelectedAnniversaryId;
extern CEOID LinkedContactOid;
extern int AnniversaryMonth;
extern int AnniversaryDay;

constexpr int kListChoiceChars = 100;
extern wchar_t AnniversaryKindChoice[kListChoiceChars];
extern wchar_t TaskFilterChoice[kListChoiceChars];
extern wchar_t TaskSortChoice[kListChoiceChars];
extern wchar_t MemoListFilter[kListChoiceChars];
extern int AnniversaryKindRow;
extern int TaskFilterIndex;
extern int TaskSortIndex;

extern int AnniversaryKindCount;
extern int TaskViewRowCount;
extern int TaskFilterCount;
extern int MemoRowCount;
extern int MemoPickCount;
extern int TaskRowsHeld;

bool BeginListRefill(HWND list);
void EndListRefill(HWND list, bool wasShown, int row);
void SelectListRow(HWND list, int row);

class WaitCursor {
public:
    WaitCursor() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
