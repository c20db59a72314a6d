// The person-in-charge picker (dialog 234 "담당자 선택"): the contacts
// found by name or company, one of them chosen as AssigneeOid and
// AssigneeName, or the person cleared.
#pragma once

#include "platform/ce.h"

// Runs the picker modally, owned by the window; afterwards AssigneeOid and
// AssigneeName hold the person (unchanged by "취소" unless none was set).
void RunAssigneePicker(HWND owner);

// Lists the contacts whose name (last then first name) or else company
// holds the picker's search text, sorted by full name; their collection is
// kept in ContactSearchItems. Tells the user when none matched.
void SearchAssigneeContacts(HWND dialog);

INT_PTR CALLBACK AssigneePickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
