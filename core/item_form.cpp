#include "core/item_form.h"

#include <strsafe.h>

ItemFormFields ItemFormState = {};
RecurrenceRule RecurrencePatternState = {};
wchar_t EditMode = kEditInsert;
int EditSingleOccurrence = 0;

CEOID AssigneeOid = 0;
wchar_t AssigneeName[kAssigneeNameChars] = L"";

PendingLinkKept::PendingLinkKept() : oid_(AssigneeOid)
{
    StringCchCopyW(name_, ARRAYSIZE(name_), AssigneeName);
}

PendingLinkKept::~PendingLinkKept()
{
    AssigneeOid = oid_;
    StringCchCopyW(AssigneeName, ARRAYSIZE(AssigneeName), name_);
}
