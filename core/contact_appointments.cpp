#include "core/contact_appointments.h"

#include "core/db_access.h"
#include "core/item_commands.h"
#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "core/record_layouts.h"

namespace {

// The appointment is gone, deleted now or before.
bool AppointmentGone(CEOID appointmentOid)
{
    return !AppointmentFromOid(appointmentOid) || DeleteOutlookAppointmentOnly(appointmentOid);
}

}  // namespace

bool DeleteContactAppointments(CEOID contactOid)
{
    int count = ReadSystemRecordCount(kPlanLinkDatabase);
    if (count <= 0)
        return true;
    bool allGone = true;
    // Each read moves on to the next record, so deleting the record just
    // read keeps the walk on course.
    WithOwnDatabase(
        kPlanLinkDatabase, kUnsorted,
        [&](HANDLE database) {
            for (int i = 0; i < count; ++i) {
                OwnRecord link;
                if (!link.ReadCurrent(database))
                    break;
                const CEPROPVAL* contact = link.Find(kLinkContact);
                if (!contact || static_cast<CEOID>(contact->val.lVal) != contactOid)
                    continue;
                if (!AppointmentGone(static_cast<CEOID>(link.I4(kLinkItem))) || !CeDeleteRecord(database, link.Oid()))
                    allGone = false;
            }
        },
        CEDB_AUTOINCREMENT);
    return allGone;
}
