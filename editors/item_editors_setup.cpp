#include "editors/item_editors_setup.h"

#include "editors/schedule_editor.h"
#include "editors/task_editor.h"
#include "mainwindow/item_editors.h"
#include "resources/resource.h"

void RegisterScheduleAndTaskEditors()
{
    RegisterItemEditor(IDD_SCHEDULE_EDITOR, ScheduleEditDlgProc);
    RegisterItemEditor(IDD_TASK_EDITOR, TaskEditDlgProc);
}
