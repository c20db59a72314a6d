#include "lists/subject_lists.h"

#include "lists/distinct_names.h"
#include "mainwindow/state.h"

wchar_t SubjectList[kSubjectListSlots][kSubjectListChars] = {};
int SubjectListCount = 0;
wchar_t LocationList[kSubjectListSlots][kSubjectListChars] = {};
int LocationListCount = 0;

void BuildSubjectAndLocationListsFrom(const ScheduleTable& table)
{
    const NameListView subjects = {&SubjectList[0][0], kSubjectListSlots, kSubjectListChars, &SubjectListCount};
    const NameListView locations = {&LocationList[0][0], kSubjectListSlots, kSubjectListChars, &LocationListCount};
    for (const NameListView& list : {subjects, locations}) {
        ClearNames(list);
        OfferName(list, L"");
    }
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        if (entry.linkedId != 0)
            continue;
        OfferName(subjects, entry.subject);
        OfferName(locations, entry.location);
    }
    SortNames(subjects);
    SortNames(locations);
}

void BuildSubjectAndLocationLists()
{
    BuildSubjectAndLocationListsFrom(CurrentView == kScheduleView ? MonthScheduleCache : ContactScheduleCache);
}
