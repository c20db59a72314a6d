#include "lists/subject_lists.h"

#include "core/state.h"
#include "lists/distinct_texts.h"

wchar_t SubjectList[kSubjectListSlots][kSubjectListChars] = {};
int SubjectListCount = 0;
wchar_t LocationList[kSubjectListSlots][kSubjectListChars] = {};
int LocationListCount = 0;

namespace {

constexpr int32_t kScheduleViewNumber = 4;

}  // namespace

void BuildSubjectAndLocationListsFrom(const ScheduleTable& table)
{
    const DistinctTextList subjects = {&SubjectList[0][0], kSubjectListChars, kSubjectListSlots, &SubjectListCount};
    const DistinctTextList locations = {&LocationList[0][0], kSubjectListChars, kSubjectListSlots, &LocationListCount};
    for (const DistinctTextList& list : {subjects, locations}) {
        ClearDistinctTexts(list);
        OfferDistinctText(list, L"");
    }
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        if (entry.linkedId != 0)
            continue;
        OfferDistinctText(subjects, entry.subject);
        OfferDistinctText(locations, entry.location);
    }
    SortDistinctTexts(subjects);
    SortDistinctTexts(locations);
}

void BuildSubjectAndLocationLists()
{
    BuildSubjectAndLocationListsFrom(CurrentView == kScheduleViewNumber ? MonthScheduleCache : ContactScheduleCache);
}
