// The program picker on a fixture tree: what it lists, lazy expanding and
// collapsing, the chosen path by pen or keys, OK and Cancel, long paths.
#include "editors/preferences_state.h"
#include "editors/program_picker.h"
#include "mainwindow/state.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kCaption[] = L"바로가기 사용자 지정";
constexpr int kTreeId = 1260;

std::wstring TextOf(HWND tree, HTREEITEM item, int* image = nullptr, int* children = nullptr)
{
    wchar_t text[MAX_PATH] = L"";
    TVITEMW read = {};
    read.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_CHILDREN;
    read.hItem = item;
    read.pszText = text;
    read.cchTextMax = MAX_PATH;
    TreeView_GetItem(tree, &read);
    if (image)
        *image = read.iImage;
    if (children)
        *children = read.cChildren;
    return text;
}

HTREEITEM Child(HWND tree, HTREEITEM parent, const std::wstring& name)
{
    for (HTREEITEM item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item)) {
        if (TextOf(tree, item) == name)
            return item;
    }
    return nullptr;
}

std::vector<std::wstring> Children(HWND tree, HTREEITEM parent)
{
    std::vector<std::wstring> names;
    for (HTREEITEM item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item))
        names.push_back(TextOf(tree, item));
    return names;
}

// Expands the path's folders from the root and gives the last one.
HTREEITEM Open(HWND tree, const std::vector<std::wstring>& folders)
{
    HTREEITEM item = TreeView_GetRoot(tree);
    TreeView_Expand(tree, item, TVE_EXPAND);
    for (const std::wstring& folder : folders) {
        item = Child(tree, item, folder);
        if (!item)
            return nullptr;
        TreeView_Expand(tree, item, TVE_EXPAND);
    }
    return item;
}

class PickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::EnsureMainWindow();
        CreateDirectoryW(L"\\Temp\\pick", nullptr);
        CreateDirectoryW(L"\\Temp\\pick\\sub", nullptr);
        CreateDirectoryW(L"\\Temp\\pick\\empty", nullptr);
        testkit::WriteFileBytes(L"\\Temp\\pick\\b.exe", {'x'});
        testkit::WriteFileBytes(L"\\Temp\\pick\\A.EXE", {'x'});
        testkit::WriteFileBytes(L"\\Temp\\pick\\readme.txt", {'x'});
        testkit::WriteFileBytes(L"\\Temp\\pick\\sub\\c.exe", {'x'});
    }
    void TearDown() override
    {
        for (const wchar_t* file : {L"\\Temp\\pick\\b.exe", L"\\Temp\\pick\\A.EXE", L"\\Temp\\pick\\readme.txt",
                                    L"\\Temp\\pick\\sub\\c.exe", L"\\Temp\\pick\\new.exe"})
            DeleteFileW(file);
        for (const wchar_t* folder : {L"\\Temp\\pick\\sub", L"\\Temp\\pick\\empty", L"\\Temp\\pick"})
            RemoveDirectoryW(folder);
    }
    // Runs the picker with `act`, which ends it.
    void Pick(const std::function<void(HWND dialog, HWND tree)>& act)
    {
        ASSERT_TRUE(prefs::WithDialog(kCaption, [] { RunProgramPicker(MainWindow); },
                                      [&](HWND dialog) { act(dialog, GetDlgItem(dialog, kTreeId)); }));
    }
};

TEST_F(PickerTest, ListsFoldersAndProgramsSorted)
{
    Pick([](HWND dialog, HWND tree) {
        EXPECT_EQ(L"\\", TextOf(tree, TreeView_GetRoot(tree)));
        EXPECT_EQ(3, ImageList_GetImageCount(TreeView_GetImageList(tree, TVSIL_NORMAL)));
        HTREEITEM pick = Open(tree, {L"Temp", L"pick"});
        ASSERT_NE(nullptr, pick);
        EXPECT_EQ((std::vector<std::wstring>{L"A.EXE", L"b.exe", L"empty", L"sub"}), Children(tree, pick));
        int image = -1, children = -1;
        TextOf(tree, pick, &image);
        EXPECT_EQ(0, image);  // open
        TextOf(tree, Child(tree, pick, L"b.exe"), &image);
        EXPECT_EQ(2, image);
        TextOf(tree, Child(tree, pick, L"sub"), &image, &children);
        EXPECT_EQ(1, image);
        EXPECT_EQ(1, children);
        // An empty folder loses its button when opened.
        HTREEITEM empty = Child(tree, pick, L"empty");
        TreeView_Expand(tree, empty, TVE_EXPAND);
        TextOf(tree, empty, &image, &children);
        EXPECT_EQ(0, children);
        TreeView_SelectItem(tree, Child(tree, pick, L"b.exe"));
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::SaveScreenshot(testkit::CaptureWindow(dialog), L"prefs_program_picker");
        prefs::Click(dialog, IDCANCEL);
    });
}

