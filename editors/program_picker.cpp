#include "editors/program_picker.h"

#include "core/error_box.h"
#include "core/folder_tree.h"
#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <string>
#include <strsafe.h>

namespace {

constexpr DWORD kShellFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;
constexpr int kImageWidth = 16, kImageHeight = 15;
constexpr int kImageCount = 3;
constexpr COLORREF kImageMask = RGB(0, 255, 0);
constexpr int kImageOpenFolder = 0, kImageClosedFolder = 1, kImageProgram = 2;
constexpr WORD kImageListFailedLine = 267;
constexpr wchar_t kImageListSource[] = L".\\treeview";
constexpr wchar_t kRootText[] = L"\\";
constexpr wchar_t kProgramExtension[] = L".exe";
constexpr int kItemTextChars = MAX_PATH;

const PageControl kPickerControls[] = {
    {IDC_PROGRAM_TREE, 10, 10, 220, 220},
    {IDOK, 69, 240, 50, 20},
    {IDCANCEL, 121, 240, 50, 20},
};

bool ItemText(HWND tree, HTREEITEM item, wchar_t* text, int chars, int* image = nullptr)
{
    TVITEMW read = {};
    read.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE;
    read.hItem = item;
    read.pszText = text;
    read.cchTextMax = chars;
    text[0] = L'\0';
    if (!TreeView_GetItem(tree, &read))
        return false;
    if (image)
        *image = read.iImage;
    return true;
}

// The item's full path: its parents' texts and its own joined by "\",
// the root giving only the leading one. False when a text cannot be read
// or the path would not fit.
bool ItemPath(HWND tree, HTREEITEM item, wchar_t* path, size_t chars)
{
    path[0] = L'\0';
    std::wstring joined;
    for (HTREEITEM at = item; at; at = TreeView_GetParent(tree, at)) {
        wchar_t text[kItemTextChars];
        if (!ItemText(tree, at, text, kItemTextChars))
            return false;
        if (!TreeView_GetParent(tree, at))
            break;  // the root
        joined = L"\\" + std::wstring(text) + joined;
    }
    if (joined.empty())
        joined = kRootText;
    return SUCCEEDED(StringCchCopyW(path, chars, joined.c_str())) || (path[0] = L'\0', false);
}

bool IsProgramName(const wchar_t* name)
{
    const size_t length = wcslen(name);
    const size_t extension = ARRAYSIZE(kProgramExtension) - 1;
    return length >= extension && _wcsicmp(name + length - extension, kProgramExtension) == 0;
}

void SetItemImages(HWND tree, HTREEITEM item, int image)
{
    TVITEMW update = {};
    update.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    update.hItem = item;
    update.iImage = image;
    update.iSelectedImage = image;
    TreeView_SetItem(tree, &update);
}

// The folder's items go, and the tree forgets it was opened, so that any
// next expand asks for the listing again.
void DeleteChildren(HWND tree, HTREEITEM item)
{
    while (HTREEITEM child = TreeView_GetChild(tree, item))
        TreeView_DeleteItem(tree, child);
    TVITEMW update = {};
    update.mask = TVIF_HANDLE | TVIF_STATE | TVIF_CHILDREN;
    update.hItem = item;
    update.stateMask = TVIS_EXPANDEDONCE;
    update.state = 0;
    update.cChildren = 1;
    TreeView_SetItem(tree, &update);
}

void OnExpanding(HWND tree, const NMTREEVIEWW& notice)
{
    HTREEITEM item = notice.itemNew.hItem;
    if (notice.action & TVE_EXPAND) {
        OutputDebugString(L"Item expanding\r\n");
        SetItemImages(tree, item, kImageOpenFolder);
        wchar_t pattern[MAX_PATH];
        if (BuildTreeItemPath(tree, item, pattern, MAX_PATH))
            FillFolderTreeLevel(tree, pattern, item);
    } else if (notice.action & TVE_COLLAPSE) {
        OutputDebugString(L"Item collapsing\r\n");
        SetItemImages(tree, item, kImageClosedFolder);
    }
}

void OnExpanded(HWND tree, const NMTREEVIEWW& notice)
{
    if (!(notice.action & TVE_COLLAPSE))
        return;
    OutputDebugString(L"Item collapsed\r\n");
    // Listed afresh at the next expand, so new files show.
    DeleteChildren(tree, notice.itemNew.hItem);
}

// The notice's own new item, so a choice by keys reads the right one.
void OnSelectionChanged(HWND tree, const NMTREEVIEWW& notice)
{
    PickedProgramPath[0] = L'\0';
    wchar_t text[kItemTextChars];
    int image = -1;
    if (!notice.itemNew.hItem || !ItemText(tree, notice.itemNew.hItem, text, kItemTextChars, &image))
        return;
    if (image == kImageProgram && IsProgramName(text))
        ItemPath(tree, notice.itemNew.hItem, PickedProgramPath, kPickedPathChars);
}

INT_PTR OnNotify(HWND dialog, const NMHDR& header)
{
    if (header.idFrom != IDC_PROGRAM_TREE)
        return FALSE;
    HWND tree = GetDlgItem(dialog, IDC_PROGRAM_TREE);
    const auto& notice = reinterpret_cast<const NMTREEVIEWW&>(header);
    switch (header.code) {
    case TVN_ITEMEXPANDINGW: OnExpanding(tree, notice); break;
    case TVN_ITEMEXPANDEDW:  OnExpanded(tree, notice); break;
    case TVN_SELCHANGEDW:    OnSelectionChanged(tree, notice); break;
    }
    return FALSE;
}

void OnInit(HWND dialog)
{
    PickedProgramPath[0] = L'\0';
    PlacePageControls(dialog, kPickerControls);
    HWND tree = GetDlgItem(dialog, IDC_PROGRAM_TREE);
    CreateTreeImageList(tree);
    FillTreeRoot(tree);
    InitPageForShell(dialog, kShellFlags);
}

void OnDestroy(HWND dialog)
{
    HWND tree = GetDlgItem(dialog, IDC_PROGRAM_TREE);
    if (HIMAGELIST images = TreeView_SetImageList(tree, nullptr, TVSIL_NORMAL))
        ImageList_Destroy(images);
}

}  // namespace

