#include "core/text_helpers.h"

#include <cwchar>
#include <cwctype>

namespace {

constexpr wchar_t kBlank = L' ';
constexpr wchar_t kListSeparator = L',';

// Copies count characters of source into a destination of destinationCount,
// cut to fit and terminated; nothing when destination is null or has no room.
void CopyBounded(wchar_t* destination, size_t destinationCount, const wchar_t* source, size_t count)
{
    if (!destination || destinationCount == 0)
        return;
    if (count > destinationCount - 1)
        count = destinationCount - 1;
    wmemcpy(destination, source, count);
    destination[count] = 0;
}

}  // namespace

bool TextStartsWith(const wchar_t* text, const wchar_t* prefix)
{
    const size_t prefixLength = wcslen(prefix);
    return wcsncmp(text, prefix, prefixLength) == 0;
}

bool TextContains(const wchar_t* text, const wchar_t* pattern)
{
    // The runtime's wcsstr finds nothing in an empty text, not even "".
    if (!pattern[0])
        return true;
    return wcsstr(text, pattern) != nullptr;
}

wchar_t* TrimBlanks(wchar_t* text)
{
    size_t start = 0;
    while (text[start] == kBlank)
        ++start;
    size_t end = start + wcslen(text + start);
    while (end > start && text[end - 1] == kBlank)
        --end;
    wmemmove(text, text + start, end - start);
    text[end - start] = 0;
    return text;
}

wchar_t* FoldTextCase(wchar_t* text)
{
    for (wchar_t* c = text; *c; ++c)
        *c = static_cast<wchar_t>(towlower(*c));
    return text;
}

int SplitFileExtension(const wchar_t* name, wchar_t* base, size_t baseCount, wchar_t* extension,
                       size_t extensionCount)
{
    const size_t length = wcslen(name);
    const wchar_t* dot = wcsrchr(name, L'.');
    if (dot == name)
        dot = nullptr;  // a leading dot names a file, it starts no extension
    const size_t baseLength = dot ? static_cast<size_t>(dot - name) : length;
    CopyBounded(base, baseCount, name, baseLength);
    CopyBounded(extension, extensionCount, name + baseLength, length - baseLength);
    return static_cast<int>(length);
}

int SplitCommaList(const wchar_t* source, CommaPart* slots, int slotCount)
{
    int parts = 0;
    const wchar_t* part = source;
    while (parts < slotCount) {
        const wchar_t* comma = wcschr(part, kListSeparator);
        const size_t partLength = comma ? static_cast<size_t>(comma - part) : wcslen(part);
        CopyBounded(slots[parts], kCommaPartChars, part, partLength);
        ++parts;
        if (!comma)
            break;
        part = comma + 1;
        if (*part == kBlank)
            ++part;
    }
    return parts;
}
