// Moving the diary's own rows from the object id an item had in the backup
// to the one its restore gave it. The restore writes the rows first, under
// the old ids, and calls these as each item is saved.
//
// A new id can equal the old id of an item restored later (a device after
// a hard reset numbers its items anew), so each row's property is moved at
// most once per restore: every row that names the old id and was not moved
// yet is rewritten in place, by its record id, keeping the rows' order.
#pragma once

#include "platform/ce.h"

// Forgets the rows moved so far; the restore calls it before its replay.
void BeginRekeying();
// While kept, the databases re-keying reads and writes stay open between
// calls (a restore's replay, where no database is dropped); false closes them.
void KeepRekeyingTablesOpen(bool keep);

// Each answers false when a row could not be read, rewritten or deleted.
// An old id of 0 names no item: nothing is moved.

// Links and memos of a contact: the contact id of every such row.
bool RekeyPlanLinksOfContact(CEOID oldOid, CEOID newOid);
bool RekeyTaskLinksOfContact(CEOID oldOid, CEOID newOid);
bool RekeyNoteFileLinksOfContact(CEOID oldOid, CEOID newOid);
// Memos of a contact also take new memo ids, drawn from the id counters.
bool RekeyNotesOfContact(CEOID oldOid, CEOID newOid);

// Links of an item: the item id of every such row; a row that links the
// item to no contact (0) is dropped.
bool RekeyPlanLinkOfAppointment(CEOID oldOid, CEOID newOid);
bool RekeyTaskLinkOfTask(CEOID oldOid, CEOID newOid);
// The anniversary mirrored by an appointment names the new appointment.
bool RekeyAnniversaryOfAppointment(CEOID oldOid, CEOID newOid);
