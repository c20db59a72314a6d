#include "tests/backup/diary_fixture.h"

#include "backup/restore_pass.h"
#include "backup/state.h"
#include "backup/write_pass.h"
#include "core/outlook_probes.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/rich_ink_body.h"
#include "mainwindow/diary_databases.h"

#include <sqlite3.h>

#include <sstream>

namespace backuptest {

namespace {

wchar_t kVolumePath[] = L"\\pim.vol";
const wchar_t* const kVolumeFiles[] = {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"};

const wchar_t* const kDiaryDatabases[] = {
    L"QuillonEnv",        L"QuillonPlan",       L"QuillonTask",           L"QuillonNoteOutlook",
    L"QuillonNote",       L"QuillonMemo",       L"QuillonMemo2",          L"QuillonRest",
    L"QuillonShortcut",   L"Contacts Database", L"Appointments Database", L"Tasks Database",
    L"CategoryMainDB",    L"CategoryAssocDB",
};

void RemoveVolume()
{
    for (const wchar_t* file : kVolumeFiles)
        DeleteFileW(file);
}

void Mount()
{
    DiaryVolume = CEGUID();
    ASSERT_TRUE(CeMountDBVol(&DiaryVolume, kVolumePath, OPEN_ALWAYS));
    DiarySession = CeCreateSession(&DiaryVolume);
    ASSERT_TRUE(DiarySession && DiarySession != INVALID_HANDLE_VALUE);
}

void Unmount()
{
    if (DiarySession && DiarySession != INVALID_HANDLE_VALUE)
        CloseHandle(DiarySession);
    DiarySession = nullptr;
    CeUnmountDBVol(&DiaryVolume);
    DiaryVolume = CEGUID();
}

void LogOn()
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, 0)));
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(&OutlookApp)),
              S_OK);
    ASSERT_EQ(OutlookApp->Logon(0), S_OK);
}

void LogOff()
{
    if (OutlookApp) {
        OutlookApp->Logoff();
        OutlookApp->Release();
    }
    OutlookApp = nullptr;
    CoUninitialize();
}

std::wstring ValueText(const CEPROPVAL& value)
{
    std::wostringstream out;
    out << std::hex << value.propid << std::dec << "=";
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2: out << value.val.iVal; break;
    case CEVT_UI2: out << value.val.uiVal; break;
    case CEVT_I4: out << value.val.lVal; break;
    case CEVT_UI4:
    case CEVT_BOOL:
    case CEVT_AUTO_I4: out << value.val.ulVal; break;
    case CEVT_R8: out << value.val.dblVal; break;
    case CEVT_LPWSTR: out << L"\"" << (value.val.lpwstr ? value.val.lpwstr : L"") << L"\""; break;
    case CEVT_FILETIME: out << value.val.filetime.dwHighDateTime << ":" << value.val.filetime.dwLowDateTime; break;
    case CEVT_BLOB:
    case CEVT_STREAM:
        out << "[" << value.val.blob.dwCount << ":";
        for (DWORD i = 0; i < value.val.blob.dwCount; ++i)
            out << std::hex << static_cast<int>(value.val.blob.lpb[i]) << std::dec << " ";
        out << "]";
        break;
    }
    return out.str();
}

}  // namespace

ParsedBackup ParseBackup(const Bytes& file)
{
    ParsedBackup parsed;
    if (file.size() < 25)
        return parsed;
    parsed.count = static_cast<uint16_t>(file[23] << 8 | file[24]);
    size_t at = 25;
    while (at + 5 <= file.size()) {
        ParsedField field;
        field.kind = file[at];
        field.id = static_cast<uint16_t>(file[at + 1] << 8 | file[at + 2]);
        size_t length = static_cast<size_t>(file[at + 3] << 8 | file[at + 4]);
        at += 5;
        if (at + length > file.size())
            return parsed;
        field.data = Bytes(file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at + length));
        at += length;
        parsed.fields.push_back(field);
    }
    parsed.whole = at == file.size();
    return parsed;
}

const ParsedField* ParsedRecord::Find(uint16_t id) const
{
    for (const ParsedField& field : fields) {
        if (field.id == id)
            return &field;
    }
    return nullptr;
}

