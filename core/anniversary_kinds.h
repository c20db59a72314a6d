// The four kinds of anniversary and the labels that subjects and lists show.
#pragma once

constexpr wchar_t kFirstAnniversaryKind = L'0';
constexpr wchar_t kLastAnniversaryKind = L'3';

// '0' birthday, '1' memorial day, '2' ancestral rite, '3' other; any other
// code reads as other.
inline const wchar_t* AnniversaryKindLabel(wchar_t kind)
{
    switch (kind) {
    case L'0': return L"생일";
    case L'1': return L"기념";
    case L'2': return L"제사";
    default: return L"기타";
    }
}
