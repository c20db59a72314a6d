#include "core/link_tables.h"

#include "core/db_access.h"
#include "core/record_layouts.h"

CEPROPVAL LinkItemKey(CEOID itemOid)
{
    return I4Value(kLinkItem, static_cast<int32_t>(itemOid));
}

CEPROPVAL LinkPathKey(LPCWSTR path)
{
    return TextValue(kLinkPath, path);
}

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

namespace {

bool DeleteFirstLink(LPCWSTR database, const CEPROPVAL& key)
{
    bool deleted = true;
    WithOwnDatabase(database, key.propid, [&](HANDLE db) {
        CEOID record = SeekFirstEqual(db, key);
        if (record != 0)
            deleted = CeDeleteRecord(db, record) != FALSE;
    });
    return deleted;
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

bool AddPlanLink(CEOID contactOid, CEOID appointmentOid)
{
    return WriteNewOwnRecord(kPlanLinkDatabase,
                             {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), LinkItemKey(appointmentOid)}) != 0;
}

bool AddTaskLink(CEOID contactOid, CEOID taskOid)
{
    return WriteNewOwnRecord(kTaskLinkDatabase,
                             {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), LinkItemKey(taskOid)}) != 0;
}

bool AddNoteFileLink(CEOID contactOid, LPCWSTR path)
{
    return WriteNewOwnRecord(kNoteFileLinkDatabase,
                             {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), TextValue(kLinkPath, path)}) != 0;
}

bool DeletePlanLink(CEOID appointmentOid) { return DeleteFirstLink(kPlanLinkDatabase, LinkItemKey(appointmentOid)); }
bool DeleteTaskLink(CEOID taskOid) { return DeleteFirstLink(kTaskLinkDatabase, LinkItemKey(taskOid)); }
bool DeleteNoteFileLink(LPCWSTR path) { return DeleteFirstLink(kNoteFileLinkDatabase, LinkPathKey(path)); }

bool IsPlanLinkedToContact(CEOID contactOid, CEOID appointmentOid)
{
    CEOID linked = LinkedContact(kPlanLinkDatabase, LinkItemKey(appointmentOid));
    return linked != 0 && linked == contactOid;
}

bool IsTaskLinkedToContact(CEOID contactOid, CEOID taskOid)
{
    CEOID linked = LinkedContact(kTaskLinkDatabase, LinkItemKey(taskOid));
    return linked != 0 && linked == contactOid;
}

int32_t FindAnniversaryOfAppointment(CEOID appointmentOid)
{
    int32_t id = 0;
    WithAnniversaryTable([&](HANDLE db) { id = AnniversaryOfAppointmentIn(db, appointmentOid); });
    return id;
}

bool WithAnniversaryTable(const std::function<void(HANDLE database)>& work)
{
    return WithOwnDatabase(kAnniversaryDatabase, kAnniversaryAppointment, work);
}

int32_t AnniversaryOfAppointmentIn(HANDLE database, CEOID appointmentOid)
{
    OwnRecord read;
    CEPROPVAL key = I4Value(kAnniversaryAppointment, static_cast<int32_t>(appointmentOid));
    return SeekFirstEqual(database, key) != 0 && read.ReadCurrent(database) ? read.I4(kAnniversaryId) : 0;
}
