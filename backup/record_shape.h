// Whether the fields of a backup file form whole records: each record of
// one kind only, ended by the kind's final field before the file ends; a
// contact, appointment or task begins at field 1. A contact's fields
// 100-114 and an appointment's exception and recipient fields (110-9998)
// come after the final field and belong to the record just ended. Fields
// of kinds outside 1-10 are skipped wherever they are.
//
// The file's last exception ends with its flag and its last recipient with
// the address, as they are written: a file that ends before either was cut.
#pragma once

#include "backup/backup_file.h"

// A field that follows the final field of its kind's record.
bool IsAfterField(BYTE kind, WORD id);

class RecordShape {
public:
    // Takes the next field; false when it breaks the shape. After a false
    // the file is damaged and the shape stays broken.
    bool Take(const BackupFieldHead& head);
    // Whether the field just taken ended a record that counts: every
    // contact, appointment, task and note; other kinds when their final
    // field has data.
    bool Counted() const { return counted_; }
    // At the end of the file: false when a record is still open.
    bool Finish();
    bool Broken() const { return broken_; }

private:
    bool Break();
    void TakeAfterField(WORD id);

    BYTE open_ = 0;      // the kind of the record under way, 0 between records
    BYTE trailing_ = 0;  // the kind whose after-fields may follow, 0 none
    bool counted_ = false;
    bool exceptionOpen_ = false;  // an exception without its flag yet
    bool recipientOpen_ = false;  // a recipient's name without its address
    bool broken_ = false;
};
