// The tests' stand-in for every item editor: registered for the five editor
// dialogs, it records what the editor would see and closes at once.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

namespace commandstest {

struct EditorRun {
    int dialogId = 0;
    wchar_t editMode = 0;
    int singleOccurrence = 0;
    CEOID assignee = 0;
    std::wstring assigneeName;
    std::wstring title;       // the form's item title
    std::wstring contactName; // the form's contact name field
    HWND owner = nullptr;
};

// Registers the stand-in for the five dialogs and forgets earlier runs.
void RegisterTestEditors();
// Every run since, in order.
const std::vector<EditorRun>& EditorRuns();

}  // namespace commandstest
