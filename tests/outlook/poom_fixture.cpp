#include "tests/outlook/poom_fixture.h"

#include <cwchar>

namespace poomtest {

namespace {

const wchar_t* const kVolumeFiles[] = {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm",
                                       L"\\objstore.vol", L"\\objstore.vol-wal", L"\\objstore.vol-shm"};

void WriteVersion(int major)
{
    wchar_t value[16];
    _snwprintf(value, 16, L"%d", major);
    value[15] = L'\0';
    WritePrivateProfileStringW(L"Device", L"CeMajorVersion", value, testkit::DeviceProfilePath().c_str());
}

// Runs the call on the database opened by name on the PIM volume.
template <class Use>
void WithDatabase(int major, const wchar_t* name, Use use)
{
    CEGUID volume;
    bool mounted = false;
    if (major <= 3) {
        CREATE_SYSTEMGUID(&volume);
    } else {
        wchar_t path[] = L"\\pim.vol";
        ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_ALWAYS));
        mounted = true;
    }
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx2(&volume, &oid, const_cast<LPWSTR>(name), nullptr, 0, nullptr);
    if (db != INVALID_HANDLE_VALUE) {
        use(volume, oid, db);
        CloseHandle(db);
    } else {
        use(volume, 0, INVALID_HANDLE_VALUE);
    }
    if (mounted)
        CeUnmountDBVol(&volume);
}

StoredRecord ReadCurrent(HANDLE db)
{
    StoredRecord record;
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    record.oid = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    if (!record.oid)
        return record;
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    for (WORD i = 0; i < count; ++i) {
        StoredValue value;
        value.id = values[i].propid;
        switch (TypeFromPropID(value.id)) {
        case CEVT_LPWSTR: value.text = values[i].val.lpwstr ? values[i].val.lpwstr : L""; break;
        case CEVT_BLOB:
        case CEVT_STREAM:
            value.bytes.assign(values[i].val.blob.lpb, values[i].val.blob.lpb + values[i].val.blob.dwCount);
            break;
        case CEVT_FILETIME: value.time = values[i].val.filetime; break;
        case CEVT_R8: value.real = values[i].val.dblVal; break;
        case CEVT_I2: value.number = values[i].val.iVal; break;
        case CEVT_UI2: value.number = values[i].val.uiVal; break;
        default: value.number = static_cast<long long>(values[i].val.ulVal); break;
        }
        record.values.push_back(value);
    }
    LocalFree(buffer);
    return record;
}

void RemoveVolumes()
{
    for (const wchar_t* file : kVolumeFiles)
        DeleteFileW(file);
}

}  // namespace

std::wstring Take(BSTR text)
{
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

std::wstring DateText(DATE date)
{
    SYSTEMTIME time = {};
    // Round to the minute first: the object model keeps whole seconds.
    VariantTimeToSystemTime(date + 1.0 / 86400 / 4, &time);
    wchar_t text[32];
    _snwprintf(text, 32, L"%04u-%02u-%02u %02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute);
    text[31] = L'\0';
    return text;
}

const StoredValue* StoredRecord::Find(CEPROPID id) const
{
    for (const StoredValue& value : values) {
        if (value.id == id)
            return &value;
    }
    return nullptr;
}

void PoomTest::SetUp()
{
    CeResetForTests();
    WriteVersion(5);
    major_ = 5;
    RemoveVolumes();
    DeleteFileW(L"\\Windows\\PimForm.log");
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, 0)));
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(app_.Out())),
              S_OK);
    ASSERT_EQ(app_->Logon(0), S_OK);
}

void PoomTest::TearDown()
{
    if (app_)
        app_->Logoff();
    app_.Reset();
    CoUninitialize();
    WriteVersion(5);
}

void PoomTest::PoseAsVersion(int major)
{
    WriteVersion(major);
    major_ = major;
    CeResetForTests();  // the store is opened again in the new mode, on fresh volumes
    RemoveVolumes();
}

