#include "lists/distinct_names.h"

#include <algorithm>
#include <cwchar>
#include <vector>

CompanyNames CompanyNameList;
GroupNames GroupNameList;
DepartmentNames DepartmentList;
DepartmentNames JobTitleList;

namespace {

constexpr wchar_t kFirstHangulLetter = 0x3131;

bool IsHangulLed(const wchar_t* name)
{
    return name[0] >= kFirstHangulLetter;
}

// Walks the cache in list order.
template <typename Visit>
void ForEachCachedContact(Visit visit)
{
    for (int i = 0; i < ContactsCache.count; ++i)
        visit(ContactsCache.rows[ContactOrder[i]]);
}

}  // namespace

void ClearNames(const NameListView& list)
{
    *list.count = 0;
}

bool OfferName(const NameListView& list, const wchar_t* value)
{
    if (*list.count >= list.slots)
        return false;
    std::wstring cut(value, std::min<size_t>(wcslen(value), static_cast<size_t>(list.chars - 1)));
    for (int i = 0; i < *list.count; ++i) {
        if (cut == list.At(i))
            return false;
    }
    wchar_t* slot = list.At(*list.count);
    wmemcpy(slot, cut.c_str(), cut.size() + 1);
    ++*list.count;
    return true;
}

bool NameSortsBefore(const wchar_t* a, const wchar_t* b)
{
    bool hangulA = IsHangulLed(a);
    bool hangulB = IsHangulLed(b);
    if (hangulA != hangulB)
        return hangulA;
    return wcscmp(a, b) < 0;
}

void SortNames(const NameListView& list)
{
    std::vector<std::wstring> names;
    names.reserve(*list.count);
    for (int i = 0; i < *list.count; ++i)
        names.emplace_back(list.At(i));
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return NameSortsBefore(a.c_str(), b.c_str()); });
    for (int i = 0; i < *list.count; ++i)
        wmemcpy(list.At(i), names[i].c_str(), names[i].size() + 1);
}

void BuildCompanyNameList()
{
    NameListView list = ViewOf(CompanyNameList);
    ClearNames(list);
    ForEachCachedContact([&](const ContactCacheEntry& row) { OfferName(list, row.company.c_str()); });
    SortNames(list);
}

void BuildGroupNameList()
{
    NameListView list = ViewOf(GroupNameList);
    ClearNames(list);
    ForEachCachedContact([&](const ContactCacheEntry& row) {
        if (row.categories.empty())
            return;
        CommaPart parts[kMaxGroupParts];
        int count = SplitCommaList(row.categories.c_str(), parts, kMaxGroupParts);
        for (int i = 0; i < count; ++i)
            OfferName(list, parts[i]);
    });
    SortNames(list);
}

void BuildDepartmentAndTitleLists()
{
    NameListView departments = ViewOf(DepartmentList);
    NameListView titles = ViewOf(JobTitleList);
    ClearNames(departments);
    ClearNames(titles);
    ForEachCachedContact([&](const ContactCacheEntry& row) {
        OfferName(departments, row.department.c_str());
        OfferName(titles, row.jobTitle.c_str());
    });
    SortNames(departments);
    SortNames(titles);
}