std::vector<uint16_t> ParsedRecord::Ids() const
{
    std::vector<uint16_t> ids;
    for (const ParsedField& field : fields)
        ids.push_back(field.id);
    return ids;
}

std::vector<ParsedRecord> RecordsOf(const ParsedBackup& backup)
{
    static const uint16_t kFinal[] = {0, 48, 9999, 2, 13, 3, 2, 6, 9999, 2, 2};
    std::vector<ParsedRecord> records;
    bool open = false;
    for (const ParsedField& field : backup.fields) {
        bool after = !open && !records.empty() && records.back().kind == field.kind &&
                     ((field.kind == 1 && field.id >= 100 && field.id <= 114) ||
                      (field.kind == 2 && field.id >= 110 && field.id <= 9998));
        if (!open && !after)
            records.push_back(ParsedRecord{field.kind, {}});
        records.back().fields.push_back(field);
        open = !after && field.kind >= 1 && field.kind <= 10 && field.id != kFinal[field.kind];
    }
    return records;
}

void DiaryTest::SetUp()
{
    BackupJob = BackupJobState();
    RemoveVolume();
    DeleteFileW(kBackupFilePath);
    Mount();
    LogOn();
    CreateDiaryDatabases();
}

void DiaryTest::TearDown()
{
    BackupJob = BackupJobState();
    FreeRichInkBody();
    LogOff();
    Unmount();
    DeleteFileW(kBackupFilePath);
}

void DiaryTest::FreshDevice()
{
    LogOff();
    Unmount();
    CeResetForTests();
    RemoveVolume();
    Mount();
    LogOn();
    CreateDiaryDatabases();
}

Bytes BackUp(bool* ok)
{
    HANDLE file = CreateFileW(kBackupFilePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    BYTE head[25];
    EncodeBackupHeader(0, head);
    DWORD written = 0;
    WriteFile(file, head, sizeof(head), &written, nullptr);
    BackupJob.position = 0;
    bool done = WriteBackupFile(file);
    CloseHandle(file);
    if (ok)
        *ok = done;
    else
        EXPECT_TRUE(done) << "the backup's own check";
    return testkit::ReadFileBytes(kBackupFilePath);
}

bool Restore(const Bytes& bytes)
{
    EXPECT_TRUE(testkit::WriteFileBytes(kBackupFilePath, bytes));
    HANDLE file = CreateFileW(kBackupFilePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    BYTE head[25] = {};
    DWORD read = 0;
    ReadFile(file, head, sizeof(head), &read, nullptr);
    BackupJob.total = static_cast<uint32_t>(head[23] << 8 | head[24]) + kRestoreResetSteps;
    BackupJob.position = 0;
    RestoreFromBackupFile(file);
    CloseHandle(file);
    return !BackupJob.damaged && BackupJob.failures == 0 && BackupJob.position == 2 * BackupJob.total - kRestoreResetSteps;
}

namespace {

template <class I>
CEOID SaveItem(ComRef<I> item, const std::function<void(I*)>& fill)
{
    if (!item)
        return 0;
    fill(item.Get());
    EXPECT_EQ(item->Save(), S_OK);
    return OidOf(item.Get());
}

}  // namespace

CEOID SaveContact(const std::function<void(IContact*)>& fill)
{
    ComRef<IPOutlookItemCollection> items = FolderItems(olFolderContacts);
    ComRef<IDispatch> item;
    items->Add(item.Out());
    return SaveItem(ItemAs<IContact>(item.Get(), IID_IContact), fill);
}

CEOID SaveAppointment(const std::function<void(IAppointment*)>& fill)
{
    ComRef<IDispatch> item;
    OutlookApp->CreateItem(olAppointmentItem, item.Out());
    return SaveItem(ItemAs<IAppointment>(item.Get(), IID_IAppointment), fill);
}

CEOID SaveTask(const std::function<void(ITask*)>& fill)
{
    ComRef<IDispatch> item;
    OutlookApp->CreateItem(olTaskItem, item.Out());
    return SaveItem(ItemAs<ITask>(item.Get(), IID_ITask), fill);
}

void SetContactProps(CEOID contact, std::vector<CEPROPVAL> values)
{
    ComRef<IItem> item = PropertyItemOf(contact);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->SetProps(0, static_cast<WORD>(values.size()), values.data()), S_OK);
    ASSERT_EQ(item->Save(), S_OK);
}

void SetContactPicture(CEOID contact, const Bytes& picture)
{
    ComRef<IItem> item = PropertyItemOf(contact);
    ASSERT_TRUE(item);
    ComRef<IStream> stream;
    ASSERT_EQ(item->OpenProperty(0x00FF0064, GENERIC_WRITE, stream.Out()), S_OK);
    ULONG written = 0;
    ULARGE_INTEGER size = {};
    size.QuadPart = picture.size();
    stream->SetSize(size);
    ASSERT_EQ(stream->Write(picture.data(), static_cast<ULONG>(picture.size()), &written), S_OK);
    ASSERT_EQ(stream->Commit(0), S_OK);
    ASSERT_EQ(item->Save(), S_OK);
}

void InsertNote(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title,
                           CEOID contact, const Bytes& body)
{
    ASSERT_TRUE(SetRichInkBody(body.data(), static_cast<DWORD>(body.size())));
    std::wstring kept = category;
    InsertNoteRecord(id, date, kept.data(), title, contact);
    FreeRichInkBody();
}

std::vector<std::wstring> DumpDatabase(const wchar_t* name)
{
    std::vector<std::wstring> lines;
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE || !db)
        return {std::wstring(name) + L" missing"};
    DWORD index = 0;
    CEOID at = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index);
    while (at != 0) {
        WORD count = 0;
        BYTE* buffer = nullptr;
        DWORD size = 0;
        CEOID record = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
        if (!record)
            break;
        std::wostringstream line;
        line << name << L" " << std::hex << record << std::dec;
        const CEPROPVAL* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i)
            line << L" " << ValueText(values[i]);
        LocalFree(buffer);
        lines.push_back(line.str());
        at = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
    }
    CloseHandle(db);
    return lines;
}

