#include "core/folder_tree.h"

#include "core/error_box.h"

namespace {

constexpr int kImageClosedFolder = 1;
constexpr int kImageProgram = 2;
constexpr WORD kListingFailedLine = 104;
constexpr wchar_t kListingSource[] = L".\\dir";

bool IsDotEntry(LPCWSTR name)
{
    return lstrcmpW(name, L".") == 0 || lstrcmpW(name, L"..") == 0;
}

bool IsProgramName(LPCWSTR name)
{
    constexpr wchar_t kProgramExtension[] = L".exe";
    constexpr int kExtensionChars = ARRAYSIZE(kProgramExtension) - 1;
    int length = lstrlenW(name);
    return length >= kExtensionChars &&
           CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, name + length - kExtensionChars, kExtensionChars,
                          kProgramExtension, kExtensionChars) == CSTR_EQUAL;
}

void MarkWithoutChildren(HWND tree, HTREEITEM item)
{
    TVITEMW update = {};
    update.mask = TVIF_HANDLE | TVIF_CHILDREN;
    update.hItem = item;
    update.cChildren = 0;
    if (!TreeView_SetItem(tree, &update))
        OutputDebugString(L"ERROR: setting item for no children.\r\n");
}

}  // namespace

HTREEITEM InsertTreeItem(HWND tree, LPCWSTR name, HTREEITEM parent, BOOL isFolder)
{
    if (IsDotEntry(name) || (!isFolder && !IsProgramName(name)))
        return kTreeEntrySkipped;
    int image = isFolder ? kImageClosedFolder : kImageProgram;
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = TVI_SORT;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | (isFolder ? TVIF_CHILDREN : 0);
    insert.item.pszText = const_cast<LPWSTR>(name);
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.cChildren = isFolder ? 1 : 0;
    return TreeView_InsertItem(tree, &insert);
}

int FillFolderTreeLevel(HWND tree, LPCWSTR searchSpec, HTREEITEM parent)
{
    WIN32_FIND_DATAW entry = {};
    HANDLE find = FindFirstFile(searchSpec, &entry);
    if (find == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_NO_MORE_FILES) {
            MarkWithoutChildren(tree, parent);
        } else {
            OutputDebugString(L"FindFirstFile returned invalid handle");
            SetLastError(error);  // the log write may have changed it; the box reports it
            ShowErrorBox(kListingFailedLine, kListingSource);
        }
        return 1;
    }
    int result = 1;
    do {
        BOOL isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!InsertTreeItem(tree, entry.cFileName, parent, isFolder)) {
            result = 0;
            break;
        }
    } while (FindNextFile(find, &entry));
    FindClose(find);
    return result;
}
