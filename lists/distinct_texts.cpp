#include "lists/distinct_texts.h"

#include <strsafe.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kFirstHangulLetter = 0x3131;

wchar_t* SlotAt(const DistinctTextList& list, int index)
{
    return list.slots + static_cast<size_t>(index) * static_cast<size_t>(list.slotChars);
}

bool IsHangulClass(const std::wstring& text)
{
    return !text.empty() && text[0] >= kFirstHangulLetter;
}

}  // namespace

void ClearDistinctTexts(const DistinctTextList& list)
{
    *list.count = 0;
}

void OfferDistinctText(const DistinctTextList& list, const wchar_t* text)
{
    wchar_t cut[512];
    StringCchCopyW(cut, std::min<size_t>(static_cast<size_t>(list.slotChars), 512), text ? text : L"");
    for (int i = 0; i < *list.count; ++i) {
        if (wcscmp(SlotAt(list, i), cut) == 0)
            return;
    }
    if (*list.count >= list.cap)
        return;
    StringCchCopyW(SlotAt(list, *list.count), static_cast<size_t>(list.slotChars), cut);
    ++*list.count;
}

void SortDistinctTexts(const DistinctTextList& list)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < *list.count; ++i)
        texts.emplace_back(SlotAt(list, i));
    std::sort(texts.begin(), texts.end(), [](const std::wstring& a, const std::wstring& b) {
        bool hangulA = IsHangulClass(a);
        bool hangulB = IsHangulClass(b);
        if (hangulA != hangulB)
            return hangulA;
        return a < b;
    });
    for (int i = 0; i < *list.count; ++i)
        StringCchCopyW(SlotAt(list, i), static_cast<size_t>(list.slotChars), texts[static_cast<size_t>(i)].c_str());
}
