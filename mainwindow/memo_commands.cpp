// The memo commands of the toolbar window (104xx). They act on the memo
// view's list in the memo view, else on the contact card's memo list.
#include "mainwindow/item_commands.h"

#include "core/item_form.h"
#include "core/signal_files.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/hooks.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

const ViewDetail kMemoDetails = {kMemoView, kMemoDetail, ID_MEMO_BACK, ID_MEMO_DETAIL};
constexpr wchar_t kDeleteQuestion[] = L"메모 자료를 삭제 하시겠습니까?";
constexpr wchar_t kFirstPickRow[] = L"분류별보기초기값";
constexpr int kCardMemos = 2;
constexpr int32_t kNotesFiles = 2;

CommandList Memos()
{
    return ListOfCommand(kMemoView, kCardMemos);
}

void ReloadMemos()
{
    if (CurrentView == kMemoView) {
        RunHook(Hooks.LoadMemoList);
    } else {
        RunHook(Hooks.LoadContactMemoList);
        ViewStale[kMemoView] = 1;
    }
}

void NewMemo(HWND toolbar, UINT)
{
    RunNewItemEditor(toolbar, IDD_MEMO_EDITOR, Memos().list);
}

void EditMemo(HWND toolbar, UINT)
{
    CommandList list = Memos();
    if (RowCount(list.list) == 0 || !Hooks.LoadNoteRecord)
        return;
    PendingLinkKept link;
    // A memo deleted elsewhere meanwhile: no editor on another memo's fields.
    if (!Hooks.LoadNoteRecord()) {
        ReportItemNotFound();
        ReloadMemos();
        Focus(list.list);
        return;
    }
    RunUpdateEditor(toolbar, IDD_MEMO_EDITOR, list.list, kMemoDetails);
}

// The selected Notes file, or own memo, by the memo source; false when it
// stayed (or nothing can delete it yet).
bool DeleteSelectedMemo()
{
    if (Settings.MemoSource == kNotesFiles)
        return Hooks.DeleteNoteFile && Hooks.DeleteNoteFile();
    return Hooks.DeleteNoteRecord && Hooks.DeleteNoteRecord(SelectedMemoId);
}

void DeleteMemo(HWND, UINT)
{
    CommandList list = Memos();
    int rowsBefore = RowCount(list.list);
    if (rowsBefore == 0 || AskQuestion(kDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    if (!DeleteSelectedMemo()) {
        ReportFailedWrite(__LINE__);
        return;
    }
    *list.selected = SelectionAfterDelete(*list.selected, rowsBefore);
    if (CurrentView == kMemoView && rowsBefore == 1) {
        // The category's last memo gone: the pick list starts over.
        StringCchCopyW(MemoPickChoice, ARRAYSIZE(MemoPickChoice), kFirstPickRow);
        RunHook(Hooks.FillMemoCategoryPickList);
    }
    ReloadMemos();
    Focus(list.list);
    CreateSignalFile(SignalFile::DataChanged);
    RefreshDetail(kMemoDetails, list.list);
}

void ShowDetail(HWND, UINT)
{
    if (RowCount(MemoList) == 0)
        return;
    DetailMode[kMemoDetail] = 'V';
    RunHook(Hooks.ShowMemoBody);
    ShowMemoDetail();
    Focus(MemoList);
}

void BackToList(HWND, UINT)
{
    DetailMode[kMemoDetail] = 'M';
    HideMemoDetail();
    if (CurrentView == kMemoView)
        Focus(MemoList);
}

void StepRow(HWND, UINT command)
{
    if (CurrentView == kMemoView && MemoList)
        SendMessageW(MemoList, WM_KEYDOWN, command == ID_MEMO_PREVIOUS_ROW ? VK_UP : VK_DOWN, 0);
}

void OpenInNotes(HWND, UINT)
{
    if (RowCount(MemoList) == 0)
        return;
    RunHook(Hooks.OpenNoteInNotesProgram);
    Focus(MemoList);
}

const ItemCommandEntry kMemoCommands[] = {
    {ID_MEMO_NEW, NewMemo},
    {ID_MEMO_EDIT, EditMemo},
    {ID_MEMO_DELETE, DeleteMemo},
    {ID_MEMO_DETAIL, ShowDetail},
    {ID_MEMO_DIAL_MOBILE, RunLinkedContactCommand},
    {ID_MEMO_DIAL_HOME, RunLinkedContactCommand},
    {ID_MEMO_MAIL, RunLinkedContactCommand},
    {ID_MEMO_BACK, BackToList},
    {ID_MEMO_PREVIOUS_ROW, StepRow},
    {ID_MEMO_NEXT_ROW, StepRow},
    {ID_MEMO_DIAL_BUSINESS, RunLinkedContactCommand},
    {ID_MEMO_OPEN_NOTES, OpenInNotes},
};

}  // namespace

std::span<const ItemCommandEntry> MemoCommands()
{
    return kMemoCommands;
}
