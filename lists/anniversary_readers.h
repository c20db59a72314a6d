// Reading the rows of the anniversary list: the anniversaries of a kind
// from QuillonMemo, or the named holidays of a year from QuillonRest.
#pragma once

#include "lists/anniversary_rows.h"

// Adds the rows the kind choice lists for the year (the year matters only
// for holidays); stops at the table's limit.
void ReadAnniversaryRows(const wchar_t* kindChoice, int year, AnniversaryRowTable* table);
