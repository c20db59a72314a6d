// The File menu's backup and restore on the running main window: the file
// chosen through the file dialog's hook, the boxes answered, the progress
// dialog's buttons pressed; the files on the device afterwards.
#include "backup/commands.h"
#include "backup/state.h"
#include "core/db_access.h"
#include "core/outlook_probes.h"
#include "core/record_layouts.h"
#include "core/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include "tests/backup/crafted_files.h"
#include "tests/backup/dialog_script.h"
#include "tests/backup/sample_diary.h"
#include "tests/support/device_clock.h"
#include "tests/support/layout_check.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace backuptest {
namespace {

constexpr wchar_t kChosen[] = L"\\My Documents\\x.qnb";
constexpr wchar_t kWork[] = L"\\My Documents\\x.$$$";
// The Today item reloads when it finds this.
constexpr wchar_t kDataChangedMarker[] = L"\\Windows\\Quillon2.qmk";
const Bytes kOldFile = Bytes("an older file of that name");

const wchar_t kBackupDone[] = L"다이어리 자료백업 작업이 완료되었습니다.";
const wchar_t kBackupFailed[] = L"다이어리 자료백업 작업이 실패했습니다.";
const wchar_t kBackupCancelled[] = L"다이어리 자료백업 작업이 취소되었습니다.";
const wchar_t kRestoreDone[] = L"다이어리 자료복원 작업이 완료되었습니다.";
const wchar_t kRestoreFailed[] = L"다이어리 자료복원 작업이 실패했습니다.";
const wchar_t kRestoreCancelled[] = L"다이어리 자료복원 작업이 취소되었습니다.";
const wchar_t kInvalidFile[] = L"올바르지 않은 복원파일이므로 다이어리 자료복원 작업이 실패했었습니다.";

class SharedMainWindow : public testing::Environment {
    void SetUp() override { testkit::KeepPlatformBetweenCases(); }
    void TearDown() override { views::StopMainWindow(); }
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new SharedMainWindow);

int g_forgotten = 0;

class CommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(views::EnsureMainWindow());
        InstallBackupHooks();
        Hooks.ForgetMonthSchedule = [] { ++g_forgotten; };
        g_forgotten = 0;
        ASSERT_TRUE(Restore(Head(1) + kCounterRecord)) << "an empty diary";
        BackupJob = BackupJobState();
        for (const wchar_t* file : {kChosen, kWork})
            DeleteFileW(file);
    }
    void TearDown() override
    {
        script_.Disarm();
        BackupJob.stepHook = nullptr;
        Hooks.ForgetMonthSchedule = nullptr;
    }

    // Runs a command with the script armed.
    void Run(void (*command)())
    {
        script_.Arm();
        command();
        script_.Disarm();
    }
    static void RunBackup() { BackupDiaryData(); }

    std::vector<std::wstring> BoxTexts() const
    {
        std::vector<std::wstring> texts;
        for (const SeenBox& box : script_.Boxes())
            texts.push_back(box.caption + L": " + box.text);
        return texts;
    }

    DialogScript script_;
};

std::wstring Notice(const wchar_t* text)
{
    return std::wstring(L"알림: ") + text;
}

TEST_F(CommandsTest, TheBackupOffersTodaysNameAndCancelDoesNothing)
{
    testkit::PosedDeviceTime posed(2007, 5, 31, 9, 0);
    ASSERT_TRUE(posed.Posed());
    script_.ChooseFile(L"");
    Run(RunBackup);
    ASSERT_EQ(script_.FileRequests().size(), 1u);
    const FileRequestSeen& request = script_.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.name, L"Quillon070531.qnb");
    EXPECT_EQ(request.filter, L"Vestamor 다이어리 백업파일|*.qnb");
    EXPECT_EQ(request.extension, L"qnb");
    EXPECT_TRUE(script_.Boxes().empty());
    EXPECT_FALSE(script_.ProgressShown());
}

// What the pass sees of the two files, step by step.
struct FilesSeen {
    bool workAlways = true;
    bool oldChosenAlways = true;
};
FilesSeen g_seen;
std::wstring g_work, g_chosen;

void WatchFiles(uint32_t)
{
    g_seen.workAlways = g_seen.workAlways && testkit::FileExists(g_work);
    g_seen.oldChosenAlways = g_seen.oldChosenAlways && testkit::ReadFileBytes(g_chosen) == kOldFile;
}

