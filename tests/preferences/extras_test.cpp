// The extras page: the candidate programs of a fixture Start menu, adding,
// moving and deleting shortcuts, the buttons' enabling and the preview's
// hit tests.
#include "core/own_databases.h"
#include "core/shortcut_list.h"
#include "editors/preferences_state.h"
#include "editors/shortcut_candidates.h"
#include "editors/shortcut_preview.h"
#include "resources/resource.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/support/box_watch.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

#include <map>

namespace {

const std::wstring kKorean = L"\\Windows\\시작 메뉴";
const std::wstring kKoreanAside = L"\\Windows\\시작 메뉴.aside";
const std::wstring kEnglish = L"\\Windows\\Start Menu";

void MakeFile(const std::wstring& path, bool hidden = false)
{
    testkit::WriteFileBytes(path, {'x'});
    if (hidden)
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry = {};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

// A Start menu with programs of every kind the list must sort out.
void MakeStartMenu(const std::wstring& root, const std::wstring& programs)
{
    CreateDirectoryW(root.c_str(), nullptr);
    const std::wstring p = root + L"\\" + programs;
    CreateDirectoryW(p.c_str(), nullptr);
    MakeFile(root + L"\\Calc.lnk");
    MakeFile(root + L"\\Hidden.lnk", true);
    MakeFile(p + L"\\Word.lnk");
    MakeFile(p + L"\\NoExt");
    MakeFile(p + L"\\my.app.lnk");
    MakeFile(p + L"\\hid.lnk", true);
    MakeFile(p + L"\\x.abcdefghijklmnopqrstuvwxyz");  // extension too long
    MakeFile(p + L"\\" + std::wstring(235, L'n') + L".lnk");  // path too long
    CreateDirectoryW((p + L"\\Games").c_str(), nullptr);
    MakeFile(p + L"\\Games\\Solitaire.lnk");
    CreateDirectoryW((p + L"\\Secret").c_str(), nullptr);
    SetFileAttributesW((p + L"\\Secret").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    MakeFile(p + L"\\Secret\\Tool.exe");
}

void SetShortcuts(const std::vector<std::wstring>& paths)
{
    DropShortcutDatabase();
    CreateShortcutDatabase();
    for (size_t i = 0; i < paths.size(); ++i)
        InsertShortcutRecord(static_cast<int32_t>(i + 1), paths[i].c_str());
}

std::vector<std::wstring> StoredShortcuts()
{
    LoadShortcutList();
    return std::vector<std::wstring>(ShortcutPathTable, ShortcutPathTable + ShortcutPathCount);
}

// The item texts and, for programs, their paths.
std::map<std::wstring, std::wstring> Candidates(HWND page)
{
    std::map<std::wstring, std::wstring> items;
    const std::vector<std::wstring> texts = testkit::ComboItems(GetDlgItem(page, IDC_EXTRAS_CANDIDATES));
    EXPECT_EQ(static_cast<size_t>(ShortcutCandidateCount), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        wchar_t path[kShortcutPathChars] = L"";
        items[texts[i]] = CandidatePath(static_cast<int>(i), texts[i].c_str(), path, kShortcutPathChars) ? path : L"";
    }
    return items;
}

bool Enabled(HWND page, int id)
{
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

// A pen-down on the preview's icon of that index.
void TapIcon(HWND page, int index)
{
    const int x = 12 + 22 * (index % 10) + 4;
    const int y = 203 + 21 * (index / 10) + 4;
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void ChooseCandidate(HWND page, const std::wstring& text)
{
    HWND list = GetDlgItem(page, IDC_EXTRAS_CANDIDATES);
    const LRESULT item = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
    prefs::Click(page, IDC_EXTRAS_CANDIDATES, CBN_SELCHANGE);
}

HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const std::wstring& name)
{
    for (HTREEITEM item = TreeView_GetChild(tree, parent); item; item = TreeView_GetNextSibling(tree, item)) {
        wchar_t text[MAX_PATH] = L"";
        TVITEMW read = {};
        read.mask = TVIF_TEXT;
        read.hItem = item;
        read.pszText = text;
        read.cchTextMax = MAX_PATH;
        TreeView_GetItem(tree, &read);
        if (name == text)
            return item;
    }
    return nullptr;
}

class ExtrasTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::EnsureMainWindow();
        SetShortcuts({});
    }
    // Runs the extras page; `act` leaves it open, the page is cancelled after.
    void OnPage(const std::function<void(HWND page)>& act)
    {
        ASSERT_TRUE(prefs::RunSheet(kTodayExtrasPage, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            act(page);
            prefs::PressCancel(page);
        }));
    }
};

TEST_F(ExtrasTest, KoreanStartMenuListsItsProgramsByFolder)
{
    MakeStartMenu(kKorean, L"프로그램");
    const std::wstring p = kKorean + L"\\프로그램";
    std::map<std::wstring, std::wstring> items;
    std::wstring first;
    OnPage([&](HWND page) {
        items = Candidates(page);
        first = testkit::ComboItems(GetDlgItem(page, IDC_EXTRAS_CANDIDATES)).at(0);
    });
    RemoveTree(kKorean);
    CreateDirectoryW(kKorean.c_str(), nullptr);
    CreateDirectoryW(p.c_str(), nullptr);
    EXPECT_EQ(L"☞시작 메뉴", first);
    const std::map<std::wstring, std::wstring> expected = {
        {L"☞시작 메뉴", L""},
        {L"   Calc", kKorean + L"\\Calc.lnk"},
        {L"☞프로그램", L""},
        {L"   Word", p + L"\\Word.lnk"},
        {L"   NoExt", p + L"\\NoExt"},
        {L"   my.app", p + L"\\my.app.lnk"},
        {L"☞Games", L""},
        {L"   Solitaire", p + L"\\Games\\Solitaire.lnk"},
        {L"☞Secret", L""},
        {L"   Tool", p + L"\\Secret\\Tool.exe"},
    };
    EXPECT_EQ(expected, items);
}

TEST_F(ExtrasTest, FolderNamesFollowTheDevicesLanguage)
{
    ASSERT_TRUE(MoveFileW(kKorean.c_str(), kKoreanAside.c_str()));
    struct Row {
        const char* name;
        std::wstring korean;  // a folder that marks a Korean device, or none
        const wchar_t* startMenu;
        const wchar_t* programs;
    };
    const Row rows[] = {
        {"old Korean name", L"\\Windows\\시작", L"시작 메뉴", L"프로그램"},
        {"English", L"", L"Start Menu", L"Programs"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.korean.empty())
            CreateDirectoryW(row.korean.c_str(), nullptr);
        MakeStartMenu(kEnglish, L"Programs");
        std::map<std::wstring, std::wstring> items;
        OnPage([&](HWND page) { items = Candidates(page); });
        EXPECT_EQ(row.startMenu, std::wstring(StartMenuFolder));
        EXPECT_EQ(row.programs, std::wstring(ProgramsFolder));
        // Headers stay Korean.
        EXPECT_EQ(1u, items.count(L"☞시작 메뉴"));
        EXPECT_EQ(1u, items.count(L"☞프로그램"));
        if (row.korean.empty())
            EXPECT_EQ(kEnglish + L"\\Programs\\Word.lnk", items[L"   Word"]);
        else
            EXPECT_EQ(2u, items.size());  // the Korean folders do not exist
        RemoveTree(kEnglish);
        if (!row.korean.empty())
            RemoveDirectoryW(row.korean.c_str());
    }
    ASSERT_TRUE(MoveFileW(kKoreanAside.c_str(), kKorean.c_str()));
}

TEST_F(ExtrasTest, AddingFromTheListStoresThePathAndMarksTheChange)
{
    MakeFile(kKorean + L"\\프로그램\\Word.lnk");
    bool addEnabledOnHeader = true, addEnabledOnItem = false;
    OnPage([&](HWND page) {
        EXPECT_EQ(0, ShortcutsChanged);
        ChooseCandidate(page, L"☞프로그램");
        addEnabledOnHeader = Enabled(page, IDC_EXTRAS_ADD);
        ChooseCandidate(page, L"   Word");
        addEnabledOnItem = Enabled(page, IDC_EXTRAS_ADD);
        prefs::Click(page, IDC_EXTRAS_ADD);
        EXPECT_EQ(1, ShortcutsChanged);
        EXPECT_EQ(1, ShortcutNextOrder);
    });
    DeleteFileW((kKorean + L"\\프로그램\\Word.lnk").c_str());
    EXPECT_FALSE(addEnabledOnHeader);
    EXPECT_TRUE(addEnabledOnItem);
    EXPECT_EQ(std::vector<std::wstring>{kKorean + L"\\프로그램\\Word.lnk"}, StoredShortcuts());
}

TEST_F(ExtrasTest, AnAddedShortcutRestartsTheTodayItem)
{
    MakeFile(kKorean + L"\\Calc.lnk");
    prefs::BroadcastProbe probe;
    prefs::NoticeCounter notices;
    ASSERT_TRUE(prefs::RunSheet(kTodayExtrasPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        ChooseCandidate(page, L"   Calc");
        prefs::Click(page, IDC_EXTRAS_ADD);
        prefs::PressOk(page);
    }));
    DeleteFileW((kKorean + L"\\Calc.lnk").c_str());
    EXPECT_EQ(2u, probe.seen.size());
    EXPECT_EQ(1u, notices.texts().size());
}

