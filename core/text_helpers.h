// Small text routines shared by the lists and editors. Texts are wide,
// zero-terminated; destinations take their size in characters and are
// always terminated.
#pragma once

#include <cstddef>

// Case-sensitive; an empty prefix or pattern always matches.
bool TextStartsWith(const wchar_t* text, const wchar_t* prefix);
bool TextContains(const wchar_t* text, const wchar_t* pattern);

// Removes leading and trailing blanks (U+0020 only) in place; returns text.
wchar_t* TrimBlanks(wchar_t* text);

// Lower-cases the text in place through the runtime's case mapping; returns text.
wchar_t* FoldTextCase(wchar_t* text);

// Splits at the last '.' after the first character: base gets the text before
// it, extension the '.' and the rest; without such a dot base is the whole
// name and extension is empty. Either output may be null. Returns the name's
// length.
int SplitFileExtension(const wchar_t* name, wchar_t* base, size_t baseCount, wchar_t* extension,
                       size_t extensionCount);

// One part of a comma list: 50 characters and the terminator.
constexpr int kCommaPartChars = 51;
using CommaPart = wchar_t[kCommaPartChars];

// Splits source at each ',' into consecutive slots; a single blank right after
// a comma is skipped. An empty source is one empty part, ",," gives an empty
// part between, a trailing comma an empty last part. A part longer than 50
// characters keeps its first 50; parts beyond slotCount are dropped. Returns
// the number of parts stored (at most slotCount).
int SplitCommaList(const wchar_t* source, CommaPart* slots, int slotCount);
