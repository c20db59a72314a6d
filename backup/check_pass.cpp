#include "backup/check_pass.h"

#include "backup/backup_file.h"
#include "backup/item_build.h"
#include "backup/item_fields.h"
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

// The appointment that ended last, kept unsaved for the exceptions and
// recipients after its end: each occurrence is looked for and each value
// set as the restore sets them on the saved one.
struct CheckedSeries {
    ComRef<IAppointment> item;
    ComRef<IAppointment> occurrence;
    ComRef<IRecipient> recipient;
    uint32_t oldOid = 0;  // for the log
    void Release()
    {
        recipient.Reset();
        occurrence.Reset();
        item.Reset();
    }
};

// What the pass holds while it reads: the two collections new contacts and
// appointments are made in, the items under way and each own kind's values.
struct CheckState {
    ComRef<IPOutlookItemCollection> contacts;
    ItemBuild<IContact> contact;
    ItemBuild<IAppointment> appointment;
    ItemBuild<ITask> task;
    SeriesStart start;
    CheckedSeries series;
    // The counter record, which every backup holds first, was counted.
    bool counterSeen = false;
    OwnRowValues rows[KindAnniversaryText + 1];
};

CheckState* check = nullptr;

// A value the restore would be refused: the file is not restored, as the
// reset would already have emptied the diary when the replay met it.
void Refuse(const wchar_t* kind, uint32_t oldId, const wchar_t* what, WORD id, HRESULT result)
{
    NKDbgPrintfW(L"check: %s %lu: %s %u refused (0x%08lX)\r\n", kind, static_cast<unsigned long>(oldId), what, id,
                 static_cast<unsigned long>(result));
    BackupJob.damaged = true;
}

// Items are built at field 1 whatever its data, as the restore does, and
// released unsaved at their final field, where any value their setters
// refused is the file's fault.
template <class I>
void CheckItemField(ItemBuild<I>& build, ComRef<I> (*make)(), const wchar_t* kind, WORD id, const BYTE* data,
                    WORD length, WORD final)
{
    if (id == 1)
        build.Begin(make());
    if (id == final) {
        uint32_t oldId = DecodeUnsignedData(data, length);
        for (const FieldRefusal& refusal : build.Refusals())
            Refuse(kind, oldId, L"field", refusal.id, refusal.result);
        build.Release();
        return;
    }
    if (build.Active())
        build.Apply(id, data, length);
}

void CheckExceptionField(WORD id, const BYTE* data, WORD length)
{
    CheckedSeries& series = check->series;
    int part = ExceptionPartOf(id);
    if (part == kExceptionOriginalDate) {
        series.occurrence.Reset();
        ComRef<IRecurrencePattern> pattern;
        DATE start = 0;
        HRESULT result = E_FAIL;
        if (check->start.OccurrenceDate(data, length, &start) &&
            SUCCEEDED(result = series.item->GetRecurrencePattern(pattern.Out())) && pattern)
            result = pattern->GetOccurrence(start, series.occurrence.Out());
        if (FAILED(result) || !series.occurrence)
            Refuse(L"appointment", series.oldOid, L"no occurrence for exception field", id, result);
        return;
    }
    if (part == kExceptionDeleted) {
        series.occurrence.Reset();
        return;
    }
    if (!series.occurrence)
        return;
    HRESULT result = ApplyExceptionField(series.occurrence.Get(), part, data, length);
    if (FAILED(result))
        Refuse(L"appointment", series.oldOid, L"exception field", id, result);
}

void CheckRecipientField(WORD id, const BYTE* data, WORD length)
{
    CheckedSeries& series = check->series;
    series.occurrence.Reset();
    if (length == 0)
        return;
    HRESULT result = ApplyRecipientField(series.item.Get(), id, data, length, series.recipient);
    if (!IsRecipientName(id))
        series.recipient.Reset();
    if (FAILED(result))
        Refuse(L"appointment", series.oldOid, L"recipient field", id, result);
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
        if (IsBackupRecordKind(head.kind)) {
            if (!check->counterSeen && head.kind != KindIdCounter)
                break;
            if (!IsAfterField(head.kind, head.id))
                check->series.Release();
            kCheckAppliers[head.kind](head.id, input.Data(), head.length);
        }
        if (shape.Counted()) {
            check->counterSeen = true;
            ++BackupJob.recordTally;
            ShowBackupProgress(BackupJob.position + BackupJob.recordTally);
        }
    }
    if (read != FieldRead::End || !shape.Finish() || !check->counterSeen)
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
    state.series.Release();
    check = nullptr;
    return count;
}

void CheckContactField(WORD id, const BYTE* data, WORD length)
{
    // Fields 100-114 come after the record's end and set nothing here: an
    // unsaved item has no property form to set them on.
    if (IsAfterField(KindContact, id))
        return;
    CheckItemField(check->contact, NewCheckedContact, L"contact", id, data, length, kContactOidField);
}

void CheckAppointmentField(WORD id, const BYTE* data, WORD length)
{
    if (IsAfterField(KindAppointment, id)) {
        if (!check->series.item)
            return;
        if (id <= kLastExceptionField)
            CheckExceptionField(id, data, length);
        else
            CheckRecipientField(id, data, length);
        return;
    }
    check->start.Take(id, data, length);
    if (id == kItemOidField) {
        check->series.item = check->appointment.ItemRef();
        check->series.oldOid = DecodeUnsignedData(data, length);
    }
    CheckItemField(check->appointment, NewAppointmentItem, L"appointment", id, data, length, kItemOidField);
}

void CheckTaskField(WORD id, const BYTE* data, WORD length)
{
    CheckItemField(check->task, NewTaskItem, L"task", id, data, length, kItemOidField);
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
