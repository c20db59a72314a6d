#include "mainwindow/pending_state.h"

CEOID TaskToReselect = 0;
int32_t MemoToReselect = 0;
int32_t AnniversaryToReselect = 0;
wchar_t CurrentNotePath[MAX_PATH] = L"";
