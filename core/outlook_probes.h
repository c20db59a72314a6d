// The system PIM databases as the main program probes them: opened with
// change notification for the run, their record counts, and the contacts'
// name sort order.
#pragma once

#include "core/state.h"

constexpr wchar_t kContactsDatabaseName[] = L"Contacts Database";
constexpr wchar_t kAppointmentsDatabaseName[] = L"Appointments Database";
constexpr wchar_t kTasksDatabaseName[] = L"Tasks Database";

// Opens the three databases with extended notification to the window and
// keeps their handles in OutlookWatchState.
void OpenOutlookDatabasesWithNotify(HWND window);
// Closes the handles that OpenOutlookDatabasesWithNotify opened.
void CloseOutlookDatabases();

// The record count of a system database; -1 when it cannot be read.
int ReadSystemRecordCount(LPCWSTR databaseName);

// What the watch compares of a system database: its record count and the
// size and time of its last write; count -1 when it cannot be read.
struct SystemDatabaseStamp {
    int count = -1;
    DWORD size = 0;
    ULONGLONG modified = 0;
};
SystemDatabaseStamp ReadSystemDatabaseStamp(LPCWSTR databaseName);
// The database of a watch entry.
LPCWSTR WatchedDatabaseName(OutlookWatchIndex which);

// Store the database's current count as the last seen one (a count that
// cannot be read leaves the last seen count as it was); the contacts one
// then reloads the contacts cache. In core/outlook_seen.cpp, so that the
// probes alone do not bring the contacts cache along.
void MarkContactsDatabaseSeen();
void MarkAppointmentsDatabaseSeen();
void MarkTasksDatabaseSeen();

// The number of sort orders of the Contacts Database; copies the first
// whose first property is the file-as name into ContactsNameSortOrder.
int GetContactsNameSortOrder();
