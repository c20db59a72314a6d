#include "lists/anniversary_readers.h"

#include "core/record_layouts.h"
#include "lists/record_walk.h"

#include <cwchar>
#include <iterator>

namespace {

AnniversaryRecordFacts FactsOf(const OwnRecord& record)
{
    AnniversaryRecordFacts facts;
    facts.id = record.I4(kAnniversaryId);
    facts.title = record.Text(kAnniversaryTitle);
    facts.date = record.Text(kAnniversaryDate);
    facts.month = record.Text(kAnniversaryMonth);
    facts.day = record.Text(kAnniversaryDay);
    facts.lunar = record.Text(kAnniversaryLunar)[0];
    facts.kind = record.Text(kAnniversaryKind)[0];
    return facts;
}

void ReadHolidayRows(int year, AnniversaryRowTable* table)
{
    wchar_t first[16] = L"", last[16] = L"";
    _snwprintf(first, std::size(first) - 1, L"%4d-01-01", year);
    _snwprintf(last, std::size(last) - 1, L"%4d-12-31", year);
    WithOwnDatabase(kHolidayDatabase, kHolidayDate, [&](HANDLE database) {
        const CEPROPVAL from = TextValue(kHolidayDate, first);
        WalkRecords(database, CEDB_SEEK_VALUEGREATEROREQUAL, &from, [&](const OwnRecord& record) {
            if (wcscmp(record.Text(kHolidayDate), last) > 0)
                return false;
            // The days around a holiday carry no name and are not listed.
            if (!record.Text(kHolidayName)[0])
                return true;
            return table->Add(
                MakeHolidayRow(record.Text(kHolidayDate), record.Text(kHolidayName), record.Text(kHolidayLunarDate)));
        });
    });
}

void ReadKindRows(wchar_t kind, AnniversaryRowTable* table)
{
    WithOwnDatabase(kAnniversaryDatabase, kAnniversaryKind, [&](HANDLE database) {
        const wchar_t code[2] = {kind, L'\0'};
        const CEPROPVAL key = TextValue(kAnniversaryKind, code);
        WalkRecords(database, kind ? CEDB_SEEK_VALUEFIRSTEQUAL : CEDB_SEEK_VALUEGREATEROREQUAL, &key,
                    [&](const OwnRecord& record) {
                        if (kind && record.Text(kAnniversaryKind)[0] != kind)
                            return false;
                        return table->Add(MakeAnniversaryRow(FactsOf(record)));
                    });
    });
}

}  // namespace

void ReadAnniversaryRows(const wchar_t* kindChoice, int year, AnniversaryRowTable* table)
{
    if (IsHolidayKind(kindChoice))
        ReadHolidayRows(year, table);
    else
        ReadKindRows(AnniversaryKindCode(kindChoice), table);
}