TEST_F(CommandsTest, TheBackupWritesItsWorkFileAndReplacesTheChosenOneOnlyAfterSuccess)
{
    MakeSampleDiary();
    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, kOldFile));
    g_seen = FilesSeen();
    g_work = kWork;
    g_chosen = kChosen;
    BackupJob.stepHook = WatchFiles;
    script_.ChooseFile(kChosen);
    Run(RunBackup);
    EXPECT_TRUE(g_seen.workAlways) << "x.$$$ during the pass";
    EXPECT_TRUE(g_seen.oldChosenAlways) << "the older x.qnb untouched during the pass";
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Notice(kBackupDone)}));
    EXPECT_FALSE(testkit::FileExists(kWork));
    Bytes written = testkit::ReadFileBytes(kChosen);
    ParsedBackup parsed = ParseBackup(written);
    EXPECT_TRUE(parsed.whole);
    EXPECT_EQ(parsed.count, BackupJob.recordsWritten);
    EXPECT_EQ(BackupJob.position, BackupJob.recordsWritten);
}

struct FailedBackupCase {
    const char* name;
    const wchar_t* chosen;
    int progressButton;
    const wchar_t* notice;
};

TEST_F(CommandsTest, AFailedOrCancelledBackupKeepsTheOlderFile)
{
    CreateDirectoryW(L"\\My Documents\\folder.qnb", nullptr);
    const FailedBackupCase cases[] = {
        {"cancelled", kChosen, IDCANCEL, kBackupCancelled},
        {"no room for the work file", L"\\No Such Folder\\x.qnb", IDOK, kBackupFailed},
        {"a folder in the chosen file's place", L"\\My Documents\\folder.qnb", IDOK, kBackupFailed},
    };
    for (const FailedBackupCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testkit::WriteFileBytes(kChosen, kOldFile));
        DialogScript script;
        script.ChooseFile(c.chosen);
        script.AnswerProgress(c.progressButton);
        script.Arm();
        BackupDiaryData();
        script.Disarm();
        ASSERT_EQ(script.Boxes().size(), 1u);
        EXPECT_EQ(script.Boxes()[0].text, c.notice);
        EXPECT_EQ(testkit::ReadFileBytes(kChosen), kOldFile);
        wchar_t work[MAX_PATH];
        BackupWorkPath(c.chosen, work, MAX_PATH);
        EXPECT_FALSE(testkit::FileExists(work)) << "no work file left";
    }
    EXPECT_TRUE(GetFileAttributesW(L"\\My Documents\\folder.qnb") & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryW(L"\\My Documents\\folder.qnb");
}

TEST_F(CommandsTest, ARowThatCannotBeReadFailsTheBackupAndKeepsTheOlderFile)
{
    // The restore of the next case's set-up makes the database anew.
    SpoilRecord(WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, 5), I4Value(kLinkItem, 7)}));
    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, kOldFile));
    script_.ChooseFile(kChosen);
    Run(RunBackup);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Notice(kBackupFailed)}));
    EXPECT_EQ(testkit::ReadFileBytes(kChosen), kOldFile);
    EXPECT_FALSE(testkit::FileExists(kWork));
}

TEST_F(CommandsTest, AChosenNameEndingInDollarsGetsAWorkFileOfItsOwn)
{
    wchar_t work[MAX_PATH];
    BackupWorkPath(L"\\My Documents\\x.qnb", work, MAX_PATH);
    EXPECT_STREQ(work, L"\\My Documents\\x.$$$");
    BackupWorkPath(L"\\My Documents\\y.$$$", work, MAX_PATH);
    EXPECT_STREQ(work, L"\\My Documents\\y.$$$.$$$");
    BackupWorkPath(L"ab", work, MAX_PATH);
    EXPECT_STREQ(work, L"$$$");

    const wchar_t chosen[] = L"\\My Documents\\y.$$$";
    DeleteFileW(chosen);
    g_seen = FilesSeen();
    g_work = L"\\My Documents\\y.$$$.$$$";
    BackupJob.stepHook = [](uint32_t) { g_seen.workAlways = g_seen.workAlways && testkit::FileExists(g_work); };
    script_.ChooseFile(chosen);
    Run(RunBackup);
    EXPECT_TRUE(g_seen.workAlways);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Notice(kBackupDone)}));
    EXPECT_EQ(testkit::ReadFileBytes(chosen), Head(1) + kCounterRecord);
    EXPECT_FALSE(testkit::FileExists(g_work));
    DeleteFileW(chosen);
}

