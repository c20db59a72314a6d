// The recent subjects and places that the appointment editor offers.
#pragma once

#include "lists/state.h"

// Fills SubjectList and LocationList from the schedule view's month table
// when the schedule view is shown, else from the contact card's table: the
// empty text first, then each appointment's text (holidays and anniversary
// appointments left out), once each, at most 50, Hangul first.
void BuildSubjectAndLocationLists();

// The same from the given table.
void BuildSubjectAndLocationListsFrom(const ScheduleTable& table);
