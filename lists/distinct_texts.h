// Lists of distinct texts in fixed slots (company names, subjects, ...):
// offered one by one, kept once each up to a cap, then ordered Hangul first.
#pragma once

struct DistinctTextList {
    wchar_t* slots;  // cap slots of slotChars characters each
    int slotChars;
    int cap;
    int* count;
};

// Empties the list.
void ClearDistinctTexts(const DistinctTextList& list);

// Adds the text (cut to the slot) unless a slot holds exactly the same text
// or the list is full; empty texts count like any other.
void OfferDistinctText(const DistinctTextList& list, const wchar_t* text);

// Orders the list: texts whose first character is U+3131 or above come
// first, then the others (the empty text among them); each class ascending
// by code unit.
void SortDistinctTexts(const DistinctTextList& list);
