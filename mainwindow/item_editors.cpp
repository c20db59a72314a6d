#include "mainwindow/item_editors.h"

#include "core/item_form.h"
#include "mainwindow/state.h"

#include <map>

namespace {

std::map<int, DLGPROC>& Editors()
{
    static std::map<int, DLGPROC> editors;
    return editors;
}

}  // namespace

void RegisterItemEditor(int dialogId, DLGPROC procedure)
{
    if (procedure)
        Editors()[dialogId] = procedure;
    else
        Editors().erase(dialogId);
}

DLGPROC ItemEditorProcedure(int dialogId)
{
    auto found = Editors().find(dialogId);
    return found == Editors().end() ? nullptr : found->second;
}

bool RunItemEditor(HWND owner, int dialogId, wchar_t editMode)
{
    EditMode = editMode;
    DLGPROC procedure = ItemEditorProcedure(dialogId);
    if (!procedure)
        return false;
    return DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(dialogId), owner, procedure, 0) != -1;
}
