#include "mainwindow/contact_list_text.h"

#include "core/hangul_search.h"

#include <strsafe.h>

#include <cwctype>

namespace {

constexpr size_t kShortNameChars = 3;
constexpr wchar_t kMobileMark[] = L"휴";
constexpr wchar_t kBusinessMark[] = L"회";
constexpr wchar_t kHomeMark[] = L"집";

// A name longer than three characters shows its first blank-free run of at
// most three (leading blanks skipped); a shorter one whole.
void ShortName(const std::wstring& name, wchar_t* text, size_t textChars)
{
    if (name.size() <= kShortNameChars) {
        StringCchCopyW(text, textChars, name.c_str());
        return;
    }
    size_t start = 0;
    while (start < name.size() && iswspace(name[start]))
        ++start;
    size_t end = start;
    while (end < name.size() && end - start < kShortNameChars && !iswspace(name[end]))
        ++end;
    StringCchCopyNW(text, textChars, name.c_str() + start, end - start);
}

const wchar_t* PhoneKindMark(const ContactCacheEntry& row)
{
    if (!row.mobile.empty())
        return kMobileMark;
    if (row.shownPhone.empty())
        return L"";
    return row.phoneKind == L'B' ? kBusinessMark : kHomeMark;
}

}  // namespace

void ContactListColumnText(const ContactCacheEntry& row, int column, int layout, wchar_t* text, size_t textChars)
{
    if (!text || textChars == 0)
        return;
    text[0] = L'\0';
    bool withKind = layout == kNameAndKindColumns;
    switch (column) {
    case kContactNameColumn:
        if (withKind)
            StringCchCopyW(text, textChars, row.name.c_str());
        else
            ShortName(row.name, text, textChars);
        break;
    case kContactPhoneColumn:
        if (withKind)
            StringCchCopyW(text, textChars, (row.mobile.empty() ? row.shownPhone : row.mobile).c_str());
        else
            KeepDialDigits(text, textChars, row.mobile.c_str());
        break;
    case kContactKindColumn:
        if (withKind)
            StringCchCopyW(text, textChars, PhoneKindMark(row));
        else
            KeepDialDigits(text, textChars, row.shownPhone.c_str());
        break;
    case kContactIdColumn:
        StringCchPrintfW(text, textChars, L"%ld", static_cast<long>(row.oid));
        break;
    }
}
