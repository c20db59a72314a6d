// The check pass: the file read from its position to the end as the
// restore reads it, each item built and released unsaved, no row written,
// and the records that reach their counting field counted.
#pragma once

#include "platform/ce.h"

// Counts into BackupJob.recordTally (which the caller sets to 0) and moves
// the bar to position + tally at each record counted. Sets BackupJob.damaged
// when the file is cut short, a record is broken or left open, the counter
// record does not come first, or the restore would be refused a value (a
// setter's refusal, an exception whose occurrence the series does not
// have, a recipient): such a file is refused before anything is reset. With
// readHeader the head is read first; the result is its record count, or -1
// when it cannot be read (also without readHeader).
int CheckBackupFile(HANDLE file, bool readHeader);

// The appliers of each kind: (field id, data, length).
void CheckContactField(WORD id, const BYTE* data, WORD length);
void CheckAppointmentField(WORD id, const BYTE* data, WORD length);
void CheckPlanLinkField(WORD id, const BYTE* data, WORD length);
void CheckAnniversaryField(WORD id, const BYTE* data, WORD length);
void CheckIdCounterField(WORD id, const BYTE* data, WORD length);
void CheckTaskLinkField(WORD id, const BYTE* data, WORD length);
void CheckNoteField(WORD id, const BYTE* data, WORD length);
void CheckTaskField(WORD id, const BYTE* data, WORD length);
void CheckNoteFileLinkField(WORD id, const BYTE* data, WORD length);
void CheckAnniversaryTextField(WORD id, const BYTE* data, WORD length);