Ref<IContact> PoomTest::NewContact()
{
    Ref<IContact> contact;
    EXPECT_EQ(app_->CreateItem(olContactItem, contact.AsDispatch()), S_OK);
    return contact;
}

Ref<IAppointment> PoomTest::NewAppointment()
{
    Ref<IAppointment> appointment;
    EXPECT_EQ(app_->CreateItem(olAppointmentItem, appointment.AsDispatch()), S_OK);
    return appointment;
}

Ref<ITask> PoomTest::NewTask()
{
    Ref<ITask> task;
    EXPECT_EQ(app_->CreateItem(olTaskItem, task.AsDispatch()), S_OK);
    return task;
}

Ref<IPOutlookItemCollection> PoomTest::Items(int folder)
{
    Ref<IFolder> f;
    Ref<IPOutlookItemCollection> items;
    EXPECT_EQ(app_->GetDefaultFolder(folder, f.Out()), S_OK);
    if (f) {
        EXPECT_EQ(f->get_Items(items.Out()), S_OK);
    }
    return items;
}

Ref<IPOutlookItemCollection> PoomTest::Restricted(IPOutlookItemCollection* items, const std::wstring& query,
                                                  const wchar_t* shortDate)
{
    wchar_t saved[32] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved, 32);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, shortDate);
    Ref<IPOutlookItemCollection> restricted;
    Text text(query);
    HRESULT hr = items->Restrict(text, restricted.Out());
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved);
    EXPECT_EQ(hr, S_OK) << testing::PrintToString(query);
    return restricted;
}

DWORD PoomTest::RecordCount(const wchar_t* database)
{
    DWORD count = 0;
    WithDatabase(major_, database, [&](CEGUID volume, CEOID oid, HANDLE db) {
        if (db == INVALID_HANDLE_VALUE)
            return;
        CEOIDINFOEX info = {};
        info.wVersion = CEOIDINFOEX_VERSION;
        if (CeOidGetInfoEx2(&volume, oid, &info))
            count = info.infDatabase.dwNumRecords;
    });
    return count;
}

std::vector<StoredRecord> PoomTest::Records(const wchar_t* database)
{
    std::vector<StoredRecord> records;
    WithDatabase(major_, database, [&](CEGUID, CEOID, HANDLE db) {
        if (db == INVALID_HANDLE_VALUE)
            return;
        DWORD index = 0;
        if (!CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index))
            return;
        for (;;) {
            StoredRecord record = ReadCurrent(db);
            if (!record.oid)
                break;
            records.push_back(record);
            if (!CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index))
                break;
        }
    });
    return records;
}

StoredRecord PoomTest::RecordOf(const wchar_t* database, CEOID oid)
{
    StoredRecord record;
    WithDatabase(major_, database, [&](CEGUID, CEOID, HANDLE db) {
        DWORD index = 0;
        if (db != INVALID_HANDLE_VALUE && CeSeekDatabaseEx(db, CEDB_SEEK_CEOID, oid, 0, &index) == oid)
            record = ReadCurrent(db);
    });
    return record;
}

bool PoomTest::WriteRecord(const wchar_t* database, CEOID oid, std::vector<CEPROPVAL> values)
{
    bool written = false;
    WithDatabase(major_, database, [&](CEGUID, CEOID, HANDLE db) {
        written = db != INVALID_HANDLE_VALUE &&
                  CeWriteRecordProps(db, oid, static_cast<WORD>(values.size()), values.data()) == oid;
    });
    return written;
}

std::vector<std::wstring> FormRequests()
{
    std::vector<std::wstring> lines;
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(L"\\Windows\\PimForm.log");
    std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        int chars = MultiByteToWideChar(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(chars), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), wide.data(), chars);
        lines.push_back(wide);
        start = end + 2;
    }
    return lines;
}

}  // namespace poomtest
