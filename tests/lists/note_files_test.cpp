// Notes files: streamed from a Rich Ink control into a file and back, a
// save that fails midway keeping the old file, the error boxes, deletes
// with their contact link, and the Notes program's command line.
#include "lists/note_files.h"

#include "core/link_tables.h"
#include "core/record_layouts.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "tests/lists/lists_fixture.h"
#include "tests/support/box_watch.h"
#include "tests/support/testkit.h"

#include <string>
#include <vector>

namespace liststest {
namespace {

constexpr wchar_t kFolder[] = L"\\My Documents\\업무";
constexpr wchar_t kNote[] = L"\\My Documents\\업무\\회의 메모.pwi";

std::vector<std::wstring> FolderEntries(const wchar_t* folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((std::wstring(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A control that hands over two blocks and then reports a failure.
LRESULT CALLBACK FailingStreamProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == EM_STREAMOUT) {
        auto* stream = reinterpret_cast<EDITSTREAM*>(lParam);
        BYTE block[64];
        memset(block, 'n', sizeof(block));
        LONG done = 0;
        stream->pfnCallback(stream->dwCookie, block, sizeof(block), &done);
        stream->pfnCallback(stream->dwCookie, block, sizeof(block), &done);
        stream->dwError = ERROR_WRITE_FAULT;
        return 2 * sizeof(block);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class NoteFilesTest : public ListsTest {
protected:
    void SetUp() override
    {
        ListsTest::SetUp();
        InitRichInkDLL();
        CreateDirectoryW(kFolder, nullptr);
        DeleteFileW(kNote);
        window = testkit::CreateTestWindow(false);
        const RECT area = {0, 0, 200, 150};
        control = CreateRichInkControl(window, &area);
        ASSERT_NE(control, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        SetFileAttributesW(kNote, FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(kNote);
        ListsTest::TearDown();
    }
    HWND NewControl()
    {
        const RECT area = {0, 0, 200, 150};
        return CreateRichInkControl(window, &area);
    }

    HWND window = nullptr;
    HWND control = nullptr;
};

TEST_F(NoteFilesTest, ControlToFileToControl)
{
    SetWindowTextW(control, L"회의 안건\r\n1. 예산");
    ASSERT_TRUE(SaveRichInkToNoteFile(control, kNote));
    // The file holds exactly what the control streams out.
    ASSERT_TRUE(StreamTextOutOfRichInk(control));
    const std::vector<uint8_t> expected(RichInkBody.bytes, RichInkBody.bytes + RichInkBody.size);
    EXPECT_EQ(testkit::ReadFileBytes(kNote), expected);
    EXPECT_EQ(FolderEntries(kFolder), (std::vector<std::wstring>{L"회의 메모.pwi"}));

    HWND second = NewControl();
    ASSERT_TRUE(StreamNoteFileIn(second, kNote));
    EXPECT_EQ(testkit::WindowText(second), L"회의 안건\r\n1. 예산");
}

TEST_F(NoteFilesTest, SavingReplacesAnOlderFile)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kNote, Bytes("old content")));
    SetWindowTextW(control, L"new");
    ASSERT_TRUE(SaveRichInkToNoteFile(control, kNote));
    HWND second = NewControl();
    ASSERT_TRUE(StreamNoteFileIn(second, kNote));
    EXPECT_EQ(testkit::WindowText(second), L"new");
    EXPECT_EQ(FolderEntries(kFolder).size(), 1u);
}

TEST_F(NoteFilesTest, AStreamFailingMidwayKeepsTheOldFile)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kNote, Bytes("old content")));
    HWND failing = CreateWindowExW(0, testkit::RegisterTestClass(FailingStreamProc).c_str(), L"", WS_CHILD, 0, 0, 10,
                                   10, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    boxwatch::ArmForThisThread();
    EXPECT_FALSE(SaveRichInkToNoteFile(failing, kNote));
    const boxwatch::SeenBox box = boxwatch::Disarm();
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(box.caption, L"Save Error:");
    EXPECT_EQ(box.text, L"Could not write file");
    EXPECT_EQ(testkit::ReadFileBytes(kNote), Bytes("old content"));
    EXPECT_EQ(FolderEntries(kFolder), (std::vector<std::wstring>{L"회의 메모.pwi"}));
}

TEST_F(NoteFilesTest, ErrorBoxes)
{
    struct Case {
        const char* name;
        bool save;
        const wchar_t* path;
        const wchar_t* caption;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"open a file deleted outside", false, L"\\My Documents\\업무\\없음.pwi", L"Open Error:",
         L"Could not create file"},
        {"save into a folder that is gone", true, L"\\My Documents\\없는 폴더\\a.pwi", L"Save Error:",
         L"Could not create file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowTextW(control, L"kept");
        boxwatch::ArmForThisThread();
        EXPECT_FALSE(c.save ? SaveRichInkToNoteFile(control, c.path) : StreamNoteFileIn(control, c.path));
        const boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(testkit::WindowText(control), L"kept");
    }
}

TEST_F(NoteFilesTest, ReadAndWriteCallbacksReportTheSystemError)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kNote, Bytes("abc")));
    HANDLE file = CreateFileW(kNote, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    NoteFileCookie cookie = {file, 0};
    BYTE buffer[8] = {};
    LONG done = -1;
    EXPECT_EQ(ReadNoteFileCallback(reinterpret_cast<DWORD_PTR>(&cookie), buffer, 8, &done), 0u);
    EXPECT_EQ(done, 3);
    EXPECT_EQ(ReadNoteFileCallback(reinterpret_cast<DWORD_PTR>(&cookie), buffer, 8, &done), 0u);
    EXPECT_EQ(done, 0);
    // A read-only handle cannot be written.
    const DWORD error = WriteNoteFileCallback(reinterpret_cast<DWORD_PTR>(&cookie), buffer, 8, &done);
    EXPECT_NE(error, 0u);
    EXPECT_EQ(cookie.error, error);
    EXPECT_EQ(done, 0);
    CloseHandle(file);
}

TEST_F(NoteFilesTest, DeleteDropsTheLinkOnlyWhenTheFileIsGone)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    ASSERT_TRUE(testkit::WriteFileBytes(kNote, Bytes("x")));
    AddNoteFileLink(hong, kNote);

    SetFileAttributesW(kNote, FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteNoteFileAt(kNote));
    EXPECT_TRUE(testkit::FileExists(kNote));
    EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(kNote)), hong);

    SetFileAttributesW(kNote, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(DeleteNoteFileAt(kNote));
    EXPECT_FALSE(testkit::FileExists(kNote));
    EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(kNote)), 0u);
}

TEST_F(NoteFilesTest, DeleteWithoutLinkStillDeletesTheFile)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kNote, Bytes("x")));
    EXPECT_TRUE(DeleteNoteFileAt(kNote));
    EXPECT_FALSE(testkit::FileExists(kNote));
}

TEST_F(NoteFilesTest, NotesProgramGetsThePathUnquoted)
{
    ASSERT_TRUE(StartNotesProgram(kNote));
    const std::wstring line = L"Standin Notes.exe: command line \\My Documents\\업무\\회의 메모.pwi";
    EXPECT_TRUE(testkit::PumpUntil([&] { return testkit::DeviceLogText().find(line) != std::wstring::npos; }, 10000));
}

}  // namespace
}  // namespace liststest
