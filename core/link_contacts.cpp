#include "core/link_tables.h"

#include "core/contact_names.h"
#include "core/db_access.h"
#include "core/record_layouts.h"

namespace {

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

CEOID GetPlanLinkContact(CEOID appointmentOid, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kPlanLinkDatabase, LinkItemKey(appointmentOid), nameOut, nameChars);
}

CEOID GetTaskLinkContact(CEOID taskOid, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kTaskLinkDatabase, LinkItemKey(taskOid), nameOut, nameChars);
}

CEOID GetNoteFileLinkContact(LPCWSTR path, LPWSTR nameOut, size_t nameChars)
{
    return LinkedContactWithName(kNoteFileLinkDatabase, LinkPathKey(path), nameOut, nameChars);
}
