#include "tests/commands/test_editors.h"

#include "core/item_form.h"
#include "mainwindow/item_editors.h"
#include "resources/resource.h"

namespace commandstest {

namespace {

std::vector<EditorRun> g_runs;
int g_dialogId = 0;

INT_PTR CALLBACK RecordingEditor(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    if (msg != WM_INITDIALOG)
        return FALSE;
    EditorRun run;
    run.dialogId = g_dialogId;
    run.editMode = EditMode;
    run.singleOccurrence = EditSingleOccurrence;
    run.assignee = AssigneeOid;
    run.assigneeName = AssigneeName;
    run.title = ItemFormState.Title;
    run.contactName = ItemFormState.Contact.Name;
    run.owner = GetWindow(dialog, GW_OWNER);
    g_runs.push_back(run);
    EndDialog(dialog, IDOK);
    return TRUE;
}

// One thunk per dialog, so the run knows which editor it stands for.
template <int Id>
INT_PTR CALLBACK EditorFor(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
        g_dialogId = Id;
    return RecordingEditor(dialog, msg, wParam, lParam);
}

}  // namespace

void RegisterTestEditors()
{
    g_runs.clear();
    RegisterItemEditor(IDD_CONTACT_EDITOR, EditorFor<IDD_CONTACT_EDITOR>);
    RegisterItemEditor(IDD_SCHEDULE_EDITOR, EditorFor<IDD_SCHEDULE_EDITOR>);
    RegisterItemEditor(IDD_ANNIVERSARY_EDITOR, EditorFor<IDD_ANNIVERSARY_EDITOR>);
    RegisterItemEditor(IDD_TASK_EDITOR, EditorFor<IDD_TASK_EDITOR>);
    RegisterItemEditor(IDD_MEMO_EDITOR, EditorFor<IDD_MEMO_EDITOR>);
}

const std::vector<EditorRun>& EditorRuns()
{
    return g_runs;
}

}  // namespace commandstest
