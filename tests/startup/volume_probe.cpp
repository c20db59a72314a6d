#include "tests/startup/volume_probe.h"

#include "core/record_layouts.h"

#include <ostream>

namespace probe {

bool MountVolume(const wchar_t* path, bool fresh)
{
    DiaryVolume = CEGUID();
    if (!CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(path), fresh ? CREATE_ALWAYS : OPEN_ALWAYS))
        return false;
    DiarySession = CeCreateSession(&DiaryVolume);
    return DiarySession != nullptr && DiarySession != INVALID_HANDLE_VALUE;
}

void UnmountVolume()
{
    if (DiarySession && DiarySession != INVALID_HANDLE_VALUE)
        CloseHandle(DiarySession);
    DiarySession = nullptr;
    CeFlushDBVol(&DiaryVolume);
    CeUnmountDBVol(&DiaryVolume);
    DiaryVolume = CEGUID();
}

DatabaseShape ReadShape(const wchar_t* name)
{
    DatabaseShape shape;
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr, 0,
                                        nullptr);
    if (db == INVALID_HANDLE_VALUE || !db)
        return shape;
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    if (CeOidGetInfoEx2(&DiaryVolume, oid, &info)) {
        shape.exists = true;
        shape.oid = oid;
        shape.records = info.infDatabase.dwNumRecords;
        for (WORD i = 0; i < info.infDatabase.wNumSortOrder && i < CEDB_MAXSORTORDER; ++i) {
            const SORTORDERSPECEX& declared = info.infDatabase.rgSortSpecs[i];
            SortOrder order;
            for (WORD p = 0; p < declared.wNumProps; ++p) {
                order.properties.push_back(declared.rgPropID[p]);
                order.flags.push_back(declared.rgdwFlags[p]);
            }
            shape.sortOrders.push_back(order);
        }
    }
    CloseHandle(db);
    return shape;
}

std::vector<Record> ReadRecords(const wchar_t* name)
{
    std::vector<Record> records;
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr, 0,
                                        nullptr);
    if (db == INVALID_HANDLE_VALUE || !db)
        return records;
    DWORD index = 0;
    CEOID at = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index);
    while (at != 0) {
        WORD count = 0;
        BYTE* buffer = nullptr;
        DWORD size = 0;
        if (!CeReadRecordPropsEx(db, 0, &count, nullptr, &buffer, &size, nullptr))
            break;
        Record record;
        const CEPROPVAL* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i) {
            Property p{values[i].propid, 0, {}, {}};
            switch (TypeFromPropID(values[i].propid)) {
            case CEVT_I4:     p.number = values[i].val.lVal; break;
            case CEVT_LPWSTR: p.text = values[i].val.lpwstr ? values[i].val.lpwstr : L""; break;
            case CEVT_STREAM:
            case CEVT_BLOB:
                p.bytes.assign(values[i].val.blob.lpb, values[i].val.blob.lpb + values[i].val.blob.dwCount);
                break;
            }
            record.push_back(p);
        }
        LocalFree(buffer);
        records.push_back(record);
        at = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
    }
    CloseHandle(db);
    return records;
}

Property I4(int number, long value)
{
    return Property{ownprop::I4(number), value, {}, {}};
}

Property Text(int number, const std::wstring& value)
{
    return Property{ownprop::Text(number), 0, value, {}};
}

Property Stream(int number, const std::vector<BYTE>& value)
{
    return Property{ownprop::Stream(number), 0, {}, value};
}

bool operator==(const Property& a, const Property& b)
{
    return a.id == b.id && a.number == b.number && a.text == b.text && a.bytes == b.bytes;
}

void PrintTo(const Property& p, std::ostream* out)
{
    *out << "{0x" << std::hex << p.id << std::dec << " " << p.number << " \"";
    for (wchar_t c : p.text)
        *out << (c < 128 ? static_cast<char>(c) : '?');
    *out << "\" " << p.bytes.size() << " bytes}";
}

}  // namespace probe
