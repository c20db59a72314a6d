// The field writers, one per encoding of the backup file: each writes the
// field head (kind, id, length) and the data.
#pragma once

#include "backup/backup_file.h"

void WriteDateField(BackupOutput& out, DATE value, WORD id, BYTE kind);
void WriteDateTimeField(BackupOutput& out, DATE value, WORD id, BYTE kind);
// A getter's string, cut to 4095 bytes; the string is freed.
void WriteBstrField(BackupOutput& out, BSTR value, WORD id, BYTE kind);
// A text of our own, cut to 1023 bytes.
void WriteTextField(BackupOutput& out, LPCWSTR text, WORD id, BYTE kind);
void WriteNumberField(BackupOutput& out, uint32_t value, WORD id, BYTE kind);
void WriteFlagField(BackupOutput& out, bool value, WORD id, BYTE kind);
// Ink of more than 65535 bytes cannot be held by a field: written empty.
void WriteInkField(BackupOutput& out, const BYTE* ink, size_t bytes, WORD id, BYTE kind);
void WriteBytesField(BackupOutput& out, const BYTE* data, size_t bytes, WORD id, BYTE kind);
