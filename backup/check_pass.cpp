#include "backup/check_pass.h"

#include "backup/backup_file.h"
#include "backup/item_build.h"
#include "backup/own_rows.h"
#include "backup/progress.h"
#include "backup/record_shape.h"
#include "backup/state.h"

namespace {

using FieldApplier = void (*)(WORD id, const BYTE* data, WORD length);

const FieldApplier kCheckAppliers[] = {
    nullptr,
    CheckContactField,
    CheckAppointmentField,
    CheckPlanLinkField,
    CheckAnniversaryField,
    CheckIdCounterField,
    CheckTaskLinkField,
    CheckNoteField,
    CheckTaskField,
    CheckNoteFileLinkField,
    CheckAnniversaryTextField,
};

// What the pass holds while it reads: the two collections new contacts and
// appointments are made in, the items under way and each own kind's values.
struct CheckState {
    ComRef<IPOutlookItemCollection> contacts;
    ItemBuild<IContact> contact;
    ItemBuild<IAppointment> appointment;
    ItemBuild<ITask> task;
    OwnRowValues rows[KindAnniversaryText + 1];
};

CheckState* check = nullptr;

// Items are built at field 1 whatever its data, as the restore does, and
// released unsaved at their final field.
template <class I>
void CheckItemField(ItemBuild<I>& build, ComRef<I> (*make)(), WORD id, const BYTE* data, WORD length, WORD final)
{
    if (id == 1)
        build.Begin(make());
    if (id == final) {
        build.Release();
        return;
    }
    if (build.Active())
        build.Apply(id, data, length);
}

void KeepOwnField(BYTE kind, WORD id, const BYTE* data, WORD length)
{
    OwnRowValues& values = check->rows[kind];
    values.Keep(id, data, length);
    if (id == FinalFieldOf(kind))
        values.Clear();
}

ComRef<IContact> NewCheckedContact()
{
    return NewContactIn(check->contacts.Get());
}

bool ReadHead(HANDLE file, int* count)
{
    BYTE bytes[kBackupHeaderBytes];
    DWORD read = 0;
    BackupHeader header = {};
    if (!ReadFile(file, bytes, sizeof(bytes), &read, nullptr) || !DecodeBackupHeader(bytes, read, &header))
        return false;
    *count = header.recordCount;
    return true;
}

void CheckFields(HANDLE file)
{
    BackupInput input(file);
    RecordShape shape;
    BackupFieldHead head = {};
    FieldRead read;
    while ((read = input.Next(&head)) == FieldRead::Field) {
        if (!shape.Take(head))
            break;
        if (IsBackupRecordKind(head.kind))
            kCheckAppliers[head.kind](head.id, input.Data(), head.length);
        if (shape.Counted()) {
            ++BackupJob.recordTally;
            ShowBackupProgress(BackupJob.position + BackupJob.recordTally);
        }
    }
    if (read == FieldRead::ShortHead || read == FieldRead::ShortData || !shape.Finish())
        BackupJob.damaged = true;
}

}  // namespace

int CheckBackupFile(HANDLE file, bool readHeader)
{
    int count = -1;
    if (readHeader && !ReadHead(file, &count)) {
        BackupJob.damaged = true;
        return -1;
    }
    CheckState state;
    state.contacts = FolderItems(olFolderContacts);
    check = &state;
    CheckFields(file);
    check = nullptr;
    return count;
}

void CheckContactField(WORD id, const BYTE* data, WORD length)
{
    // Fields 100-114 come after the record's end and set nothing here: an
    // unsaved item has no property form to set them on.
    CheckItemField(check->contact, NewCheckedContact, id, data, length, kContactOidField);
}

void CheckAppointmentField(WORD id, const BYTE* data, WORD length)
{
    // Exception and recipient fields are only read: they need the saved item.
    CheckItemField(check->appointment, NewAppointmentItem, id, data, length, kItemOidField);
}

void CheckTaskField(WORD id, const BYTE* data, WORD length)
{
    CheckItemField(check->task, NewTaskItem, id, data, length, kItemOidField);
}

void CheckPlanLinkField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindPlanLink, id, data, length); }
void CheckAnniversaryField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindAnniversary, id, data, length); }
void CheckIdCounterField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindIdCounter, id, data, length); }
void CheckTaskLinkField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindTaskLink, id, data, length); }
void CheckNoteField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindNote, id, data, length); }
void CheckNoteFileLinkField(WORD id, const BYTE* data, WORD length) { KeepOwnField(KindNoteFileLink, id, data, length); }
void CheckAnniversaryTextField(WORD id, const BYTE* data, WORD length)
{
    KeepOwnField(KindAnniversaryText, id, data, length);
}
