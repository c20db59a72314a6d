// The device's open and save dialogs, shown and driven as a user would:
// the files they list, the path they answer, their place on the screen.
#include "tests/backup/dialog_script.h"
#include "tests/support/testkit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace backuptest {
namespace {

constexpr wchar_t kFilter[] = L"Vestamor 다이어리 백업파일\0*.qnb\0";

// What the test does once the dialog is up.
std::function<void(HWND)> g_drive;

BOOL CALLBACK FindFileDialog(HWND window, LPARAM param)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (lstrcmpW(name, CE_FILE_DIALOG_CLASS) == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindFileDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !g_drive)
        return;
    KillTimer(nullptr, timer);
    auto drive = std::move(g_drive);
    g_drive = nullptr;
    drive(dialog);
}

struct Answer {
    BOOL chosen;
    std::wstring path;
};

Answer RunDialog(bool save, const wchar_t* initial, const std::function<void(HWND)>& drive, DWORD bufferChars = MAX_PATH)
{
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    lstrcpynW(buffer.data(), initial, static_cast<int>(bufferChars));
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.lpstrFilter = kFilter;
    request.lpstrFile = buffer.data();
    request.nMaxFile = bufferChars;
    request.lpstrDefExt = L"qnb";
    g_drive = drive;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, DriveDialog);
    BOOL chosen = save ? GetSaveFileName(&request) : GetOpenFileName(&request);
    KillTimer(nullptr, timer);
    return Answer{chosen, buffer.data()};
}

void Choose(HWND dialog, int combo, int index)
{
    SendDlgItemMessageW(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

std::vector<std::wstring> ComboTexts(HWND dialog, int combo)
{
    return testkit::ComboItems(GetDlgItem(dialog, combo));
}

std::vector<std::wstring> ListedFiles(HWND dialog)
{
    HWND list = GetDlgItem(dialog, CE_FILE_DIALOG_FILES);
    std::vector<std::wstring> files;
    for (int i = 0; i < testkit::ListViewCount(list); ++i)
        files.push_back(testkit::ListViewText(list, i, 0) + L" " + testkit::ListViewText(list, i, 1));
    return files;
}

void Press(HWND dialog, int button)
{
    PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
}

class FileDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryW(L"\\My Documents\\Backups", nullptr);
        CreateDirectoryW(L"\\Storage Card", nullptr);
        for (const wchar_t* file : kFiles)
            testkit::WriteFileBytes(file, {1});
    }
    void TearDown() override
    {
        for (const wchar_t* file : kFiles)
            DeleteFileW(file);
        RemoveDirectoryW(L"\\My Documents\\Backups");
    }
    static constexpr const wchar_t* kFiles[] = {L"\\My Documents\\a.qnb", L"\\My Documents\\Backups\\b.qnb",
                                                L"\\Storage Card\\c.qnb", L"\\My Documents\\d.txt"};
};

