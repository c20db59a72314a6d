#include "backup/restore_pass.h"

#include "backup/backup_file.h"
#include "backup/check_pass.h"
#include "backup/item_build.h"
#include "backup/item_fields.h"
#include "backup/own_rows.h"
#include "backup/progress.h"
#include "backup/record_shape.h"
#include "backup/rekey.h"
#include "backup/state.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"

#include <vector>

namespace {

using FieldApplier = void (*)(WORD id, const BYTE* data, WORD length);

const FieldApplier kRestoreAppliers[] = {
    nullptr,
    RestoreContactField,
    RestoreAppointmentField,
    RestorePlanLinkField,
    RestoreAnniversaryField,
    RestoreIdCounterField,
    RestoreTaskLinkField,
    RestoreNoteField,
    RestoreTaskField,
    RestoreNoteFileLinkField,
    RestoreAnniversaryTextField,
};

// ---- failures ----------------------------------------------------------------------

void ReportFailure(const wchar_t* kind, uint32_t oldId, const wchar_t* what, HRESULT result)
{
    NKDbgPrintfW(L"restore: %s %lu: %s (0x%08lX)\r\n", kind, static_cast<unsigned long>(oldId), what,
                 static_cast<unsigned long>(result));
    ++BackupJob.failures;
}

template <class I>
void ReportRefusals(const ItemBuild<I>& build, const wchar_t* kind, uint32_t oldId)
{
    wchar_t what[48];
    for (const FieldRefusal& refusal : build.Refusals()) {
        _snwprintf(what, ARRAYSIZE(what), L"field %u refused", refusal.id);
        what[ARRAYSIZE(what) - 1] = L'\0';
        ReportFailure(kind, oldId, what, refusal.result);
    }
}

// ---- store batches ----------------------------------------------------------------

// The restore's writes reach the store in transactions of about this many
// records (or deleted items): a restore killed part way loses at most the
// one under way, and the next run starts over from the reset anyway.
constexpr uint32_t kRecordsPerBatch = 100;

bool batchOpen = false;
uint32_t deletedItems = 0;
uint32_t batchBegan = 0;  // records done and items deleted when it began

uint32_t RecordsDone()
{
    return BackupJob.position + deletedItems;
}

void BeginRestoreBatch()
{
    batchOpen = CeStoreBeginBatch(&DiaryVolume) != FALSE;
    batchBegan = RecordsDone();
    // Without a batch every write commits on its own: slower, no less whole.
    if (!batchOpen)
        NKDbgPrintfW(L"restore: writes not batched (error %lu)\r\n", GetLastError());
}

void EndRestoreBatch()
{
    if (batchOpen && !CeStoreEndBatch(&DiaryVolume)) {
        NKDbgPrintfW(L"restore: a batch of records not stored (error %lu)\r\n", GetLastError());
        ++BackupJob.failures;
    }
    batchOpen = false;
}

// Between records: a batch that holds enough is committed and another begun.
void NextBatchWhenFull()
{
    if (batchOpen && RecordsDone() - batchBegan >= kRecordsPerBatch) {
        EndRestoreBatch();
        BeginRestoreBatch();
    }
}

// ---- what the replay holds ----------------------------------------------------------

// The fields after an item's final field: a contact's further properties,
// set on the saved contact and stored once they have all come; an
// appointment's exceptions (one occurrence at a time) and recipients.
struct AfterFields {
    // Contact: the saved contact in its property form.
    ComRef<IItem> contact;
    // Appointment: the series reopened for the current exception or
    // recipient.
    ComRef<IAppointment> exceptionSeries;
    ComRef<IRecurrencePattern> exceptionPattern;
    ComRef<IAppointment> occurrence;
    ComRef<IAppointment> recipientSeries;
    ComRef<IRecipient> recipient;
};

struct RestoreState {
    ComRef<IPOutlookItemCollection> contacts;
    ItemBuild<IContact> contact;
    ItemBuild<IAppointment> appointment;
    ItemBuild<ITask> task;
    // The item record that ended last: its id in the file and its new id
    // (0 when it was not saved).
    uint32_t oldOid = 0;
    uint32_t newOid = 0;
    // The start of the appointment under way, for finding its occurrences.
    SeriesStart start;
    AfterFields after;
    OwnRowValues rows[KindAnniversaryText + 1];
};

RestoreState* replay = nullptr;

// Stores what a run of after-fields changed and lets go of it.
template <class I>
void SaveAfterFields(ComRef<I>& item, const wchar_t* kind, const wchar_t* what)
{
    if (item) {
        HRESULT saved = item->Save();
        if (FAILED(saved))
            ReportFailure(kind, replay->oldOid, what, saved);
    }
    item.Reset();
}

void EndException()
{
    AfterFields& after = replay->after;
    SaveAfterFields(after.occurrence, L"appointment", L"exception not saved");
    after.exceptionPattern.Reset();
    after.exceptionSeries.Reset();
}

void EndRecipient()
{
    AfterFields& after = replay->after;
    after.recipient.Reset();
    SaveAfterFields(after.recipientSeries, L"appointment", L"recipient not saved");
}

void EndContactExtras()
{
    SaveAfterFields(replay->after.contact, L"contact", L"further properties not saved");
}

// Whatever the fields after the last item's end left open is stored.
void EndAfterFields()
{
    EndContactExtras();
    EndException();
    EndRecipient();
}

// ---- Pocket Outlook records -----------------------------------------------------------

// The end of an item's record: stored, its new id read and the rows that
// name its old id moved; one step whatever happened.
template <class I>
void EndItemRecord(ItemBuild<I>& build, const wchar_t* kind, const BYTE* data, WORD length,
                   bool (*const* rekeys)(CEOID, CEOID), size_t rekeyCount)
{
    replay->oldOid = DecodeUnsignedData(data, length);
    replay->newOid = 0;
    if (!build.Made()) {
        ReportFailure(kind, replay->oldOid, L"not made", E_FAIL);
    } else {
        ReportRefusals(build, kind, replay->oldOid);
        HRESULT saved = build.Item()->Save();
        if (FAILED(saved)) {
            ReportFailure(kind, replay->oldOid, L"not saved", saved);
        } else {
            replay->newOid = OidOf(build.Item());
            if (replay->newOid == 0)
                ReportFailure(kind, replay->oldOid, L"saved without an id", E_FAIL);
            for (size_t i = 0; replay->newOid != 0 && i < rekeyCount; ++i) {
                if (!rekeys[i](replay->oldOid, replay->newOid))
                    ReportFailure(kind, replay->oldOid, L"rows not moved to its new id", E_FAIL);
            }
        }
    }
    build.Release();
    BackupProgressStep();
}

template <class I>
void RestoreItemField(ItemBuild<I>& build, ComRef<I> made, WORD id, const BYTE* data, WORD length)
{
    if (id == 1)
        build.Begin(std::move(made));
    if (build.Active())
        build.Apply(id, data, length);
}

void SetContactExtra(WORD id, const BYTE* data, WORD length)
{
    AfterFields& after = replay->after;
    if (!after.contact) {
        after.contact = PropertyItemOf(replay->newOid);
        if (!after.contact) {
            ReportFailure(L"contact", replay->oldOid, L"not found for its further properties", E_FAIL);
            return;
        }
    }
    HRESULT result = S_OK;
    if (id == kContactPictureField) {
        ComRef<IStream> stream;
        ULARGE_INTEGER size = {};
        size.QuadPart = length;
        ULONG written = 0;
        result = after.contact->OpenProperty(kContactPictureProperty, GENERIC_WRITE, stream.Out());
        if (SUCCEEDED(result))
            result = stream->SetSize(size);
        if (SUCCEEDED(result))
            result = stream->Write(data, length, &written);
        if (SUCCEEDED(result))
            result = stream->Commit(0);
    } else {
        for (const ContactExtraField& field : ContactExtraFields()) {
            if (field.id != id)
                continue;
            std::wstring text;
            CEPROPVAL value = {};
            value.propid = field.property;
            if (TypeFromPropID(field.property) == CEVT_LPWSTR) {
                text = DecodeTextData(data, length);
                value.val.lpwstr = text.data();
            } else {
                value.val.ulVal = DecodeUnsignedData(data, length);
            }
            result = after.contact->SetProps(0, 1, &value);
        }
    }
    if (FAILED(result)) {
        wchar_t what[48];
        _snwprintf(what, ARRAYSIZE(what), L"field %u refused", id);
        what[ARRAYSIZE(what) - 1] = L'\0';
        ReportFailure(L"contact", replay->oldOid, what, result);
    }
}

void OpenException(const BYTE* data, WORD length)
{
    EndException();
    AfterFields& after = replay->after;
    DATE start = 0;
    ComRef<IDispatch> series;
    HRESULT result = E_FAIL;
    if (replay->start.OccurrenceDate(data, length, &start) &&
        SUCCEEDED(result = OutlookApp->GetItemFromOid(static_cast<long>(replay->newOid), series.Out()))) {
        after.exceptionSeries = ItemAs<IAppointment>(series.Get(), IID_IAppointment);
        if (after.exceptionSeries)
            result = after.exceptionSeries->GetRecurrencePattern(after.exceptionPattern.Out());
        if (SUCCEEDED(result) && after.exceptionPattern)
            result = after.exceptionPattern->GetOccurrence(start, after.occurrence.Out());
    }
    if (FAILED(result) || !after.occurrence)
        ReportFailure(L"appointment", replay->oldOid, L"occurrence of an exception not found", result);
}

void EndExceptionWithFlag(const BYTE* data, WORD length)
{
    AfterFields& after = replay->after;
    if (after.occurrence && DecodeFlagData(data, length)) {
        HRESULT deleted = after.occurrence->Delete();
        if (FAILED(deleted))
            ReportFailure(L"appointment", replay->oldOid, L"occurrence not deleted", deleted);
    }
    EndException();
}

void RestoreExceptionField(WORD id, const BYTE* data, WORD length)
{
    int part = ExceptionPartOf(id);
    if (part == kExceptionOriginalDate) {
        OpenException(data, length);
        return;
    }
    if (part == kExceptionDeleted) {
        EndExceptionWithFlag(data, length);
        return;
    }
    IAppointment* occurrence = replay->after.occurrence.Get();
    if (!occurrence)
        return;
    HRESULT result = ApplyExceptionField(occurrence, part, data, length);
    if (FAILED(result))
        ReportFailure(L"appointment", replay->oldOid, L"exception field refused", result);
}

void RestoreRecipientField(WORD id, const BYTE* data, WORD length)
{
    AfterFields& after = replay->after;
    EndException();
    if (length == 0)
        return;
    if (IsRecipientName(id)) {
        EndRecipient();
        ComRef<IDispatch> series;
        if (SUCCEEDED(OutlookApp->GetItemFromOid(static_cast<long>(replay->newOid), series.Out())))
            after.recipientSeries = ItemAs<IAppointment>(series.Get(), IID_IAppointment);
    }
    // An address without its name is nothing to add.
    bool completes = !IsRecipientName(id) && after.recipient;
    HRESULT result = ApplyRecipientField(after.recipientSeries.Get(), id, data, length, after.recipient);
    if (completes && SUCCEEDED(result))
        EndRecipient();
    if (FAILED(result))
        ReportFailure(L"appointment", replay->oldOid, L"recipient refused", result);
}

// ---- own rows ------------------------------------------------------------------------------------

bool WritePlanLinkRow(const OwnRowValues& row)
{
    return AddPlanLink(row.Number(1), row.Number(2));
}

bool WriteTaskLinkRow(const OwnRowValues& row)
{
    return AddTaskLink(row.Number(1), row.Number(2));
}

bool WriteNoteFileLinkRow(const OwnRowValues& row)
{
    return AddNoteFileLink(row.Number(1), row.Text(2).c_str());
}

// The memo's body goes through the shared body buffer; whatever the buffer
// and the pending contact held before is theirs again afterwards.
bool WriteNoteRow(const OwnRowValues& row)
{
    const std::string& body = row.Data(6);
    RichInkBuffer held = RichInkBody;
    CEOID assignee = AssigneeOid;
    RichInkBody = RichInkBuffer{0, nullptr};
    bool ok = SetRichInkBody(body.data(), static_cast<DWORD>(body.size()));
    std::wstring category = row.Text(2);
    if (ok)
        ok = InsertNoteRecord(static_cast<int32_t>(row.Number(1)), row.Text(5).c_str(), category.data(),
                              row.Text(3).c_str(), row.Number(4));
    FreeRichInkBody();
    RichInkBody = held;
    AssigneeOid = assignee;
    return ok;
}

bool WriteAnniversaryRow(const OwnRowValues& row)
{
    // The time buffer takes the default "10:00" when the time is empty.
    std::wstring time = row.Text(12);
    std::vector<wchar_t> timeBuffer(std::max<size_t>(time.size() + 1, 6), L'\0');
    std::copy(time.begin(), time.end(), timeBuffer.begin());
    return InsertAnniversaryRecord(static_cast<int32_t>(row.Number(1)), row.Text(2).c_str(), row.Letter(3),
                                   row.Text(4).c_str(), row.Letter(8), row.Letter(9), row.Letter(10),
                                   static_cast<int32_t>(row.Number(11)), timeBuffer.data(), row.Text(5).c_str(),
                                   row.Text(6).c_str(), row.Text(7).c_str(), row.Number(13), L"");
}

bool WriteAnniversaryTextRow(const OwnRowValues& row)
{
    return InsertAnniversaryText(static_cast<int32_t>(row.Number(1)), row.Text(2).c_str());
}

bool WriteIdCounterRow(const OwnRowValues& row)
{
    return InsertIdCounterRecord(static_cast<int32_t>(row.Number(1)), static_cast<int32_t>(row.Number(2)),
                                 static_cast<int32_t>(row.Number(3)));
}

struct OwnRowWriter {
    BYTE kind;
    const wchar_t* name;  // for the log
    bool (*write)(const OwnRowValues& row);
};

const OwnRowWriter kOwnRowWriters[] = {
    {KindPlanLink, L"plan link of contact", WritePlanLinkRow},
    {KindTaskLink, L"task link of contact", WriteTaskLinkRow},
    {KindNoteFileLink, L"note file link of contact", WriteNoteFileLinkRow},
    {KindNote, L"memo", WriteNoteRow},
    {KindAnniversary, L"anniversary", WriteAnniversaryRow},
    {KindAnniversaryText, L"anniversary text", WriteAnniversaryTextRow},
    {KindIdCounter, L"id counters", WriteIdCounterRow},
};

// Keeps the fields of an own row; at its final field the row is written
// with the ids as the file holds them (one step), unless the final field
// is empty (a note excepted), which leaves the row and its step out.
void RestoreOwnField(BYTE kind, WORD id, const BYTE* data, WORD length)
{
    OwnRowValues& values = replay->rows[kind];
    values.Keep(id, data, length);
    if (id != FinalFieldOf(kind))
        return;
    if (length > 0 || kind == KindNote) {
        for (const OwnRowWriter& writer : kOwnRowWriters) {
            if (writer.kind == kind && !writer.write(values))
                ReportFailure(writer.name, values.Number(1), L"row not written", E_FAIL);
        }
        BackupProgressStep();
    }
    values.Clear();
}

// ---- the reset ------------------------------------------------------------------------

bool ResetDatabase(int (*drop)(), int (*create)())
{
    // -1: there was none to drop.
    return drop() != 0 && create() == 1;
}

struct ResetStep {
    const wchar_t* name;
    bool (*run)();
    bool dropsDatabase;  // run outside any batch
};

const ResetStep kResetSteps[kRestoreResetSteps] = {
    {L"QuillonEnv", [] { return ResetDatabase(DropIdCounterDatabase, CreateIdCounterDatabase); }, true},
    {L"QuillonMemo", [] { return ResetDatabase(DropAnniversaryDatabase, CreateAnniversaryDatabase); }, true},
    {L"QuillonMemo2", [] { return ResetDatabase(DropAnniversaryTextDatabase, CreateAnniversaryTextDatabase); }, true},
    {L"QuillonPlan", [] { return ResetDatabase(DropPlanLinkDatabase, CreatePlanLinkDatabase); }, true},
    {L"QuillonTask", [] { return ResetDatabase(DropTaskLinkDatabase, CreateTaskLinkDatabase); }, true},
    {L"QuillonNoteOutlook", [] { return ResetDatabase(DropNoteFileLinkDatabase, CreateNoteFileLinkDatabase); }, true},
    {L"QuillonNote", [] { return ResetDatabase(DropNoteDatabase, CreateNoteDatabase); }, true},
    {L"contacts", DeleteAllOutlookContacts, false},
    {L"appointments", DeleteAllOutlookAppointments, false},
    {L"tasks", DeleteAllOutlookTasks, false},
};

template <class I>
bool DeleteAllItems(int folder, REFIID iid, const wchar_t* name)
{
    ComRef<IPOutlookItemCollection> items = FolderItems(folder);
    int count = 0;
    int before = -1;
    HRESULT result = items ? items->get_Count(&count) : E_FAIL;
    while (SUCCEEDED(result) && count > 0 && count != before) {
        before = count;
        ComRef<IDispatch> item;
        result = items->Item(1, item.Out());
        ComRef<I> typed = ItemAs<I>(item.Get(), iid);
        if (SUCCEEDED(result))
            result = typed ? typed->Delete() : E_NOINTERFACE;
        if (SUCCEEDED(result)) {
            ++deletedItems;
            NextBatchWhenFull();
            result = items->get_Count(&count);
        }
    }
    if (SUCCEEDED(result) && count == 0)
        return true;
    NKDbgPrintfW(L"restore: %d %s left undeleted (0x%08lX)\r\n", count, name, static_cast<unsigned long>(result));
    return false;
}

void ResetDiary()
{
    for (const ResetStep& step : kResetSteps) {
        if (step.dropsDatabase)
            EndRestoreBatch();
        else if (!batchOpen)
            BeginRestoreBatch();
        if (!step.run()) {
            NKDbgPrintfW(L"restore: %s not emptied\r\n", step.name);
            ++BackupJob.failures;
        }
        BackupProgressStep();
    }
}

void ReplayFields(HANDLE file)
{
    BackupInput input(file);
    BackupFieldHead head = {};
    FieldRead read;
    while ((read = input.Next(&head)) == FieldRead::Field) {
        if (!IsBackupRecordKind(head.kind))
            continue;
        if (!IsAfterField(head.kind, head.id)) {
            EndAfterFields();
            NextBatchWhenFull();
        }
        kRestoreAppliers[head.kind](head.id, input.Data(), head.length);
    }
    EndAfterFields();
    if (read != FieldRead::End) {
        NKDbgPrintfW(L"restore: the file ended inside a field\r\n");
        ++BackupJob.failures;
    }
}

}  // namespace

