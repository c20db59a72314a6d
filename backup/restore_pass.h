// The restore pass: the check pass first; then the diary's seven backed-up
// databases and the three Pocket Outlook stores emptied; then the file
// replayed field by field, own rows under the ids the file holds and each
// Pocket Outlook item re-keying the rows that name it once it is saved.
//
// Once the reset has begun there is no way back: a record that fails later
// is logged (its kind and old id) and the replay goes on, and the restore
// then reports failure. The same file restored again gives the whole
// backup, as every restore starts from empty stores.
#pragma once

#include "platform/ce.h"

// The file is positioned just behind its head and BackupJob.total holds the
// head's count + 10. The restore is complete when BackupJob.position ends at
// 2 x total - 10 with no failure (BackupJob.failures).
void RestoreFromBackupFile(HANDLE file);

// The appliers of each kind: (field id, data, length).
void RestoreContactField(WORD id, const BYTE* data, WORD length);
void RestoreAppointmentField(WORD id, const BYTE* data, WORD length);
void RestorePlanLinkField(WORD id, const BYTE* data, WORD length);
void RestoreAnniversaryField(WORD id, const BYTE* data, WORD length);
void RestoreIdCounterField(WORD id, const BYTE* data, WORD length);
void RestoreTaskLinkField(WORD id, const BYTE* data, WORD length);
void RestoreNoteField(WORD id, const BYTE* data, WORD length);
void RestoreTaskField(WORD id, const BYTE* data, WORD length);
void RestoreNoteFileLinkField(WORD id, const BYTE* data, WORD length);
void RestoreAnniversaryTextField(WORD id, const BYTE* data, WORD length);

// Deletes every item of a store, one at a time, until none is left; false
// when one could not be deleted.
bool DeleteAllOutlookContacts();
bool DeleteAllOutlookAppointments();
bool DeleteAllOutlookTasks();