int CreateTreeImageList(HWND tree)
{
    HIMAGELIST images = ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, kImageCount, 0);
    HBITMAP strip = images ? LoadBitmapW(AppInstance, MAKEINTRESOURCEW(IDB_PROGRAM_TREE)) : nullptr;
    if (!strip || ImageList_AddMasked(images, strip, kImageMask) == -1) {
        const DWORD error = GetLastError();
        if (strip)
            DeleteObject(strip);
        if (images)
            ImageList_Destroy(images);
        SetLastError(error);
        ShowErrorBox(kImageListFailedLine, kImageListSource);
        return 0;
    }
    DeleteObject(strip);
    if (ImageList_GetImageCount(images) <= 2) {
        ImageList_Destroy(images);
        return 0;
    }
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
    return 1;
}

int FillTreeRoot(HWND tree)
{
    InsertTreeItem(tree, kRootText, nullptr, TRUE);
    return 1;
}

int BuildTreeItemPath(HWND tree, HTREEITEM item, wchar_t* pattern, size_t chars)
{
    wchar_t folder[MAX_PATH];
    if (!ItemPath(tree, item, folder, MAX_PATH)) {
        pattern[0] = L'\0';
        return 0;
    }
    const bool root = folder[1] == L'\0';
    if (FAILED(StringCchPrintfW(pattern, chars, root ? L"%ls*.*" : L"%ls\\*.*", folder))) {
        pattern[0] = L'\0';
        return 0;
    }
    return 1;
}

INT_PTR CALLBACK ProgramPickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, 0);
            return TRUE;
        case IDCANCEL:
            PickedProgramPath[0] = L'\0';
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        return OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
        return DrawOkCancelFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), IDOK, IDCANCEL);
    case WM_DESTROY:
        OnDestroy(dialog);
        return FALSE;
    }
    return FALSE;
}

void RunProgramPicker(HWND owner)
{
    PickedProgramPath[0] = L'\0';
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    DialogBoxW(AppInstance, MAKEINTRESOURCEW(IDD_PROGRAM_PICKER), owner, ProgramPickerDlgProc);
}
