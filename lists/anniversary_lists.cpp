#include "lists/anniversary_lists.h"

#include "lists/anniversary_readers.h"
#include "core/wait_cursor.h"
#include "lists/list_refill.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/list_fill.h"
#include "mainwindow/state.h"

#include <commctrl.h>

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