TEST_F(ExtrasTest, ACustomProgramIsAdded)
{
    testkit::WriteFileBytes(L"\\Temp\\custom.exe", {'x'});
    OnPage([&](HWND page) {
        const bool picked = prefs::WithDialog(L"바로가기 사용자 지정", [&] { prefs::Click(page, IDC_EXTRAS_ADD_CUSTOM); },
                                              [](HWND picker) {
                                                  HWND tree = GetDlgItem(picker, 1260);
                                                  HTREEITEM root = TreeView_GetRoot(tree);
                                                  TreeView_Expand(tree, root, TVE_EXPAND);
                                                  HTREEITEM temp = ChildNamed(tree, root, L"Temp");
                                                  TreeView_Expand(tree, temp, TVE_EXPAND);
                                                  TreeView_SelectItem(tree, ChildNamed(tree, temp, L"custom.exe"));
                                                  prefs::Click(picker, IDOK);
                                              });
        EXPECT_TRUE(picked);
        EXPECT_EQ(1, ShortcutsChanged);
    });
    DeleteFileW(L"\\Temp\\custom.exe");
    EXPECT_EQ(std::vector<std::wstring>{L"\\Temp\\custom.exe"}, StoredShortcuts());
}

TEST_F(ExtrasTest, AddButtonsFollowTheCount)
{
    MakeFile(kKorean + L"\\Calc.lnk");
    struct Row {
        int count;
        bool enabled;
    };
    for (const Row& row : {Row{0, true}, Row{1, true}, Row{19, true}, Row{20, false}}) {
        SCOPED_TRACE(row.count);
        std::vector<std::wstring> paths;
        for (int i = 0; i < row.count; ++i)
            paths.push_back(L"\\Windows\\p" + std::to_wstring(i) + L".exe");
        SetShortcuts(paths);
        OnPage([&](HWND page) {
            ChooseCandidate(page, L"   Calc");
            EXPECT_EQ(row.enabled, Enabled(page, IDC_EXTRAS_ADD));
            EXPECT_EQ(row.enabled, Enabled(page, IDC_EXTRAS_ADD_CUSTOM));
            if (row.count == 19) {
                prefs::Click(page, IDC_EXTRAS_ADD);
                EXPECT_EQ(20, ShortcutPathCount);
                EXPECT_FALSE(Enabled(page, IDC_EXTRAS_ADD));
                EXPECT_FALSE(Enabled(page, IDC_EXTRAS_ADD_CUSTOM));
            }
        });
    }
    DeleteFileW((kKorean + L"\\Calc.lnk").c_str());
}