std::wstring RowValues(const std::wstring& line)
{
    size_t second = line.find(L' ', line.find(L' ') + 1);
    return second == std::wstring::npos ? std::wstring() : line.substr(second + 1);
}

std::vector<std::wstring> DumpDiary()
{
    std::vector<std::wstring> lines;
    for (const wchar_t* name : kDiaryDatabases) {
        std::vector<std::wstring> records = DumpDatabase(name);
        lines.insert(lines.end(), records.begin(), records.end());
    }
    return lines;
}

std::vector<CEOID> ItemIds(int folder)
{
    std::vector<CEOID> ids;
    ComRef<IPOutlookItemCollection> items = FolderItems(folder);
    int count = 0;
    if (!items || FAILED(items->get_Count(&count)))
        return ids;
    for (int i = 1; i <= count; ++i) {
        ComRef<IDispatch> item;
        items->Item(i, item.Out());
        ComRef<IContact> contact = ItemAs<IContact>(item.Get(), IID_IContact);
        ComRef<IAppointment> appointment = ItemAs<IAppointment>(item.Get(), IID_IAppointment);
        ComRef<ITask> task = ItemAs<ITask>(item.Get(), IID_ITask);
        ids.push_back(contact ? OidOf(contact.Get()) : appointment ? OidOf(appointment.Get()) : OidOf(task.Get()));
    }
    return ids;
}

void SpoilRecord(CEOID record)
{
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open_v2("\\pim.vol", &file, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    sqlite3_busy_timeout(file, 5000);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(file, "UPDATE recs SET props = x'FF' WHERE oid = ?1", -1, &statement, nullptr),
              SQLITE_OK);
    sqlite3_bind_int64(statement, 1, static_cast<sqlite3_int64>(record));
    EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
    EXPECT_EQ(sqlite3_changes(file), 1) << "record " << record;
    sqlite3_finalize(statement);
    sqlite3_close(file);
}

int RecordCount(const wchar_t* database)
{
    return ReadSystemRecordCount(database);
}

}  // namespace backuptest
