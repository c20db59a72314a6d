#include "lists/pick_lists.h"

#include "core/wait_cursor.h"
#include "lists/distinct_names.h"
#include "lists/list_refill.h"
#include "mainwindow/state.h"

#include <strsafe.h>

wchar_t CompanyChoice[kCompanyChoiceChars] = L"";
wchar_t GroupChoice[kGroupChoiceChars] = L"";
wchar_t CompanyToReselect[kCompanyChoiceChars] = L"";
wchar_t GroupToReselect[kGroupChoiceChars] = L"";
int CompanyCount = 0;
int CompanyRow = 0;
int GroupCount = 0;
int GroupRow = 0;

namespace {

constexpr int kCompanyViewIndex = 2;
constexpr int kGroupViewIndex = 3;
constexpr int kPickTextChars = 100;

// What differs between the two pick lists.
struct PickListDef {
    HWND list;
    void (*buildNames)();
    NameListView names;
    wchar_t* toReselect;
    int* count;
    int* row;
    const wchar_t* lastRow;
};

void InsertRow(HWND list, int row, const wchar_t* text)
{
    InsertListRow(list, row, &text, 1);
}

void FillPickList(const PickListDef& pick)
{
    WaitCursor wait;
    pick.buildNames();
    bool shown = BeginListRefill(pick.list);
    wchar_t previous[kPickTextChars] = L"";
    int rows = 0;
    for (int i = 0; i < *pick.names.count; ++i) {
        wchar_t name[kPickTextChars];
        StringCchCopyW(name, kPickTextChars, pick.names.At(i));
        TrimBlanks(name);
        if (!name[0])
            continue;
        bool newRow = wcscmp(name, previous) != 0;
        if (newRow && pick.list)
            InsertRow(pick.list, rows, name);
        if (newRow)
            ++rows;
        if (pick.toReselect[0] && wcscmp(name, pick.toReselect) == 0) {
            *pick.row = rows - 1;
            pick.toReselect[0] = L'\0';
        }
        StringCchCopyW(previous, kPickTextChars, name);
    }
    if (pick.list)
        InsertRow(pick.list, rows, pick.lastRow);
    *pick.count = rows + 1;
    if (*pick.row < 0 || *pick.row >= *pick.count)
        *pick.row = 0;
    EndListRefill(pick.list, shown, *pick.row);
}

}  // namespace

void TakePickListRow(HWND list, int row, wchar_t* choice, int choiceChars, int governedView, int* pickRow)
{
    choice[0] = L'\0';
    if (list) {
        LVITEMW item = {};
        item.iSubItem = 0;
        item.pszText = choice;
        item.cchTextMax = choiceChars;
        SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    ViewSelection[governedView] = 0;
    *pickRow = row;
}

void FillCompanyPickList()
{
    FillPickList({CompanyPickList, BuildCompanyNameList, ViewOf(CompanyNameList), CompanyToReselect, &CompanyCount,
                  &CompanyRow, kNoCompanyRow});
    TakeCompanyPickRow(CompanyRow);
}

void FillGroupPickList()
{
    FillPickList({GroupPickList, BuildGroupNameList, ViewOf(GroupNameList), GroupToReselect, &GroupCount, &GroupRow,
                  kNoGroupRow});
    TakeGroupPickRow(GroupRow);
}

void TakeCompanyPickRow(int row)
{
    TakePickListRow(CompanyPickList, row, CompanyChoice, kCompanyChoiceChars, kCompanyViewIndex, &CompanyRow);
}

void TakeGroupPickRow(int row)
{
    TakePickListRow(GroupPickList, row, GroupChoice, kGroupChoiceChars, kGroupViewIndex, &GroupRow);
}