TEST_F(FileDialogsTest, OpenListsTheMatchingFilesOfEveryFolderAndAnswersTheChosenOne)
{
    Answer answer = RunDialog(false, L"", [](HWND dialog) {
        RECT place = testkit::ScreenRect(dialog);
        EXPECT_EQ(place.left, 0);
        EXPECT_EQ(place.top, 26);
        EXPECT_EQ(place.right, 240);
        EXPECT_EQ(testkit::WindowText(dialog), L"열기");
        EXPECT_EQ(ComboTexts(dialog, CE_FILE_DIALOG_FOLDER),
                  (std::vector<std::wstring>{L"모든 폴더", L"My Documents", L"Backups", L"서식 파일", L"Storage Card"}));
        EXPECT_EQ(ComboTexts(dialog, CE_FILE_DIALOG_TYPE), (std::vector<std::wstring>{L"Vestamor 다이어리 백업파일"}));
        EXPECT_EQ(ListedFiles(dialog), (std::vector<std::wstring>{L"a.qnb My Documents", L"b.qnb Backups",
                                                                   L"c.qnb Storage Card"}));
        testkit::PumpFor(300);  // the top bar takes the title
        testkit::SaveScreenshot(testkit::CaptureScreen(), L"file_dialog_open");
        Choose(dialog, CE_FILE_DIALOG_FOLDER, 4);
        EXPECT_EQ(ListedFiles(dialog), (std::vector<std::wstring>{L"c.qnb Storage Card"}));
        Choose(dialog, CE_FILE_DIALOG_FOLDER, 0);
        ListView_SetItemState(GetDlgItem(dialog, CE_FILE_DIALOG_FILES), 1, LVIS_SELECTED, LVIS_SELECTED);
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(answer.chosen);
    EXPECT_EQ(answer.path, L"\\My Documents\\Backups\\b.qnb");
}

struct SaveCase {
    const char* name;
    const wchar_t* typed;  // null: the name offered
    int folder;
    int location;
    const wchar_t* expected;
};

const SaveCase kSaves[] = {
    {"the name offered", nullptr, 0, 0, L"\\My Documents\\Quillon070531.qnb"},
    {"a name without extension", L"abc", 0, 0, L"\\My Documents\\abc.qnb"},
    {"a name with its own extension", L"abc.bak", 0, 0, L"\\My Documents\\abc.bak"},
    {"in a folder", L"abc", 1, 0, L"\\My Documents\\Backups\\abc.qnb"},
    {"on the card", nullptr, 0, 1, L"\\Storage Card\\Quillon070531.qnb"},
};

TEST_F(FileDialogsTest, SaveAnswersLocationFolderAndName)
{
    for (const SaveCase& c : kSaves) {
        SCOPED_TRACE(c.name);
        Answer answer = RunDialog(true, L"Quillon070531.qnb", [&](HWND dialog) {
            EXPECT_EQ(testkit::WindowText(GetDlgItem(dialog, CE_FILE_DIALOG_NAME)), L"Quillon070531.qnb");
            EXPECT_EQ(ComboTexts(dialog, CE_FILE_DIALOG_LOCATION),
                      (std::vector<std::wstring>{L"주 메모리", L"Storage Card"}));
            if (c.location == 0) {
                EXPECT_EQ(ComboTexts(dialog, CE_FILE_DIALOG_FOLDER), (std::vector<std::wstring>{L"없음", L"Backups", L"서식 파일"}));
            }
            if (c.name == kSaves[0].name) {
                testkit::PumpFor(300);
                testkit::SaveScreenshot(testkit::CaptureScreen(), L"file_dialog_save");
            }
            if (c.typed)
                SetDlgItemTextW(dialog, CE_FILE_DIALOG_NAME, c.typed);
            Choose(dialog, CE_FILE_DIALOG_LOCATION, c.location);
            Choose(dialog, CE_FILE_DIALOG_FOLDER, c.folder);
            Press(dialog, IDOK);
        });
        EXPECT_TRUE(answer.chosen);
        EXPECT_EQ(answer.path, c.expected);
    }
}

TEST_F(FileDialogsTest, CancelAnEmptyNameAndATooSmallBuffer)
{
    EXPECT_FALSE(RunDialog(true, L"x.qnb", [](HWND dialog) { Press(dialog, IDCANCEL); }).chosen);
    EXPECT_FALSE(RunDialog(false, L"", [](HWND dialog) { Press(dialog, IDCANCEL); }).chosen);
    // An empty name is not taken; the dialog stays until cancelled.
    EXPECT_FALSE(RunDialog(true, L"x.qnb", [](HWND dialog) {
                     SetDlgItemTextW(dialog, CE_FILE_DIALOG_NAME, L"  ");
                     SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                     EXPECT_TRUE(IsWindowVisible(dialog));
                     Press(dialog, IDCANCEL);
                 }).chosen);
    EXPECT_FALSE(RunDialog(true, L"x.qnb", [](HWND dialog) { Press(dialog, IDOK); }, 10).chosen)
        << "\\My Documents\\x.qnb does not fit 10 characters";
}

}  // namespace
}  // namespace backuptest