bool DeleteAllOutlookContacts()
{
    return DeleteAllItems<IContact>(olFolderContacts, IID_IContact, L"contacts");
}

bool DeleteAllOutlookAppointments()
{
    return DeleteAllItems<IAppointment>(olFolderCalendar, IID_IAppointment, L"appointments");
}

bool DeleteAllOutlookTasks()
{
    return DeleteAllItems<ITask>(olFolderTasks, IID_ITask, L"tasks");
}

void RestoreFromBackupFile(HANDLE file)
{
    BackupJob.recordTally = 0;
    BackupJob.damaged = false;
    BackupJob.failures = 0;
    CheckBackupFile(file, false);
    uint16_t headCount = static_cast<uint16_t>(BackupJob.total - kRestoreResetSteps);
    if (BackupJob.damaged || !RecordCountMatches(headCount, BackupJob.recordTally)) {
        NKDbgPrintfW(L"restore: the file is %s (%lu records counted, %u in its head); nothing changed\r\n",
                     BackupJob.damaged ? L"damaged" : L"incomplete", static_cast<unsigned long>(BackupJob.recordTally),
                     headCount);
        return;
    }
    // The head keeps 16 bits of the count; the file's own count stands.
    BackupJob.total = BackupJob.recordTally + kRestoreResetSteps;
    SetBackupProgressRange(2 * BackupJob.total - kRestoreResetSteps);
    BackupJob.position = BackupJob.recordTally;
    ShowBackupProgress(BackupJob.position);

    deletedItems = 0;
    ResetDiary();
    if (!batchOpen)
        BeginRestoreBatch();
    BeginRekeying();
    KeepRekeyingTablesOpen(true);
    RestoreState state;
    state.contacts = FolderItems(olFolderContacts);
    replay = &state;
    if (SetFilePointer(file, static_cast<LONG>(kBackupHeaderBytes), nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        ++BackupJob.failures;
    else
        ReplayFields(file);
    replay = nullptr;
    KeepRekeyingTablesOpen(false);
    // Everything is stored, and seen by every process, before the restore reports.
    EndRestoreBatch();
}

void RestoreContactField(WORD id, const BYTE* data, WORD length)
{
    if (IsAfterField(KindContact, id)) {
        if (ContactExtraFieldsInBackup() && length > 0 && replay->newOid != 0)
            SetContactExtra(id, data, length);
        return;
    }
    if (id == kContactOidField) {
        static bool (*const rekeys[])(CEOID, CEOID) = {RekeyPlanLinksOfContact, RekeyTaskLinksOfContact,
                                                        RekeyNoteFileLinksOfContact, RekeyNotesOfContact};
        EndItemRecord(replay->contact, L"contact", data, length, rekeys, ARRAYSIZE(rekeys));
        return;
    }
    RestoreItemField(replay->contact, id == 1 ? NewContactIn(replay->contacts.Get()) : ComRef<IContact>(), id, data,
                     length);
}

void RestoreAppointmentField(WORD id, const BYTE* data, WORD length)
{
    if (id >= kFirstExceptionField && id <= kLastExceptionField) {
        if (replay->newOid != 0)
            RestoreExceptionField(id, data, length);
        return;
    }
    if (id >= kFirstRecipientField && id <= kLastRecipientField) {
        if (replay->newOid != 0)
            RestoreRecipientField(id, data, length);
        return;
    }
    if (id == kItemOidField) {
        static bool (*const rekeys[])(CEOID, CEOID) = {RekeyPlanLinkOfAppointment, RekeyAnniversaryOfAppointment};
        EndItemRecord(replay->appointment, L"appointment", data, length, rekeys, ARRAYSIZE(rekeys));
        return;
    }
    replay->start.Take(id, data, length);
    RestoreItemField(replay->appointment, id == 1 ? NewAppointmentItem() : ComRef<IAppointment>(), id, data, length);
}

void RestoreTaskField(WORD id, const BYTE* data, WORD length)
{
    if (id == kItemOidField) {
        static bool (*const rekeys[])(CEOID, CEOID) = {RekeyTaskLinkOfTask};
        EndItemRecord(replay->task, L"task", data, length, rekeys, ARRAYSIZE(rekeys));
        return;
    }
    if (id > kItemOidField)
        return;
    RestoreItemField(replay->task, id == 1 ? NewTaskItem() : ComRef<ITask>(), id, data, length);
}

void RestorePlanLinkField(WORD id, const BYTE* data, WORD length) { RestoreOwnField(KindPlanLink, id, data, length); }
void RestoreAnniversaryField(WORD id, const BYTE* data, WORD length)
{
    RestoreOwnField(KindAnniversary, id, data, length);
}
void RestoreIdCounterField(WORD id, const BYTE* data, WORD length) { RestoreOwnField(KindIdCounter, id, data, length); }
void RestoreTaskLinkField(WORD id, const BYTE* data, WORD length) { RestoreOwnField(KindTaskLink, id, data, length); }
void RestoreNoteField(WORD id, const BYTE* data, WORD length) { RestoreOwnField(KindNote, id, data, length); }
void RestoreNoteFileLinkField(WORD id, const BYTE* data, WORD length)
{
    RestoreOwnField(KindNoteFileLink, id, data, length);
}
void RestoreAnniversaryTextField(WORD id, const BYTE* data, WORD length)
{
    RestoreOwnField(KindAnniversaryText, id, data, length);
}
