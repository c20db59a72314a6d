// The selection state of the main window's lists.
#include "mainwindow/state.h"

ContactDialTexts ContactDialInfo = {};

CEOID SelectedAppointmentOid = 0;
CEOID SelectedTaskOid = 0;
long SelectedMemoId = 0;
long SelectedAnniversaryId = 0;
CEOID LinkedContactOid = 0;
int AnniversaryMonth = 0;
int AnniversaryDay = 0;

wchar_t AnniversaryKindChoice[kListChoiceChars] = L"";
wchar_t TaskFilterChoice[kListChoiceChars] = L"";
wchar_t TaskSortChoice[kListChoiceChars] = L"";
wchar_t MemoListFilter[kListChoiceChars] = L"";
int AnniversaryKindRow = 0;
int TaskFilterIndex = 0;
int TaskSortIndex = 1;

bool KeypadShiftPending = false;
bool ActionKeyPending = false;