TEST_F(PickerTest, CollapsingListsTheFolderAfreshAtTheNextExpand)
{
    Pick([](HWND dialog, HWND tree) {
        HTREEITEM pick = Open(tree, {L"Temp", L"pick"});
        ASSERT_NE(nullptr, pick);
        // As the pen's button or the arrow keys do it.
        TreeView_SelectItem(tree, pick);
        SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);
        int image = -1;
        TextOf(tree, pick, &image);
        EXPECT_EQ(1, image);
        EXPECT_TRUE(Children(tree, pick).empty());
        testkit::WriteFileBytes(L"\\Temp\\pick\\new.exe", {'x'});
        SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);
        EXPECT_EQ((std::vector<std::wstring>{L"A.EXE", L"b.exe", L"empty", L"new.exe", L"sub"}),
                  Children(tree, pick));
        prefs::Click(dialog, IDCANCEL);
    });
    const std::wstring log = testkit::DeviceLogText();
    for (const wchar_t* line : {L"Item expanding", L"Item collapsing", L"Item collapsed"})
        EXPECT_NE(std::wstring::npos, log.find(line)) << testing::PrintToString(std::wstring(line));
}

TEST_F(PickerTest, TheChosenProgramsPathByKeysAndOk)
{
    Pick([](HWND dialog, HWND tree) {
        HTREEITEM pick = Open(tree, {L"Temp", L"pick"});
        ASSERT_NE(nullptr, pick);
        TreeView_SelectItem(tree, Child(tree, pick, L"A.EXE"));
        EXPECT_EQ(L"\\Temp\\pick\\A.EXE", std::wstring(PickedProgramPath));
        HTREEITEM sub = Child(tree, pick, L"sub");
        TreeView_Expand(tree, sub, TVE_EXPAND);
        TreeView_SelectItem(tree, Child(tree, pick, L"b.exe"));
        EXPECT_EQ(L"\\Temp\\pick\\b.exe", std::wstring(PickedProgramPath));
        // The arrow keys move the selection; the path follows the new item.
        SetFocus(tree);
        SendMessageW(tree, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(L"empty", TextOf(tree, TreeView_GetSelection(tree)));
        EXPECT_EQ(L"", std::wstring(PickedProgramPath));
        SendMessageW(tree, WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(L"\\Temp\\pick\\b.exe", std::wstring(PickedProgramPath));
        TreeView_SelectItem(tree, Child(tree, sub, L"c.exe"));
        prefs::Click(dialog, IDOK);
    });
    EXPECT_EQ(L"\\Temp\\pick\\sub\\c.exe", std::wstring(PickedProgramPath));
}

TEST_F(PickerTest, AFolderOrCancelGivesNoPath)
{
    Pick([](HWND dialog, HWND tree) {
        HTREEITEM pick = Open(tree, {L"Temp", L"pick"});
        TreeView_SelectItem(tree, pick);
        prefs::Click(dialog, IDOK);
    });
    EXPECT_EQ(L"", std::wstring(PickedProgramPath));
    Pick([](HWND dialog, HWND tree) {
        HTREEITEM pick = Open(tree, {L"Temp", L"pick"});
        TreeView_SelectItem(tree, Child(tree, pick, L"b.exe"));
        prefs::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(L"", std::wstring(PickedProgramPath));
}

TEST_F(PickerTest, BuildsSearchPatternsAndRefusesTooLongOnes)
{
    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD, 0, 0, 100, 100, views::EnsureMainWindow(), nullptr,
                                nullptr, nullptr);
    auto insert = [&](HTREEITEM parent, const std::wstring& text) {
        TVINSERTSTRUCTW entry = {};
        entry.hParent = parent ? parent : TVI_ROOT;
        entry.hInsertAfter = TVI_LAST;
        entry.item.mask = TVIF_TEXT;
        entry.item.pszText = const_cast<wchar_t*>(text.c_str());
        return TreeView_InsertItem(tree, &entry);
    };
    HTREEITEM root = insert(nullptr, L"\\");
    HTREEITEM windows = insert(root, L"Windows");
    HTREEITEM nested = insert(windows, L"시작 메뉴");
    HTREEITEM deep = windows;
    for (int i = 0; i < 3; ++i)
        deep = insert(deep, std::wstring(90, static_cast<wchar_t>(L'a' + i)));
    struct Row {
        HTREEITEM item;
        int result;
        std::wstring pattern;
    };
    const Row rows[] = {
        {root, 1, L"\\*.*"},
        {windows, 1, L"\\Windows\\*.*"},
        {nested, 1, L"\\Windows\\시작 메뉴\\*.*"},
        {deep, 0, L""},
    };
    for (const Row& row : rows) {
        wchar_t pattern[MAX_PATH] = L"junk";
        EXPECT_EQ(row.result, BuildTreeItemPath(tree, row.item, pattern, MAX_PATH));
        EXPECT_EQ(row.pattern, std::wstring(pattern));
    }
    DestroyWindow(tree);
}

}  // namespace
