#include "mainwindow/pending_state.h"

int32_t MemoToReselect = 0;
int32_t AnniversaryToReselect = 0;
wchar_t CurrentNotePath[MAX_PATH] = L"";
