// Row counts of the lists that later loaders fill.
#include "lists/state.h"

int ScheduleRowCount = 0;
int AnniversaryKindCount = 0;
int TaskViewRowCount = 0;
int TaskFilterCount = 0;
int MemoRowCount = 0;
int MemoPickCount = 0;
