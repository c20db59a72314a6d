#include "editors/diary_forms_setup.h"

#include "editors/anniversary_editor.h"
#include "editors/contact_editor.h"
#include "editors/contact_import.h"
#include "editors/memo_editor.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_editors.h"
#include "resources/resource.h"

void RegisterDiaryForms()
{
    RegisterItemEditor(IDD_CONTACT_EDITOR, ContactEditDlgProc);
    RegisterItemEditor(IDD_ANNIVERSARY_EDITOR, AnniversaryEditDlgProc);
    RegisterItemEditor(IDD_MEMO_EDITOR, MemoEditDlgProc);
    Hooks.RunContactImport = RunContactImport;
}
