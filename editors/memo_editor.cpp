#include "editors/memo_editor.h"

#include "core/dates.h"
#include "core/id_counters.h"
#include "core/input_method_menu.h"
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "core/settings.h"
#include "core/signal_files.h"
#include "core/text_helpers.h"
#include "core/wait_cursor.h"
#include "editors/bitmap_buttons.h"
#include "editors/diary_form_frame.h"
#include "editors/editor_steps.h"
#include "editors/memo_category_file.h"
#include "lists/item_list_state.h"
#include "lists/memo_bodies.h"
#include "lists/memo_lists.h"
#include "lists/memo_readers.h"
#include "lists/note_files.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "platform/richink/richink.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kNeedTitle[] = L"메모 제목은 반드시 입력해야 합니다";
constexpr wchar_t kUnusableTitle[] = L"메모 제목에 사용할 수 없는 문자가 있습니다";
constexpr wchar_t kTitleTaken[] = L"같은 이름의 메모가 있습니다";
constexpr wchar_t kInsertFailed[] = L"메모 등록에 실패했습니다";
constexpr wchar_t kUpdateFailed[] = L"메모 수정에 실패했습니다";
constexpr wchar_t kUnusableInFileNames[] = L"\\/:*?\"<>|";
constexpr wchar_t kNoteExtension[] = L".pwi";
constexpr int kTitleChars = kFormTitleChars - 1;
constexpr int32_t kInkInput = 2;
constexpr RECT kBodyRect = {2, 47, 238, 268};

const ControlPlace kPlaces[] = {
    {IDC_MEMO_TITLE_LABEL, 2, 4, 32, 18},
    {IDC_MEMO_TITLE, 36, 2, 202, 20},
    {IDC_MEMO_DATE_LABEL, 2, 26, 32, 18},
    {IDC_MEMO_DATE, 36, 24, 92, 20},
    {IDC_MEMO_CATEGORY_LABEL, 132, 26, 28, 18},
    {IDC_MEMO_CATEGORY, 160, 24, 78, 160},
    {IDC_MEMO_FOLDER_LABEL, 2, 26, 32, 18},
    {IDC_MEMO_FOLDER, 36, 24, 202, 160},
    {IDC_MEMO_TYPING, 112, 274, 46, 18},
    {IDC_MEMO_INK, 160, 274, 46, 18},
    {IDC_EDITOR_PEN, 216, 273, 20, 20},
};

struct MemoEditorState {
    bool update;
    bool notes;  // Notes files, not own memos
    HWND body;
    std::vector<std::wstring> folderPaths;  // of the folder list's rows
    std::wstring oldPath;  // the Notes file being changed
};
MemoEditorState Editor;

// ---- the body's input mode -------------------------------------------------------------

void ApplyInputMode(HWND dialog)
{
    bool ink = Settings.MemoInputMode == kInkInput;
    SetChecked(dialog, IDC_MEMO_INK, ink);
    SetChecked(dialog, IDC_MEMO_TYPING, !ink);
    if (!Editor.body)
        return;
    ApplyRichInkViewSettings(Editor.body, ink ? 1 : 0, ink ? RIV_INK : RIV_TYPING);
    SendMessageW(Editor.body, EM_SETZOOMPERCENT, 0, ink ? Settings.MemoInkZoom : Settings.MemoTypeZoom);
    SendMessageW(Editor.body, EM_SETPAGESTYLE, ink ? RIPS_LINED : RIPS_PLAIN, 0);
}

void ChooseInputMode(HWND dialog, int32_t mode)
{
    Settings.MemoInputMode = mode;
    ApplyInputMode(dialog);
    SetFocus(Editor.body);
}

// ---- what the form shows ---------------------------------------------------------------

void ShowOwnMemoControls(HWND dialog)
{
    ShowControl(dialog, IDC_MEMO_FOLDER_LABEL, false);
    ShowControl(dialog, IDC_MEMO_FOLDER, false);
    SetPickerFormat(dialog, IDC_MEMO_DATE, kDateFormat);
    LoadMemoCategoryNames();
    HWND combo = GetDlgItem(dialog, IDC_MEMO_CATEGORY);
    for (const NoteFolderEntry& entry : NoteFolderTable.folders) {
        // Entry 0 is the "all" slot; " " is how a memo without one is stored.
        if (entry.name.find_first_not_of(L' ') != std::wstring::npos)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name.c_str()));
    }
    SendMessageW(combo, CB_LIMITTEXT, kMemoCategoryChars - 1, 0);
    if (Editor.update) {
        SetPickerDate(dialog, IDC_MEMO_DATE, ItemFormState.StartDate);
        SetWindowTextW(combo, ItemFormState.Memo.Category);
        StreamTextIntoRichInk(Editor.body);
        FreeRichInkBody();
    } else {
        wchar_t last[kMemoCategoryChars];
        ReadLastMemoCategory(last, ARRAYSIZE(last));
        SetWindowTextW(combo, last);
    }
}