struct EditCase {
    const char* name;
    int id;
    int selection;
    std::vector<std::wstring> after;
    int selectionAfter;
    bool left, right, remove;
};

TEST_F(ExtrasTest, MovesAndDeletesRewriteTheList)
{
    const std::wstring a = L"\\Windows\\a.exe", b = L"\\Windows\\b.exe", c = L"\\Windows\\c.exe";
    const EditCase cases[] = {
        {"left from the middle", IDC_EXTRAS_MOVE_LEFT, 1, {b, a, c}, 0, false, true, true},
        {"left from the last", IDC_EXTRAS_MOVE_LEFT, 2, {a, c, b}, 1, true, true, true},
        {"right from the first", IDC_EXTRAS_MOVE_RIGHT, 0, {b, a, c}, 1, true, true, true},
        {"right from the middle", IDC_EXTRAS_MOVE_RIGHT, 1, {a, c, b}, 2, true, false, true},
        {"delete the first", IDC_EXTRAS_DELETE, 0, {b, c}, -1, false, false, false},
        {"delete the middle", IDC_EXTRAS_DELETE, 1, {a, c}, -1, false, false, false},
        {"delete the last", IDC_EXTRAS_DELETE, 2, {a, b}, -1, false, false, false},
    };
    for (const EditCase& e : cases) {
        SCOPED_TRACE(e.name);
        SetShortcuts({a, b, c});
        OnPage([&](HWND page) {
            TapIcon(page, e.selection);
            EXPECT_EQ(e.selection, ShortcutSelection);
            prefs::Click(page, e.id);
            EXPECT_EQ(e.selectionAfter, ShortcutSelection);
            EXPECT_EQ(e.left, Enabled(page, IDC_EXTRAS_MOVE_LEFT));
            EXPECT_EQ(e.right, Enabled(page, IDC_EXTRAS_MOVE_RIGHT));
            EXPECT_EQ(e.remove, Enabled(page, IDC_EXTRAS_DELETE));
            EXPECT_EQ(1, ShortcutsChanged);
        });
        EXPECT_EQ(e.after, StoredShortcuts());
    }
}