std::wstring Confirmation(const std::wstring& path)
{
    return L"확인: " + path +
           L" 백업파일로 다이어리 자료복원 작업을 하시겠습니까?\n\n다이어리 자료복원을 하시면 기존의 다이어리 "
           L"자료(연락처,일정,작업,메모,기념일)는 모두 삭제되고 선택한 다이어리 백업파일 내용으로 다이어리 내용이 바뀝니다.";
}

TEST_F(CommandsTest, TheRestoreAsksFirstAndRefusesWhatIsNoBackup)
{
    MakeSampleDiary();
    std::vector<std::wstring> before = DumpDiary();
    struct Case {
        const char* name;
        Bytes file;
        int answer;
        std::vector<std::wstring> boxes;
    };
    const Case cases[] = {
        {"answered no", Head(1) + kCounterRecord, IDNO, {Confirmation(kChosen)}},
        {"a short file", Bytes("Vestamor_Quillon_Backu"), IDYES, {Confirmation(kChosen), Notice(kInvalidFile)}},
        {"another magic", Bytes("Vestamor_Quillon_backup") + Bytes{0, 1}, IDYES,
         {Confirmation(kChosen), Notice(kInvalidFile)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testkit::WriteFileBytes(kChosen, c.file));
        DeleteFileW(kDataChangedMarker);
        RestoreDone = true;
        script_ = DialogScript();
        script_.ChooseFile(kChosen);
        script_.AnswerBoxes({c.answer});
        Run(RestoreDiaryData);
        EXPECT_EQ(BoxTexts(), c.boxes);
        EXPECT_FALSE(script_.ProgressShown());
        EXPECT_FALSE(RestoreDone);
        EXPECT_FALSE(testkit::FileExists(kDataChangedMarker));
        EXPECT_EQ(DumpDiary(), before);
    }
    script_ = DialogScript();
    script_.ChooseFile(L"");
    Run(RestoreDiaryData);
    EXPECT_TRUE(script_.Boxes().empty()) << "Cancel in the file dialog";
    ASSERT_EQ(script_.FileRequests().size(), 1u);
    EXPECT_FALSE(script_.FileRequests()[0].save);
    EXPECT_EQ(script_.FileRequests()[0].name, L"");
    EXPECT_EQ(script_.FileRequests()[0].extension, L"qnb");
}

struct RestoreOutcome {
    const char* name;
    Bytes file;
    int progressButton;
    const wchar_t* notice;
    void (*stepHook)(uint32_t position) = nullptr;
};

// Once the reset is done, the link row's write fails: every step is still
// made, so only the failure count tells the dialog.
void FailTheLinkRowAfterTheReset(uint32_t position)
{
    if (position == BackupJob.recordTally + kRestoreResetSteps)
        CeStoreFailNextChange(L"QuillonPlan", ERROR_DISK_FULL);
}

TEST_F(CommandsTest, AfterEveryRestoreTheViewsTheScheduleTheWatchAndTheTodayItemReadAgain)
{
    const RestoreOutcome outcomes[] = {
        {"complete", Head(2) + kCounterRecord + ContactRecord("2147483649"), IDOK, kRestoreDone},
        {"a file the check refuses", Head(3) + kCounterRecord + ContactRecord("2147483649"), IDOK, kRestoreFailed},
        {"a row not written after the reset",
         Head(3) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") + ContactRecord("2147483649"), IDOK,
         kRestoreFailed, FailTheLinkRowAfterTheReset},
        {"cancelled", Head(2) + kCounterRecord + ContactRecord("2147483649"), IDCANCEL, kRestoreCancelled},
    };
    for (const RestoreOutcome& c : outcomes) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testkit::WriteFileBytes(kChosen, c.file));
        for (BYTE& stale : ViewStale)
            stale = 0;
        g_forgotten = 0;
        DeleteFileW(kDataChangedMarker);
        OutlookWatchState[kWatchContacts].lastSeenCount = -5;
        script_ = DialogScript();
        script_.ChooseFile(kChosen);
        script_.AnswerBoxes({IDYES});
        script_.AnswerProgress(c.progressButton);
        BackupJob.stepHook = c.stepHook;
        Run(RestoreDiaryData);
        BackupJob.stepHook = nullptr;
        EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Confirmation(kChosen), Notice(c.notice)}));
        EXPECT_TRUE(RestoreDone);
        for (BYTE stale : ViewStale)
            EXPECT_EQ(stale, 1);
        // The main window's watch may forget the month too when it sees the
        // reset; the cancelled restore changes nothing, so there it is ours.
        EXPECT_GE(g_forgotten, 1);
        EXPECT_TRUE(testkit::FileExists(kDataChangedMarker));
        EXPECT_EQ(OutlookWatchState[kWatchContacts].lastSeenCount, ReadSystemRecordCount(kContactsDatabaseName));
    }
}