// The folder row a Notes file opens in: its own, or the memo view's choice
// for a new one.
int FirstFolderRow()
{
    const auto& folders = NoteFolderTable.folders;
    if (Editor.update) {
        for (size_t row = 1; row < folders.size(); ++row) {
            if (Editor.folderPaths[row] == ItemFormState.Memo.FolderPath)
                return static_cast<int>(row);
        }
        return 0;
    }
    if (CurrentView == kMemoView && !MemoPickByDate && MemoPickRow > 0 &&
        static_cast<size_t>(MemoPickRow) < folders.size())
        return MemoPickRow;
    return 0;
}

void ShowNotesControls(HWND dialog)
{
    for (int id : {IDC_MEMO_DATE_LABEL, IDC_MEMO_DATE, IDC_MEMO_CATEGORY_LABEL, IDC_MEMO_CATEGORY})
        ShowControl(dialog, id, false);
    EnumerateNoteFolders();
    HWND combo = GetDlgItem(dialog, IDC_MEMO_FOLDER);
    Editor.folderPaths.clear();
    for (const NoteFolderEntry& entry : NoteFolderTable.folders) {
        bool all = Editor.folderPaths.empty();
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(all ? kAllFoldersRow : entry.name.c_str()));
        // "모든 폴더" is the document folder itself.
        Editor.folderPaths.push_back(all ? NoteDocumentFolder() : entry.root + L"\\" + entry.name);
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(FirstFolderRow()), 0);
    if (Editor.update) {
        Editor.oldPath = std::wstring(ItemFormState.Memo.FolderPath) + L"\\" + ItemFormState.Title + kNoteExtension;
        // The file the form was loaded from, whatever the list shows now.
        StreamNoteFileIn(Editor.body, Editor.oldPath.c_str());
    }
}

BOOL OnMemoInit(HWND dialog)
{
    Editor = {EditMode == kEditUpdate, Settings.MemoSource == kMemoSourceNotesFiles, nullptr, {}, {}};
    StartDiaryForm(dialog, kPlaces);
    SetPictureBitmap(AppInstance, dialog, IDC_EDITOR_PEN, IDB_EDITOR_PEN);
    MoveWindow(GetDlgItem(dialog, IDC_EDITOR_PEN), 216, 273, 20, 20, FALSE);
    Editor.body = CreateRichInkControl(dialog, &kBodyRect);
    if (Editor.body)
        SetWindowLongPtrW(Editor.body, GWLP_ID, IDC_MEMO_BODY);
    SendDlgItemMessageW(dialog, IDC_MEMO_TITLE, EM_LIMITTEXT, kTitleChars, 0);
    if (Editor.update)
        SetDlgItemTextW(dialog, IDC_MEMO_TITLE, ItemFormState.Title);
    if (Editor.notes)
        ShowNotesControls(dialog);
    else
        ShowOwnMemoControls(dialog);
    ApplyInputMode(dialog);
    SetFocus(GetDlgItem(dialog, IDC_MEMO_TITLE));
    return FALSE;
}

// ---- saving --------------------------------------------------------------------------------

