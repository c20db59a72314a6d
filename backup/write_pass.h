// The backup's write pass: every record of the diary into a backup file
// whose head is already written, one progress step per record, then the
// check pass over what was written.
#pragma once

#include "backup/backup_file.h"

// Writes the records, puts the count written into the head and checks the
// file from its start. True when every write went, the check found the
// file whole and counted exactly the records written.
bool WriteBackupFile(HANDLE file);

// The one record of the id counters; counters that cannot be read are
// written above every id in use, so a restored diary never hands out an
// id twice.
void BackupIdCounterRecord(BackupOutput& out);

// Each walk below answers false when it read fewer records than the store
// holds (one could not be read): the backup has then failed.

// The rows of each own database, in storage order. A row whose final field
// would be empty (a link without its item, an anniversary text without
// text) cannot be restored and would fail the check: it is left out.
bool BackupPlanLinkRecords(BackupOutput& out);
bool BackupTaskLinkRecords(BackupOutput& out);
bool BackupNoteFileLinkRecords(BackupOutput& out);
bool BackupNoteRecords(BackupOutput& out);
bool BackupAnniversaryRecords(BackupOutput& out);
bool BackupAnniversaryTextRecords(BackupOutput& out);

// The Pocket Outlook items of each folder, in collection order.
bool BackupContacts(BackupOutput& out);
bool BackupAppointments(BackupOutput& out);
bool BackupTasks(BackupOutput& out);

// Exceptions of one appointment that the file can hold (their field ids
// must stay below the recipients'), and recipients.
constexpr int kMaxBackupExceptions = 89;
constexpr int kMaxBackupRecipients = 4500;
