#include "mainwindow/pending_state.h"

CEOID AppointmentToReselect = 0;
CEOID TaskToReselect = 0;
int32_t MemoToReselect = 0;
int32_t AnniversaryToReselect = 0;
wchar_t CurrentNotePath[MAX_PATH] = L"";
int GridYear = 0;
int GridMonth = 0;
