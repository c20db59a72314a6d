// The "seen" marks of the change watch, apart from the probes: the contacts
// one reloads the main program's contacts cache, which the Today item, a
// user of the probes, must not carry into the shell's process.
#include "core/outlook_probes.h"

#include "lists/contacts_cache.h"

namespace {

void MarkSeen(OutlookWatchIndex which)
{
    SystemDatabaseStamp stamp = ReadSystemDatabaseStamp(WatchedDatabaseName(which));
    if (stamp.count < 0)
        return;
    OutlookWatchEntry& entry = OutlookWatchState[which];
    entry.lastSeenCount = stamp.count;
    entry.lastSeenSize = stamp.size;
    entry.lastSeenModified = stamp.modified;
}

}  // namespace

void MarkContactsDatabaseSeen()
{
    MarkSeen(kWatchContacts);
    ReloadContactsCache();
}

void MarkAppointmentsDatabaseSeen()
{
    MarkSeen(kWatchAppointments);
}

void MarkTasksDatabaseSeen()
{
    MarkSeen(kWatchTasks);
}
