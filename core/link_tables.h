// Link tables: an appointment, a task or a Notes file tied to a contact.
// Lookups and deletes by item act on the first matching record in item
// order; adding never looks for an existing link.
#pragma once

#include "core/state.h"

#include <functional>

int CreatePlanLinkDatabase();
int CreateTaskLinkDatabase();
int CreateNoteFileLinkDatabase();

// False when the link was not written.
bool AddPlanLink(CEOID contactOid, CEOID appointmentOid);
bool AddTaskLink(CEOID contactOid, CEOID taskOid);
bool AddNoteFileLink(CEOID contactOid, LPCWSTR path);

// False when a link was found and could not be deleted; no link (or no
// database) is nothing to delete.
bool DeletePlanLink(CEOID appointmentOid);
bool DeleteTaskLink(CEOID taskOid);
bool DeleteNoteFileLink(LPCWSTR path);

// The key of a link by its item (or Notes file path), and the contact of the first link with
// that key (0 when none); no Pocket Outlook work.
CEPROPVAL LinkItemKey(CEOID itemOid);
CEPROPVAL LinkPathKey(LPCWSTR path);
CEOID LinkedContact(LPCWSTR database, const CEPROPVAL& key);

// The linked contact's object id and its display name (last name followed
// directly by first name) cut to nameChars; 0 and the empty text when there
// is no link, the link names contact 0 or the contact is gone.
CEOID GetPlanLinkContact(CEOID appointmentOid, LPWSTR nameOut, size_t nameChars);
CEOID GetTaskLinkContact(CEOID taskOid, LPWSTR nameOut, size_t nameChars);
CEOID GetNoteFileLinkContact(LPCWSTR path, LPWSTR nameOut, size_t nameChars);

// True when the item's link names this (non-zero) contact.
bool IsPlanLinkedToContact(CEOID contactOid, CEOID appointmentOid);
bool IsTaskLinkedToContact(CEOID contactOid, CEOID taskOid);

// The id of the anniversary that the appointment mirrors, 0 when none.
int32_t FindAnniversaryOfAppointment(CEOID appointmentOid);

// The same for many appointments with one open: the anniversary table
// opened sorted on the mirrored appointment, and the lookup in it.
bool WithAnniversaryTable(const std::function<void(HANDLE database)>& work);
int32_t AnniversaryOfAppointmentIn(HANDLE database, CEOID appointmentOid);
