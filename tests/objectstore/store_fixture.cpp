#include "tests/objectstore/store_fixture.h"

namespace storetest {

namespace {

CEPROPVAL Empty(CEPROPID id)
{
    CEPROPVAL v = {};
    v.propid = id;
    return v;
}

Value CopyValue(const CEPROPVAL& p)
{
    Value v;
    v.id = p.propid;
    v.flags = p.wFlags;
    switch (TypeFromPropID(p.propid)) {
    case CEVT_I2:
        v.number = p.val.iVal;
        break;
    case CEVT_UI2:
        v.number = p.val.uiVal;
        break;
    case CEVT_I4:
    case CEVT_AUTO_I4:
        v.number = p.val.lVal;
        break;
    case CEVT_UI4:
        v.number = p.val.ulVal;
        break;
    case CEVT_LPWSTR:
        if (!(p.wFlags & CEDB_PROPNOTFOUND))
            v.text = p.val.lpwstr;
        break;
    case CEVT_BLOB:
    case CEVT_STREAM:
        if (!(p.wFlags & CEDB_PROPNOTFOUND))
            v.bytes.assign(p.val.blob.lpb, p.val.blob.lpb + p.val.blob.dwCount);
        break;
    }
    return v;
}

}  // namespace

CEPROPVAL I2(WORD number, short v)
{
    CEPROPVAL p = Empty(Id(number, CEVT_I2));
    p.val.iVal = v;
    return p;
}

CEPROPVAL UI2(WORD number, USHORT v)
{
    CEPROPVAL p = Empty(Id(number, CEVT_UI2));
    p.val.uiVal = v;
    return p;
}

CEPROPVAL I4(WORD number, long v)
{
    CEPROPVAL p = Empty(Id(number, CEVT_I4));
    p.val.lVal = v;
    return p;
}

CEPROPVAL UI4(WORD number, ULONG v)
{
    CEPROPVAL p = Empty(Id(number, CEVT_UI4));
    p.val.ulVal = v;
    return p;
}

CEPROPVAL Text(WORD number, const wchar_t* v)
{
    CEPROPVAL p = Empty(Id(number, CEVT_LPWSTR));
    p.val.lpwstr = const_cast<wchar_t*>(v);
    return p;
}

CEPROPVAL Bytes(WORD number, WORD type, std::vector<uint8_t>& v)
{
    CEPROPVAL p = Empty(Id(number, type));
    p.val.blob.dwCount = static_cast<DWORD>(v.size());
    p.val.blob.lpb = v.data();
    return p;
}

CEPROPVAL Auto(WORD number)
{
    return Empty(Id(number, CEVT_AUTO_I4));
}

SORTORDERSPECEX SpecOf(const Sort& sort)
{
    SORTORDERSPECEX descriptor = {};
    descriptor.wVersion = SORTORDERSPECEX_VERSION;
    descriptor.wNumProps = static_cast<WORD>(sort.props.size());
    descriptor.wKeyFlags = sort.keyFlags;
    for (size_t i = 0; i < sort.props.size(); ++i) {
        descriptor.rgPropID[i] = sort.props[i].first;
        descriptor.rgdwFlags[i] = sort.props[i].second;
    }
    return descriptor;
}

const Value* Record::Find(CEPROPID id) const
{
    for (const Value& v : values) {
        if (v.id == id)
            return &v;
    }
    return nullptr;
}

std::vector<CENOTIFICATION>& NoticesSeen()
{
    static std::vector<CENOTIFICATION> seen;
    return seen;
}

namespace {

LRESULT CALLBACK KeepNoticesProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DBNOTIFICATION)
        NoticesSeen().push_back(*reinterpret_cast<const CENOTIFICATION*>(lParam));
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

HWND CreateNoticeWindow()
{
    NoticesSeen().clear();
    return testkit::CreateTestWindow(false, 240, 294, KeepNoticesProc);
}

Record ReadRecord(HANDLE db)
{
    Record r;
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    r.oid = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    if (!r.oid) {
        r.error = GetLastError();
        return r;
    }
    auto* props = reinterpret_cast<CEPROPVAL*>(buffer);
    for (WORD i = 0; i < count; ++i)
        r.values.push_back(CopyValue(props[i]));
    LocalFree(buffer);
    return r;
}

std::wstring DevicePath(const std::wstring& name)
{
    return L"\\" + name;
}

void DeleteVolumeFiles(const std::wstring& path)
{
    for (const wchar_t* suffix : {L"", L"-wal", L"-shm"})
        DeleteFileW((path + suffix).c_str());
}

std::wstring ProgramDir()
{
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

void StoreTest::SetUp()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    volumePath_ = DevicePath(std::wstring(name.begin(), name.end()) + L".vol");
    DeleteVolumeFiles(volumePath_);
    ASSERT_TRUE(CeMountDBVol(&volume_, volumePath_.data(), kMountOpenAlways)) << GetLastError();
    session_ = CeCreateSession(&volume_);
    ASSERT_NE(session_, INVALID_HANDLE_VALUE);
}

void StoreTest::TearDown()
{
    CloseHandle(session_);
    CeUnmountDBVol(&volume_);
}

void StoreTest::Remount()
{
    CloseHandle(session_);
    ASSERT_TRUE(CeUnmountDBVol(&volume_));
    ASSERT_TRUE(CeMountDBVol(&volume_, volumePath_.data(), kMountOpenAlways));
    session_ = CeCreateSession(&volume_);
}

CEOID StoreTest::CreateDatabase(const wchar_t* name, const std::vector<Sort>& sorts)
{
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
    wcsncpy(info.szDbaseName, name, CEDB_MAXDBASENAMELEN - 1);
    info.wNumSortOrder = static_cast<WORD>(sorts.size());
    for (size_t i = 0; i < sorts.size(); ++i)
        info.rgSortSpecs[i] = SpecOf(sorts[i]);
    return CeCreateDatabaseEx2(&volume_, &info);
}

HANDLE StoreTest::Open(const wchar_t* name, CEOID* oid)
{
    return OpenWith(name, nullptr, 0, nullptr, oid);
}

HANDLE StoreTest::OpenSorted(const wchar_t* name, CEPROPID prop, DWORD flags,
                             CENOTIFYREQUEST* request)
{
    SORTORDERSPECEX descriptor = SpecOf({{{prop, CEDB_SORT_CASEINSENSITIVE}}});
    return OpenWith(name, &descriptor, flags, request);
}

HANDLE StoreTest::OpenWith(const wchar_t* name, const SORTORDERSPECEX* descriptor, DWORD flags,
                           CENOTIFYREQUEST* request, CEOID* oid)
{
    CEOID opened = 0;
    HANDLE db = CeOpenDatabaseInSession(session_, &volume_, &opened, const_cast<wchar_t*>(name),
                                        const_cast<SORTORDERSPECEX*>(descriptor), flags, request);
    if (oid)
        *oid = opened;
    return db;
}

DWORD StoreTest::RecordCount(CEOID database)
{
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    if (!CeOidGetInfoEx2(&volume_, database, &info) || info.wObjType != OBJTYPE_DATABASE)
        return 0xFFFFFFFF;
    return info.infDatabase.dwNumRecords;
}

}  // namespace storetest
