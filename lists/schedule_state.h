// State of the schedule lists shared across the main program: the month's
// appointments and holidays, one entry per day; the contact card's
// appointments in a table of their own; the rows each list shows; the
// recent subjects and places offered by the appointment editor.
#pragma once

#include "platform/ce.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Field widths, terminator included.
constexpr int kScheduleDateChars = 11;
constexpr int kScheduleTimeChars = 6;
constexpr int kScheduleSubjectChars = 101;
constexpr int kScheduleLocationChars = 101;
constexpr int kScheduleContactChars = 52;

// One appointment (or holiday) on one day. Dates "%4d-%02d-%02d", times
// "%02d:%02d". A holiday has object id 0, start time "     ", its name as
// subject and its id as linked id.
struct ScheduleEntry {
    int32_t objectId;
    wchar_t dayDate[kScheduleDateChars];
    wchar_t startTime[kScheduleTimeChars];   // empty: all-day, or not the first day
    wchar_t endDate[kScheduleDateChars];
    wchar_t endTime[kScheduleTimeChars];
    wchar_t ownStartDate[kScheduleDateChars];
    wchar_t ownStartTime[kScheduleTimeChars];
    wchar_t ownEndDate[kScheduleDateChars];  // an all-day appointment's last day
    wchar_t ownEndTime[kScheduleTimeChars];
    wchar_t subject[kScheduleSubjectChars];
    wchar_t location[kScheduleLocationChars];
    wchar_t contact[kScheduleContactChars];  // name of the linked contact
    int32_t contactId;                       // always 0; the list carries it
    int32_t linkedId;                        // mirrored anniversary, or holiday id
    uint8_t continuation;                    // a later day added by the expansion
};

// A table starts with room for a busy month and grows as needed; list rows
// and sort order hold 16-bit entry indexes, which bounds it.
constexpr size_t kScheduleEntryRoom = 541;
constexpr size_t kScheduleEntryLimit = 65535;

struct ScheduleTable {
    std::vector<ScheduleEntry> entries;  // in the order they were read
    std::vector<uint16_t> order;         // entry indexes, sorted
    std::vector<uint16_t> rowMap;        // list row -> entry index
    bool full = false;                   // the last load stopped at the limit
};

// The month's table (read by the schedule list, the month grid, the form
// loaders and the subject lists) and the contact card's.
extern ScheduleTable MonthScheduleCache;
extern ScheduleTable ContactScheduleCache;
inline std::vector<uint16_t>& ScheduleOrder = MonthScheduleCache.order;
inline std::vector<uint16_t>& ScheduleRowMap = MonthScheduleCache.rowMap;
inline int MonthScheduleCount() { return static_cast<int>(MonthScheduleCache.entries.size()); }
inline int ContactScheduleCount() { return static_cast<int>(ContactScheduleCache.entries.size()); }
inline int ScheduleRowCount() { return static_cast<int>(ScheduleRowMap.size()); }

// The first day of the month the month table holds; empty until loaded and
// whenever the appointments changed, so the next load queries again.
extern wchar_t ScheduleCacheKey[kScheduleDateChars];

// The appointment the schedule lists select after their next fill (0 none).
extern CEOID AppointmentToReselect;

// Recent subjects and places for the appointment editor's combo boxes.
constexpr int kSubjectListSlots = 50;
constexpr int kSubjectListChars = 101;
extern wchar_t SubjectList[kSubjectListSlots][kSubjectListChars];
extern int SubjectListCount;
extern wchar_t LocationList[kSubjectListSlots][kSubjectListChars];
extern int LocationListCount;

// ---- the month grid's picture (mini_calendar.cpp) ------------------------------

constexpr int kGridRows = 6;
constexpr int kGridColumns = 7;
// Where each day's number was drawn and which day it is, row by row; a
// blank cell has day 0 and an empty rectangle. Read by the grid's taps.
extern RECT DayCellRects[kGridRows][kGridColumns];
extern int32_t DayCellDays[kGridRows][kGridColumns];
// The month painted last.
extern int GridYear;
extern int GridMonth;