TEST_F(CommandsTest, AFileOfMoreThan65535RecordsPasses)
{
    // The head keeps 65537 as 1.
    Bytes file = Head(65537) + kCounterRecord;
    file.reserve(file.size() + 65536 * 20);
    for (int i = 0; i < 65536; ++i)
        file += Field(3, 1, "5") + Field(3, 2, "7");
    ASSERT_EQ(file[23], 0);
    ASSERT_EQ(file[24], 1);
    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, file));
    script_.ChooseFile(kChosen);
    script_.AnswerBoxes({IDYES});
    Run(RestoreDiaryData);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Confirmation(kChosen), Notice(kRestoreDone)}));
    EXPECT_EQ(BackupJob.total, 65537u + kRestoreResetSteps);
    EXPECT_EQ(ReadSystemRecordCount(L"QuillonPlan"), 65536);
}

TEST_F(CommandsTest, OneBackupAndOneRestoreThroughTheMenu)
{
    MakeSampleDiary();
    Bytes before = BackUp();
    SendMessageW(MainWindow, WM_COMMAND, IDC_SEARCH_VIEW_TAB, 0);
    IndexTab = 3;
    script_.ChooseFile(kChosen);
    script_.Arm();
    SendMessageW(MainWindow, WM_COMMAND, IDM_BACKUP, 0);
    script_.Disarm();
    ASSERT_EQ(script_.Boxes().size(), 2u);
    EXPECT_EQ(script_.Boxes()[1].text, kBackupDone) << "after the menu's notice";

    script_ = DialogScript();
    script_.ChooseFile(kChosen);
    script_.AnswerBoxes({IDYES});
    script_.Arm();
    SendMessageW(MainWindow, WM_COMMAND, IDM_RESTORE, 0);
    script_.Disarm();
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Confirmation(kChosen), Notice(kRestoreDone)}));
    EXPECT_EQ(IndexTab, kIndexTabAll);
    EXPECT_EQ(CurrentView, kContactView);
    ExpectSameDiary(before, BackUp());
}

TEST_F(CommandsTest, TheProgressDialogBeforeOkAndMidPass)
{
    MakeSampleDiary();
    auto shoot = [](const wchar_t* name) {
        return [name](HWND dialog) {
            RECT place = testkit::ScreenRect(dialog);
            EXPECT_EQ(place.left, 30);
            EXPECT_EQ(place.top, 100);
            EXPECT_EQ(place.right - place.left, 180);
            EXPECT_EQ(place.bottom - place.top, 94);
            EXPECT_EQ(TextOfWindow(GetDlgItem(dialog, IDC_BACKUP_LABEL)),
                      BackupJob.mode == kBackupModeBackup ? L"▶ 다이어리 자료백업" : L"▶ 다이어리 자료복원");
            testkit::SaveScreenshot(testkit::CaptureWindow(dialog), name);
        };
    };
    // Half way through the steps the bar is drawn half full.
    static uint32_t half;
    static bool shot;
    half = 0;
    shot = false;
    BackupJob.stepHook = [](uint32_t position) {
        HWND bar = GetDlgItem(BackupJob.progressDialog, IDC_BACKUP_BAR);
        if (!half)
            half = static_cast<uint32_t>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0)) / 2;
        if (shot || position < half)
            return;
        shot = true;
        RECT barRect = testkit::ScreenRect(bar);
        RECT dialogRect = testkit::ScreenRect(BackupJob.progressDialog);
        int y = (barRect.top + barRect.bottom) / 2 - dialogRect.top;
        int quarter = barRect.left - dialogRect.left + (barRect.right - barRect.left) / 4;
        int threeQuarters = barRect.left - dialogRect.left + 3 * (barRect.right - barRect.left) / 4;
        // A loaded machine shows the bar's new fill late.
        testkit::Image image;
        testkit::PumpUntil(
            [&] {
                image = testkit::CaptureWindow(BackupJob.progressDialog);
                return image.At(quarter, y) != image.At(threeQuarters, y);
            },
            3000);
        testkit::SaveScreenshot(image, L"backup_mid_pass");
        EXPECT_NE(image.At(quarter, y), image.At(threeQuarters, y)) << "filled on the left only";
    };
    script_.ChooseFile(kChosen);
    script_.AnswerProgress(IDOK, shoot(L"backup_before_ok"));
    Run(RunBackup);
    EXPECT_TRUE(shot);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Notice(kBackupDone)}));

    BackupJob.stepHook = nullptr;
    script_ = DialogScript();
    script_.ChooseFile(kChosen);
    script_.AnswerBoxes({IDYES});
    script_.AnswerProgress(IDCANCEL, shoot(L"restore_before_ok"));
    Run(RestoreDiaryData);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Confirmation(kChosen), Notice(kRestoreCancelled)}));
}

