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

void DeleteFirstLink(LPCWSTR database, const CEPROPVAL& key)
{
    WithOwnDatabase(database, key.propid, [&](HANDLE db) {
        CEOID record = SeekFirstEqual(db, key);
        if (record != 0)
            CeDeleteRecord(db, record);
    });
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
    WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), LinkItemKey(appointmentOid)});
}

void AddTaskLink(CEOID contactOid, CEOID taskOid)
{
    WriteNewOwnRecord(kTaskLinkDatabase, {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), LinkItemKey(taskOid)});
}

void AddNoteFileLink(CEOID contactOid, LPCWSTR path)
{
    WriteNewOwnRecord(kNoteFileLinkDatabase,
                      {I4Value(kLinkContact, static_cast<int32_t>(contactOid)), TextValue(kLinkPath, path)});
}

void DeletePlanLink(CEOID appointmentOid) { DeleteFirstLink(kPlanLinkDatabase, LinkItemKey(appointmentOid)); }
void DeleteTaskLink(CEOID taskOid) { DeleteFirstLink(kTaskLinkDatabase, LinkItemKey(taskOid)); }
void DeleteNoteFileLink(LPCWSTR path) { DeleteFirstLink(kNoteFileLinkDatabase, LinkPathKey(path)); }

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
