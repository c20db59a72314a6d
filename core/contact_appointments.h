// What goes with a deleted contact: the appointments linked to it.
#pragma once

#include "core/state.h"

// Deletes every appointment that a link record ties to the contact, with
// that link record; links of other contacts stay. A link whose appointment
// is already gone goes too; one whose appointment could not be deleted
// stays. False when any link of the contact is left.
bool DeleteContactAppointments(CEOID contactOid);
