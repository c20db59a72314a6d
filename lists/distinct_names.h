// Lists of distinct names built from the caches: each value once (exact,
// case-sensitive), up to the list's slots, then Hangul-led names first and
// each class in code-unit order.
#pragma once

#include "lists/state.h"

// A distinct-name list of any size, as the shared routines see it.
struct NameListView {
    wchar_t* names;  // slots * chars characters
    int slots;
    int chars;
    int* count;

    wchar_t* At(int i) const { return names + static_cast<size_t>(i) * chars; }
};

template <int Slots, int Chars>
NameListView ViewOf(DistinctNameList<Slots, Chars>& list)
{
    return NameListView{&list.names[0][0], Slots, Chars, &list.count};
}

void ClearNames(const NameListView& list);
// Adds the value, cut to the slot width, unless the list holds it already or
// is full; false when it was not added.
bool OfferName(const NameListView& list, const wchar_t* value);
// Names whose first character is U+3131 or above come first; each class in
// code-unit order.
void SortNames(const NameListView& list);
bool NameSortsBefore(const wchar_t* a, const wchar_t* b);

void BuildCompanyNameList();
void BuildGroupNameList();
void BuildDepartmentAndTitleLists();
