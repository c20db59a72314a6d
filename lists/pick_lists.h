// The company and group pick lists beside the company and group views'
// contact lists.
#pragma once

#include "lists/state.h"

// Rebuild the distinct names and refill the pick list: trimmed names, one
// row per run of equal neighbours, the "without" row last; the row named by
// CompanyToReselect / GroupToReselect (once) or CompanyRow / GroupRow is
// selected.
void FillCompanyPickList();
void FillGroupPickList();

// Takes a pick-list row as the choice: the row's text (column 0) into the
// choice, the governed view's list back to its first row, the remembered row.
void TakePickListRow(HWND list, int row, wchar_t* choice, int choiceChars, int governedView, int* pickRow);
void TakeCompanyPickRow(int row);
void TakeGroupPickRow(int row);
