// The item editors found by dialog id and run with the owner given.
#include "core/item_form.h"
#include "mainwindow/item_editors.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/commands/test_editors.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace commandstest {
namespace {

TEST(ItemEditors, AnEditorRunsByItsDialogIdWithTheModeStored)
{
    AppInstance = GetModuleHandleW(nullptr);
    RegisterTestEditors();
    HWND owner = testkit::CreateTestWindow(false);
    const int dialogs[] = {IDD_CONTACT_EDITOR, IDD_SCHEDULE_EDITOR, IDD_ANNIVERSARY_EDITOR, IDD_TASK_EDITOR,
                           IDD_MEMO_EDITOR};
    for (int dialog : dialogs) {
        SCOPED_TRACE(dialog);
        EXPECT_TRUE(RunItemEditor(owner, dialog, kEditUpdate));
        ASSERT_FALSE(EditorRuns().empty());
        EXPECT_EQ(EditorRuns().back().dialogId, dialog);
        EXPECT_EQ(EditorRuns().back().editMode, kEditUpdate);
        EXPECT_EQ(EditorRuns().back().owner, owner);
    }
    EXPECT_EQ(EditorRuns().size(), 5u);

    // Without a registered editor nothing runs; the mode is stored all the same.
    RegisterItemEditor(IDD_TASK_EDITOR, nullptr);
    EXPECT_EQ(ItemEditorProcedure(IDD_TASK_EDITOR), nullptr);
    EXPECT_FALSE(RunItemEditor(owner, IDD_TASK_EDITOR, kEditInsert));
    EXPECT_EQ(EditMode, kEditInsert);
    EXPECT_EQ(EditorRuns().size(), 5u);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace commandstest