// The progress dialog of both commands measured as the screen shows it:
// its label's text whole, no control over another or off the screen.
TEST_F(CommandsTest, TheProgressDialogFitsTheScreen)
{
    auto measure = [](const wchar_t* name) {
        return [name](HWND dialog) {
            testkit::PumpFor(100);
            testkit::SaveScreenshot(testkit::CaptureScreen(), std::wstring(L"layout-") + name);
            for (const std::wstring& breach : layout::Breaches(dialog, name, layout::Rules{}))
                ADD_FAILURE() << layout::Utf8(breach);
        };
    };
    script_.ChooseFile(kChosen);
    script_.AnswerProgress(IDCANCEL, measure(L"backup-progress"));
    Run(RunBackup);
    EXPECT_TRUE(script_.ProgressShown());

    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, Head(1) + kCounterRecord));
    script_ = DialogScript();
    script_.ChooseFile(kChosen);
    script_.AnswerBoxes({IDYES});
    script_.AnswerProgress(IDCANCEL, measure(L"restore-progress"));
    Run(RestoreDiaryData);
    EXPECT_TRUE(script_.ProgressShown());
}

std::wstring PeerCommand(const wchar_t* command, const wchar_t* file, uint32_t killAt)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder = self;
    folder = folder.substr(0, folder.rfind(L'\\'));
    return L"\"" + folder + L"\\backup_peer.exe\" " + command + L" \"" + file + L"\" " + std::to_wstring(killAt);
}

constexpr int kKilled = 7;

TEST_F(CommandsTest, ABackupKilledPartWayLeavesTheOlderFile)
{
    MakeSampleDiary();
    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, kOldFile));
    EXPECT_EQ(testkit::RunProcess(PeerCommand(L"backup", kChosen, 5)), kKilled);
    EXPECT_EQ(testkit::ReadFileBytes(kChosen), kOldFile);
    EXPECT_EQ(testkit::RunProcess(PeerCommand(L"backup", kChosen, 0)), 0);
    EXPECT_TRUE(ParseBackup(testkit::ReadFileBytes(kChosen)).whole) << "the next backup replaces it";
    EXPECT_FALSE(testkit::FileExists(kWork));
}

TEST_F(CommandsTest, TheSameFileRestoredAgainAfterARestoreWasKilledGivesTheWholeDiary)
{
    SampleDiary diary = MakeSampleDiary();
    Bytes a = BackUp();
    ASSERT_TRUE(testkit::WriteFileBytes(kChosen, a));
    uint32_t ownRows = 0;
    for (const ParsedRecord& record : RecordsOf(ParseBackup(a)))
        ownRows += record.kind == 1 || record.kind == 2 || record.kind == 8 ? 0 : 1;
    // Killed inside the third contact's save. The store batch under way
    // goes with it: here the reset's deletions and the two contacts saved,
    // so the contacts are the ones the diary had, not a half restore.
    uint32_t killAt = BackupJob.recordsWritten + kRestoreResetSteps + ownRows + 2;
    std::vector<CEOID> contactsBefore = ItemIds(olFolderContacts);
    EXPECT_EQ(testkit::RunProcess(PeerCommand(L"restore", kChosen, killAt)), kKilled);
    EXPECT_EQ(ItemIds(olFolderContacts), contactsBefore);
    EXPECT_EQ(contactsBefore.size(), diary.contacts.size());

    script_.ChooseFile(kChosen);
    script_.AnswerBoxes({IDYES});
    Run(RestoreDiaryData);
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{Confirmation(kChosen), Notice(kRestoreDone)}));
    ExpectSameDiary(a, BackUp());
}

}  // namespace
}  // namespace backuptest
