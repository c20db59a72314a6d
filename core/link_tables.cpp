#include "core/link_tables.h"

#include "core/contact_names.h"
#include "core/db_access.h"
#include "core/record_layouts.h"

namespace {

CEPROPVAL ItemKey(CEOID itemOid)
{
    return I4Value(kLinkItem, static_cast<int32_t>(itemOid));
}

// The contact of the first link whose item property equals the key.
CEOID LinkedContact(LPCWSTR database, const CEPROPVAL& key)
{
    CEOID contact = 0;
    WithOwnDatabase(database, key.propid, [&](HANDLE db) {
        OwnRecord read;
        if (SeekFirstEqual(db, key) != 0 && read.ReadCurrent(db))
            contact = static_cast<CEOID>(read.I4(kLinkContact));
    });
    return contact;
}

void DeleteFirstLink(LPCWSTR database, const CEPROPVAL& key)
{
    WithOwnDatabase(database, key.propid, [&](HANDLE db) {
        CEOID record = SeekFirstEqual(db, key);
        if (record != 0)
            CeDeleteRecord(db, record);
    });
}

CEOID LinkedContactWithName(LPCWSTR database, const CEPROPVAL& key, LPWSTR nameOut, size_t nameChars)
{
    if (nameOut && nameChars > 0)
        nameOut[0] = L'\0';
    CEOID contact = LinkedContact(database, key);
    if (contact == 0 || !ReadContactDisplayName(contact, nameOut, nameChars))
        return 0;
    return contact;
}

}  // namespace

int CreatePlanLinkDatabase()
{
    return CreateOwnDatabase(kPlanLinkDatabase, {kLinkContact, kLinkItem});
}

int CreateTaskLinkDatabase()
{
    return CreateOwnDatabase(kTaskLinkDatabase, {kLinkContact, kLinkItem});
}

int CreateNoteFileLinkDatabase()
{
    return CreateOwnDatabase(kNoteFileLinkDatabase, {kLinkContact, kLinkPath});
}

void AddPlanLink(CEOID contactOid, CEOID appointmentOid)
{
    WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), ItemKey(appointmentOid)});
}

void AddTaskLink(CEOID contactOid, CEOID taskOid)
{
    WriteNewOwnRecord(kTaskLinkDatabase, {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), ItemKey(taskOid)});
}

void AddNoteFileLink(CEOID contactOid, LPCWSTR path)
{
    WriteNewOwnRecord(kNoteFileLinkDatabase,
                      {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), TextValue(kLinkPath, path)});
}

void DeletePlanLink(CEOID appointmentOid) { DeleteFirstLink(kPlanLinkDatabase, ItemKey(appointmentOid)); }
void DeleteTaskLink(CEOID taskOid) { DeleteFirstLink(kTaskLinkDatabase, ItemKey(taskOid)); }
void DeleteNoteFileLink(LPCWSTR path) { DeleteFirstLink(kNoteFileLinkDatabase, TextValue(kLinkPath, path)); }

CEOID GetPlanLinkContact(CEOID appointmentOid, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kPlanLinkDatabase, ItemKey(appointmentOid), nameOut, nameChars);
}

CEOID GetTaskLinkContact(CEOID taskOid, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kTaskLinkDatabase, ItemKey(taskOid), nameOut, nameChars);
}

CEOID GetNoteFileLinkContact(LPCWSTR path, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kNoteFileLinkDatabase, TextValue(kLinkPath, path), nameOut, nameChars);
}

bool IsPlanLinkedToContact(CEOID contactOid, CEOID appointmentOid)
{
    CEOID linked = LinkedContact(kPlanLinkDatabase, ItemKey(appointmentOid));
    return linked != 0 && linked == contactOid;
}

bool IsTaskLinkedToContact(CEOID contactOid, CEOID taskOid)
{
    CEOID linked = LinkedContact(kTaskLinkDatabase, ItemKey(taskOid));
    return linked != 0 && linked == contactOid;
}

int32_t FindAnniversaryOfAppointment(CEOID appointmentOid)
{
    int32_t id = 0;
    CEPROPVAL key = I4Value(kAnniversaryAppointment, static_cast<int32_t>(appointmentOid));
    WithOwnDatabase(kAnniversaryDatabase, kAnniversaryAppointment, [&](HANDLE db) {
        OwnRecord read;
        if (SeekFirstEqual(db, key) != 0 && read.ReadCurrent(db))
            id = read.I4(kAnniversaryId);
    });
    return id;
}
