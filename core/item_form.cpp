#include "core/item_form.h"

ItemFormFields ItemFormState = {};
RecurrenceRule RecurrencePatternState = {};
wchar_t EditMode = kEditInsert;
int EditSingleOccurrence = 0;

CEOID AssigneeOid = 0;
wchar_t AssigneeName[kAssigneeNameChars] = L"";