TEST_F(ExtrasTest, SelectionEnablesTheEditButtons)
{
    SetShortcuts({L"\\Windows\\only.exe"});
    OnPage([&](HWND page) {
        EXPECT_FALSE(Enabled(page, IDC_EXTRAS_DELETE));
        TapIcon(page, 0);
        EXPECT_FALSE(Enabled(page, IDC_EXTRAS_MOVE_LEFT));
        EXPECT_FALSE(Enabled(page, IDC_EXTRAS_MOVE_RIGHT));
        EXPECT_TRUE(Enabled(page, IDC_EXTRAS_DELETE));
        // A tap between icons selects none.
        SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(31, 210));
        EXPECT_EQ(-1, ShortcutSelection);
        EXPECT_FALSE(Enabled(page, IDC_EXTRAS_DELETE));
        TapIcon(page, 0);
        prefs::Click(page, IDC_EXTRAS_DELETE);
        EXPECT_EQ(0, ShortcutPathCount);
    });
    EXPECT_TRUE(StoredShortcuts().empty());
}

TEST_F(ExtrasTest, HitTestsKeepToTheIconBands)
{
    ShortcutPathCount = 15;
    struct Row {
        int x, y, index;
    };
    const Row rows[] = {
        {11, 202, 0},  {29, 220, 0},  {30, 210, -1}, {32, 210, -1}, {33, 210, 1},  {10, 210, -1},
        {11, 201, -1}, {11, 221, -1}, {11, 223, 10}, {117, 241, 14}, {121, 230, -1}, {209, 210, 9},
        {228, 210, -1}, {11, 242, -1}, {121, 223, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(row.index, ShortcutAtPoint(row.x, row.y));
    }
    ShortcutPathCount = 0;
}

TEST_F(ExtrasTest, AFailedRewriteKeepsTheList)
{
    const std::vector<std::wstring> paths = {L"\\Windows\\a.exe", L"\\Windows\\b.exe", L"\\Windows\\c.exe"};
    SetShortcuts(paths);
    boxwatch::ArmForThisThread();
    OnPage([&](HWND page) {
        TapIcon(page, 1);
        CeStoreFailNextChange(L"QuillonShortcut", ERROR_DISK_FULL);
        prefs::Click(page, IDC_EXTRAS_MOVE_RIGHT);
        EXPECT_EQ(3, ShortcutPathCount);
    });
    const boxwatch::SeenBox box = boxwatch::Disarm();
    CeStoreFailNextChange(nullptr, 0);
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(paths, StoredShortcuts());
}

TEST_F(ExtrasTest, PagesAndPreviewLookRight)
{
    SetShortcuts({L"\\Windows\\Notes.exe", L"\\Windows\\ctlpnl.exe", L"\\Windows\\tmail.exe"});
    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [&](HWND sheet) {
        const wchar_t* names[] = {L"prefs_diary", L"prefs_today", L"prefs_extras", L"prefs_colours"};
        for (int i = 0; i < kSettingsPageCount; ++i) {
            HWND page = prefs::ShowPage(sheet, i);
            if (i == kTodayExtrasPage)
                TapIcon(page, 1);
            RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            testkit::PumpFor(100);
            testkit::SaveScreenshot(testkit::CaptureWindow(sheet), names[i]);
        }
        HWND page = prefs::ShowPage(sheet, kTodayExtrasPage);
        // The preview's background and the selected icon's frame.
        POINT inside = {8, 242};
        ClientToScreen(page, &inside);
        EXPECT_EQ(static_cast<COLORREF>(0xC6CFDE), testkit::ScreenPixel(inside.x, inside.y));
        POINT frame = {10 + 22, 201};
        ClientToScreen(page, &frame);
        EXPECT_EQ(RGB(0, 0, 0), testkit::ScreenPixel(frame.x, frame.y));
        prefs::PressCancel(page);
    }));
    SetShortcuts({});
    ASSERT_TRUE(prefs::RunSheet(kTodayExtrasPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(100);
        testkit::SaveScreenshot(testkit::CaptureWindow(sheet), L"prefs_extras_empty");
        // Some dark text pixel in the empty text's line.
        POINT from = {7, 212};
        ClientToScreen(page, &from);
        const testkit::Image screen = testkit::CaptureScreen();
        int dark = 0;
        for (int y = from.y; y < from.y + 20; ++y)
            for (int x = from.x; x < from.x + 225; ++x)
                dark += screen.At(x, y) == RGB(0, 0, 0);
        EXPECT_GT(dark, 20);
        prefs::PressCancel(page);
    }));
}

}  // namespace
