#include "lists/anniversary_lists.h"

#include "lists/anniversary_readers.h"
#include "core/db_access.h"
#include "core/item_form.h"
#include "core/record_layouts.h"
#include "core/wait_cursor.h"
#include "lists/list_refill.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/list_fill.h"
#include "mainwindow/state.h"

#include <commctrl.h>
#include <strsafe.h>

namespace {

constexpr int kAnniversaryColumns = 5;

void ClearAnniversaryHeader()
{
    for (HWND label : {AnniversaryYearLabel, AnniversaryLunarLabel, AnniversaryAgeLabel}) {
        if (label)
            SetWindowTextW(label, L"");
    }
    if (HWND first = AnniversaryDayNameLabels[0]) {
        SetWindowTextW(first, L"");
        ShowWindow(first, SW_SHOW);
    }
}

void SetLabel(HWND label, HFONT font, const std::wstring& text)
{
    if (!label)
        return;
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowTextW(label, text.c_str());
}

std::wstring ColumnText(const AnniversaryListRow& row, int column)
{
    switch (column) {
    case 0: return row.label;
    case 1: return AnniversaryDateColumn(row);
    case 2: return IdText(row.id);
    case 3: return row.dateString;
    default: return row.lunarFlag;
    }
}

}  // namespace

void FillAnniversaryKindPickList()
{
    WaitCursor wait;
    AnniversaryKindCount = kAnniversaryKindRows;
    AnniversaryKindRow = ClampRow(AnniversaryKindRow, AnniversaryKindCount);
    FillPickList(AnniversaryKindPickList,
                 std::vector<std::wstring>(kAnniversaryKindTexts, kAnniversaryKindTexts + kAnniversaryKindRows),
                 AnniversaryKindRow);
}

void SortAnniversaryList()
{
    SortAnniversaryRows(&AnniversaryRows, AnniversarySortKey);
}

void LoadAnniversaryList()
{
    WaitCursor wait;
    const bool shown = BeginListRefill(AnniversaryList);
    AnniversaryRows.Clear();
    ReadAnniversaryRows(AnniversaryKindChoice, AnniversaryYear, &AnniversaryRows);
    SortAnniversaryList();
    const int count = AnniversaryRows.Count();
    InsertListRows(AnniversaryList, count, kAnniversaryColumns,
                   [](int p, int column) { return ColumnText(*AnniversaryRows.At(p), column); });
    for (int p = 0; p < count && AnniversaryToReselect; ++p) {
        if (AnniversaryRows.At(p)->id == AnniversaryToReselect)
            ViewSelection[kAnniversaryView] = p;
    }
    ViewSelection[kAnniversaryView] = ClampRow(ViewSelection[kAnniversaryView], count);
    EndListRefill(AnniversaryList, shown, ViewSelection[kAnniversaryView]);
    AnniversaryCount = count;
    if (count == 0)
        ClearAnniversaryHeader();
}

bool LoadAnniversaryRecord()
{
    AnniversaryFormFields& form = ItemFormState.Anniversary;
    bool found = false;
    WithOwnDatabase(kAnniversaryDatabase, kAnniversaryId, [&](HANDLE db) {
        OwnRecord record;
        if (!SeekFirstEqual(db, I4Value(kAnniversaryId, SelectedAnniversaryId)) || !record.ReadCurrent(db))
            return;
        StringCchCopyW(form.Title, ARRAYSIZE(form.Title), record.Text(kAnniversaryTitle));
        form.YearKnown = record.Text(kAnniversaryYearKnown)[0];
        StringCchCopyW(form.Date, ARRAYSIZE(form.Date), record.Text(kAnniversaryDate));
        StringCchCopyW(form.StartYear, ARRAYSIZE(form.StartYear), record.Text(kAnniversaryStartYear));
        form.Lunar = record.Text(kAnniversaryLunar)[0];
        form.Kind = record.Text(kAnniversaryKind)[0];
        form.ReminderFlag = record.Text(kAnniversaryReminderOn)[0];
        form.ReminderChoice = record.I4(kAnniversaryReminderChoice);
        StringCchCopyW(form.Time, ARRAYSIZE(form.Time), record.Text(kAnniversaryTime));
        form.Note[0] = L'\0';
        found = true;
    });
    if (!found)
        return false;
    WithOwnDatabase(kAnniversaryTextDatabase, kAnniversaryTextId, [&](HANDLE db) {
        OwnRecord text;
        if (SeekFirstEqual(db, I4Value(kAnniversaryTextId, SelectedAnniversaryId)) && text.ReadCurrent(db))
            StringCchCopyW(form.Note, ARRAYSIZE(form.Note), text.Text(kAnniversaryTextNote));
    });
    return true;
}

void ShowAnniversaryHeader()
{
    AnniversaryHeaderFacts facts;
    if (SelectedAnniversaryId && LoadAnniversaryRecord()) {
        const AnniversaryFormFields& form = ItemFormState.Anniversary;
        facts.found = true;
        facts.yearKnown = form.YearKnown;
        facts.kind = form.Kind;
        facts.startYear = _wtoi(form.StartYear);
    }
    const AnniversaryHeaderTexts header =
        MakeAnniversaryHeader(AnniversaryYear, AnniversaryMonth, AnniversaryDay, AnniversaryLunarFlag, facts);
    // The selected row's date is now the solar one of the shown year.
    if (AnniversaryLunarFlag == L'1') {
        AnniversaryMonth = header.month;
        AnniversaryDay = header.day;
    }
    SetLabel(AnniversaryYearLabel, AppFonts.largeBold, header.yearLabel);
    SetLabel(AnniversaryAgeLabel, AppFonts.large, header.ageLabel);
    for (int weekday = 0; weekday < kWeekDays; ++weekday) {
        HWND label = AnniversaryDayNameLabels[weekday];
        if (!label)
            continue;
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(AppFonts.large), FALSE);
        ShowWindow(label, SW_HIDE);
    }
    if (HWND label = AnniversaryDayNameLabels[header.weekday % kWeekDays]) {
        SetWindowTextW(label, header.dayLabel.c_str());
        ShowWindow(label, SW_SHOW);
    }
    SetLabel(AnniversaryLunarLabel, AppFonts.large, header.lunarLabel);
}