// An own memo is inserted under a new id before the old one goes, so a
// failed save keeps it.
bool SaveOwnMemo(HWND dialog, const std::wstring& title)
{
    wchar_t date[kFormDateChars];
    PickerDateText(dialog, IDC_MEMO_DATE, date, ARRAYSIZE(date));
    wchar_t category[kMemoCategoryChars];
    ReadText(dialog, IDC_MEMO_CATEGORY, category, ARRAYSIZE(category));
    TrimBlanks(category);
    if (!StreamTextOutOfRichInk(Editor.body))
        return false;
    int32_t id = NextMemoId();
    bool saved = InsertNoteRecord(id, date, category, title.c_str(), AssigneeOid);
    FreeRichInkBody();
    if (!saved)
        return false;
    if (Editor.update)
        DeleteNoteRecord(SelectedMemoId);
    SelectedMemoId = id;
    MemoToReselect = id;
    WriteLastMemoCategory(category);
    return true;
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A file just written under a new name gets the contact link (of the old
// file when renamed, else of the pending assignee) before the old file and
// its link go. When either step fails the new file and link go again and the
// old file keeps its link; false then.
bool MoveNotesFileLink(const std::wstring& path)
{
    const CEOID linked =
        Editor.update ? LinkedContact(kNoteFileLinkDatabase, LinkPathKey(Editor.oldPath.c_str())) : AssigneeOid;
    bool moved = !linked || AddNoteFileLink(linked, path.c_str());
    if (moved && Editor.update)
        moved = DeleteNoteFileAt(Editor.oldPath.c_str());
    if (!moved) {
        DeleteFileW(path.c_str());
        if (linked)
            DeleteNoteFileLink(path.c_str());
    }
    return moved;
}

// A Notes file is written whole before anything of the old one goes; a new
// name never replaces another file.
bool SaveNotesFile(HWND dialog, const std::wstring& title)
{
    int row = static_cast<int>(SendDlgItemMessageW(dialog, IDC_MEMO_FOLDER, CB_GETCURSEL, 0, 0));
    if (row < 0 || static_cast<size_t>(row) >= Editor.folderPaths.size())
        row = 0;
    const std::wstring folder = Editor.folderPaths.empty() ? NoteDocumentFolder() : Editor.folderPaths[row];
    if (!NoteTitleUsable(folder, title)) {
        TellUser(dialog, kUnusableTitle, kErrorCaption, IDC_MEMO_TITLE);
        return false;
    }
    const std::wstring path = folder + L"\\" + title + kNoteExtension;
    bool samePath = Editor.update && lstrcmpiW(path.c_str(), Editor.oldPath.c_str()) == 0;
    if (!samePath && FileExists(path)) {
        TellUser(dialog, kTitleTaken, kErrorCaption, IDC_MEMO_TITLE);
        return false;
    }
    // SaveRichInkToNoteFile tells the user itself why a file was not written.
    if (!SaveRichInkToNoteFile(Editor.body, path.c_str()))
        return false;
    if (!samePath && !MoveNotesFileLink(path)) {
        TellUser(dialog, Editor.update ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_EDITOR_OK);
        return false;
    }
    StringCchCopyW(CurrentNotePath, ARRAYSIZE(CurrentNotePath), path.c_str());
    return true;
}

void ReloadMemoLists()
{
    if (CurrentView == kMemoView) {
        RunHook(Hooks.FillMemoCategoryPickList);
        RunHook(Hooks.LoadMemoList);
    } else {
        RunHook(Hooks.LoadContactMemoList);
        ViewStale[kMemoView] = 1;
    }
    CreateSignalFile(SignalFile::DataChanged);
}

void SaveMemo(HWND dialog)
{
    std::wstring title = TrimmedText(dialog, IDC_MEMO_TITLE, kTitleChars);
    if (title.empty()) {
        TellUser(dialog, kNeedTitle, kErrorCaption, IDC_MEMO_TITLE);
        return;
    }
    bool saved = false;
    {
        WaitCursor wait;
        saved = Editor.notes ? SaveNotesFile(dialog, title) : SaveOwnMemo(dialog, title);
        if (saved)
            ReloadMemoLists();
    }
    if (!saved) {
        // A Notes file that was not written has been told of already.
        if (!Editor.notes)
            TellUser(dialog, Editor.update ? kUpdateFailed : kInsertFailed, kNoticeCaption, IDC_EDITOR_OK);
        return;
    }
    EndDialog(dialog, IDOK);
}

void OnMemoCommand(HWND dialog, int id, int code, HWND control)
{
    if (OnSharedEditorCommand(dialog, id, code, control, Editor.body))
        return;
    switch (id) {
    case IDC_MEMO_TITLE:
        if (code == EN_SETFOCUS)
            UseHangulInput(control);
        break;
    case IDC_MEMO_TYPING:
    case IDC_MEMO_INK:
        if (code == BN_CLICKED)
            ChooseInputMode(dialog, id == IDC_MEMO_INK ? kInkInput : 1);
        break;
    case IDC_EDITOR_PEN:
        if (code == STN_CLICKED)
            ShowInputMethodMenu(dialog);
        break;
    case IDC_EDITOR_OK:
        if (code == BN_CLICKED)
            SaveMemo(dialog);
        break;
    }
}

}  // namespace

bool NoteTitleUsable(const std::wstring& folder, const std::wstring& title)
{
    if (title.find_first_of(kUnusableInFileNames) != std::wstring::npos)
        return false;
    return folder.size() + 1 + title.size() + wcslen(kNoteExtension) < MAX_PATH;
}

INT_PTR CALLBACK MemoEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnMemoInit(dialog);
    case WM_COMMAND:
        OnMemoCommand(dialog, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        return DrawDiaryFormButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Editor.update);
    case WM_DESTROY:
        FreePictureBitmap(dialog, IDC_EDITOR_PEN);
        FreeRichInkBody();
        Editor.body = nullptr;
        break;
    }
    return FALSE;
}
