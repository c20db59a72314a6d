// The start-up's own databases: the missing ones are created (a new holiday
// database gets the built-in holidays, a new counter database the first
// counters) and the holidays are reloaded once when the registry asks.
#pragma once

// Which databases were created now.
struct CreatedDatabases {
    bool anniversaryText, taskLink, note, shortcut, noteFileLink, planLink, anniversary, holiday, idCounter;
};

// Creates the databases in the order of the diary's database set.
CreatedDatabases CreateDiaryDatabases();

// Unless every database that holds data was created now, reads "Quillon
// ChangeRest"; when it is empty, puts the built-in holidays in a new holiday
// database and then writes "0" there. Returns true when it reloaded them
// all; a reload that failed leaves the value empty for the next start.
bool ReloadHolidaysWhenAsked(const CreatedDatabases& created);
