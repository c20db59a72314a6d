// One level of the program tree: folders and ".exe" files, sorted.
#include "core/folder_tree.h"

#include "tests/support/box_watch.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Node {
    std::wstring text;
    int image;
    int children;
};

std::vector<Node> ChildrenOf(HWND tree, HTREEITEM parent)
{
    std::vector<Node> nodes;
    HTREEITEM item = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        wchar_t text[MAX_PATH] = L"";
        TVITEMW read = {};
        read.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_CHILDREN;
        read.hItem = item;
        read.pszText = text;
        read.cchTextMax = MAX_PATH;
        TreeView_GetItem(tree, &read);
        nodes.push_back({text, read.iImage, read.cChildren});
    }
    return nodes;
}

int ChildrenFlag(HWND tree, HTREEITEM item)
{
    TVITEMW read = {};
    read.mask = TVIF_HANDLE | TVIF_CHILDREN;
    read.hItem = item;
    TreeView_GetItem(tree, &read);
    return read.cChildren;
}

// A tree view whose inserts fail from a given count on.
WNDPROC treeProc = nullptr;
int insertsAllowed = 0;

LRESULT CALLBACK FailingInsertProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == TVM_INSERTITEMW && insertsAllowed-- <= 0)
        return 0;
    return CallWindowProcW(treeProc, window, msg, wParam, lParam);
}

class FolderTreeTest : public testing::Test {
protected:
    void SetUp() override
    {
        host = testkit::CreateTestWindow(false);
        tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 0, 200, 200, host,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(tree, nullptr);
        CreateDirectoryW(L"\\Temp\\tree", nullptr);
        CreateDirectoryW(L"\\Temp\\tree\\empty", nullptr);
        CreateDirectoryW(L"\\Temp\\tree\\only", nullptr);
        testkit::WriteFileBytes(L"\\Temp\\tree\\only\\calc.exe", {1});
        CreateDirectoryW(L"\\Temp\\tree\\mixed", nullptr);
        CreateDirectoryW(L"\\Temp\\tree\\mixed\\Zeta", nullptr);
        CreateDirectoryW(L"\\Temp\\tree\\mixed\\alpha", nullptr);
        testkit::WriteFileBytes(L"\\Temp\\tree\\mixed\\notes.txt", {1});
        testkit::WriteFileBytes(L"\\Temp\\tree\\mixed\\BIG.EXE", {1});
        testkit::WriteFileBytes(L"\\Temp\\tree\\mixed\\메모.exe", {1});
        testkit::WriteFileBytes(L"\\Temp\\tree\\mixed\\exe", {1});
        testkit::WriteFileBytes(L"\\Temp\\tree\\mixed\\a.exe.bak", {1});
        root = InsertTreeItem(tree, L"\\", nullptr, TRUE);
        ASSERT_NE(root, nullptr);
    }
    void TearDown() override { DestroyWindow(host); }

    HWND host = nullptr;
    HWND tree = nullptr;
    HTREEITEM root = nullptr;
};

TEST_F(FolderTreeTest, InsertSkipsDotEntriesAndFilesThatAreNotPrograms)
{
    struct InsertCase {
        const wchar_t* name;
        BOOL folder;
        bool inserted;
    };
    const InsertCase cases[] = {
        {L".", TRUE, false},       {L"..", TRUE, false},       {L"readme.txt", FALSE, false},
        {L"exe", FALSE, false},    {L"a.exe.bak", FALSE, false}, {L"Run.Exe", FALSE, true},
        {L"tool.exe", FALSE, true}, {L"Folder.txt", TRUE, true},
    };
    for (const InsertCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        HTREEITEM result = InsertTreeItem(tree, c.name, root, c.folder);
        if (c.inserted) {
            EXPECT_NE(result, nullptr);
            EXPECT_NE(result, kTreeEntrySkipped);
        } else {
            EXPECT_EQ(result, kTreeEntrySkipped);
        }
    }
    std::vector<Node> nodes = ChildrenOf(tree, root);
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0].text, L"Folder.txt");
    EXPECT_EQ(nodes[0].image, 1);
    EXPECT_EQ(nodes[0].children, 1);
    EXPECT_EQ(nodes[1].text, L"Run.Exe");
    EXPECT_EQ(nodes[1].image, 2);
    EXPECT_EQ(nodes[1].children, 0);
    EXPECT_EQ(nodes[2].text, L"tool.exe");
}

TEST_F(FolderTreeTest, ListsFoldersAndProgramsSortedUnderTheParent)
{
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\mixed\\*.*", root), 1);
    std::vector<Node> nodes = ChildrenOf(tree, root);
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0].text, L"alpha");
    EXPECT_EQ(nodes[0].image, 1);
    EXPECT_EQ(nodes[1].text, L"BIG.EXE");
    EXPECT_EQ(nodes[1].image, 2);
    EXPECT_EQ(nodes[2].text, L"Zeta");
    EXPECT_EQ(nodes[3].text, L"메모.exe");
    EXPECT_EQ(ChildrenFlag(tree, root), 1);
}

TEST_F(FolderTreeTest, OnlyAProgram)
{
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\only\\*.*", root), 1);
    std::vector<Node> nodes = ChildrenOf(tree, root);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0].text, L"calc.exe");
    EXPECT_EQ(nodes[0].image, 2);
}

TEST_F(FolderTreeTest, EmptyFolderLosesTheExpandButton)
{
    ASSERT_EQ(ChildrenFlag(tree, root), 1);
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\empty\\*.*", root), 1);
    EXPECT_EQ(ChildrenFlag(tree, root), 0);
    EXPECT_TRUE(ChildrenOf(tree, root).empty());
}

TEST_F(FolderTreeTest, EmptyFolderUnderNoItemLogsThatTheUpdateFailed)
{
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\empty\\*.*", nullptr), 1);
    EXPECT_NE(testkit::DeviceLogText().find(L"ERROR: setting item for no children."), std::wstring::npos);
}

TEST_F(FolderTreeTest, AFailedInsertStopsTheListing)
{
    treeProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FailingInsertProc)));
    insertsAllowed = 1;
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\mixed\\*.*", root), 0);
    EXPECT_EQ(ChildrenOf(tree, root).size(), 1u);
    SetWindowLongPtrW(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(treeProc));
}

TEST_F(FolderTreeTest, AMissingPathIsReportedWithTheErrorBox)
{
    boxwatch::ArmForThisThread();
    EXPECT_EQ(FillFolderTreeLevel(tree, L"\\Temp\\tree\\nosuch\\*.*", root), 1);
    boxwatch::SeenBox box = boxwatch::Disarm();
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.caption, L"An 3 error occured.");
    EXPECT_EQ(box.text, L"Generic, Line=104, File=.\\dir");
    EXPECT_NE(testkit::DeviceLogText().find(L"FindFirstFile returned invalid handle"), std::wstring::npos);
    EXPECT_EQ(ChildrenFlag(tree, root), 1);
}

}  // namespace
