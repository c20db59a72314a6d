#include "backup/write_pass.h"

#include "backup/check_pass.h"
#include "backup/field_writers.h"
#include "backup/item_fields.h"
#include "backup/outlook_access.h"
#include "backup/own_rows.h"
#include "backup/progress.h"
#include "backup/state.h"
#include "core/db_access.h"
#include "core/id_counters.h"
#include "core/outlook_probes.h"
#include "core/record_layouts.h"

#include <algorithm>
#include <vector>

namespace {

// One record written: counted, and one step of the bar.
void RecordWritten()
{
    ++BackupJob.recordsWritten;
    BackupProgressStep();
}

// The own row's value of a field as the file holds it; false when the row
// lacks the property (an empty note body is still written).
bool OwnFieldData(const OwnRecord& row, const OwnField& field, std::string* data)
{
    const CEPROPVAL* value = row.Find(field.property);
    data->clear();
    switch (field.encoding) {
    case OwnEncoding::Number:
        if (!value)
            return false;
        *data = EncodeNumberData(static_cast<uint32_t>(value->val.lVal));
        return true;
    case OwnEncoding::Text:
        if (!value || !value->val.lpwstr)
            return false;
        *data = EncodeTextData(value->val.lpwstr, wcslen(value->val.lpwstr), kMaxTextFieldBytes);
        return true;
    case OwnEncoding::Body:
        if (value && value->val.blob.lpb && value->val.blob.dwCount <= kMaxBackupFieldBytes)
            data->assign(reinterpret_cast<const char*>(value->val.blob.lpb), value->val.blob.dwCount);
        return true;
    }
    return false;
}

void WriteOwnRow(BackupOutput& out, const OwnRowKind& kind, const OwnRecord& row)
{
    const OwnField& final = kind.fields.back();
    std::string finalData;
    bool hasFinal = OwnFieldData(row, final, &finalData);
    if (!hasFinal || (finalData.empty() && final.encoding != OwnEncoding::Body)) {
        NKDbgPrintfW(L"backup: a row of %s without its final field left out\r\n", kind.database);
        BackupProgressStep();
        return;
    }
    std::string data;
    for (const OwnField& field : kind.fields.first(kind.fields.size() - 1)) {
        if (OwnFieldData(row, field, &data))
            out.Field(kind.kind, field.id, data.data(), data.size());
    }
    out.Field(kind.kind, final.id, finalData.data(), finalData.size());
    RecordWritten();
}

// Whether the records of a source read are all the store holds (a store
// without the database holds none); a record left unread would be missing
// from the file and deleted by its restore.
bool AllRecordsRead(const wchar_t* database, int held, uint32_t read)
{
    if (held < 0 || read == static_cast<uint32_t>(held))
        return true;
    NKDbgPrintfW(L"backup: %s: %lu of %d records read\r\n", database, static_cast<unsigned long>(read), held);
    return false;
}

bool BackupOwnRows(BackupOutput& out, BYTE kind)
{
    const OwnRowKind* rows = FindOwnRowKind(kind);
    const int held = ReadSystemRecordCount(rows->database);
    uint32_t read = 0;
    WithOwnDatabase(rows->database, kUnsorted, [&](HANDLE database) {
        OwnRecord row;
        DWORD index = 0;
        if (!row.ReadCurrent(database))
            return;
        do {
            ++read;
            WriteOwnRow(out, *rows, row);
        } while (CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index) != 0 && row.ReadCurrent(database));
    });
    return AllRecordsRead(rows->database, held, read);
}

// Visits items 1 .. count of a folder as the interface of its kind; false
// when fewer were visited than the folder's database holds.
template <class I, class Visit>
bool VisitFolder(int folder, const wchar_t* database, REFIID iid, Visit visit)
{
    const int held = ReadSystemRecordCount(database);
    uint32_t read = 0;
    ComRef<IPOutlookItemCollection> items = FolderItems(folder);
    int count = 0;
    if (items && SUCCEEDED(items->get_Count(&count))) {
        for (int i = 1; i <= count; ++i) {
            ComRef<IDispatch> item;
            if (FAILED(items->Item(i, item.Out())) || !item)
                continue;
            ComRef<I> typed = ItemAs<I>(item.Get(), iid);
            if (!typed)
                continue;
            ++read;
            visit(typed.Get());
        }
    }
    return AllRecordsRead(database, held, read);
}

void WriteContactPicture(BackupOutput& out, IItem* item)
{
    ComRef<IStream> stream;
    if (FAILED(item->OpenProperty(kContactPictureProperty, GENERIC_READ, stream.Out())) || !stream)
        return;
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER end = {};
    if (FAILED(stream->Seek(zero, STREAM_SEEK_END, &end)) || FAILED(stream->Seek(zero, STREAM_SEEK_SET, nullptr)))
        return;
    // A picture a field cannot hold is written empty.
    std::vector<BYTE> picture;
    if (end.QuadPart <= kMaxBackupFieldBytes) {
        picture.resize(static_cast<size_t>(end.QuadPart));
        ULONG read = 0;
        if (!picture.empty() && FAILED(stream->Read(picture.data(), static_cast<ULONG>(picture.size()), &read)))
            read = 0;
        picture.resize(read);
    }
    WriteBytesField(out, picture.data(), picture.size(), kContactPictureField, KindContact);
}

void WriteContactExtras(BackupOutput& out, uint32_t oid)
{
    ComRef<IItem> item = PropertyItemOf(oid);
    if (!item)
        return;
    WriteContactPicture(out, item.Get());
    std::vector<CEPROPID> ids;
    for (const ContactExtraField& field : ContactExtraFields())
        ids.push_back(field.property);
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    if (FAILED(item->GetProps(ids.data(), CEDB_ALLOWREALLOC, static_cast<WORD>(ids.size()), &values, &bytes, nullptr)) ||
        !values)
        return;
    for (size_t i = 0; i < ids.size(); ++i) {
        const CEPROPVAL& value = values[i];
        WORD id = ContactExtraFields()[i].id;
        if (value.wFlags & CEDB_PROPNOTFOUND)
            continue;
        if (TypeFromPropID(value.propid) == CEVT_LPWSTR)
            WriteTextField(out, value.val.lpwstr, id, KindContact);
        else if (value.val.ulVal != 0)
            WriteNumberField(out, value.val.ulVal, id, KindContact);
    }
    LocalFree(values);
}

std::wstring TextOf(HRESULT (STDMETHODCALLTYPE IAppointment::*get)(BSTR*), IAppointment* item)
{
    BSTR text = nullptr;
    if (FAILED((item->*get)(&text)))
        text = nullptr;
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

std::vector<BYTE> InkOf(IAppointment* item)
{
    BYTE* ink = nullptr;
    int bytes = 0;
    std::vector<BYTE> result;
    if (SUCCEEDED(item->get_BodyInk(&ink, &bytes)) && ink && bytes > 0)
        result.assign(ink, ink + bytes);
    if (ink)
        LocalFree(ink);
    return result;
}

void WriteChangedText(BackupOutput& out, const std::wstring& text, const std::wstring& series, WORD id)
{
    if (text != series) {
        BSTR value = SysAllocStringLen(text.c_str(), static_cast<UINT>(text.size()));
        WriteBstrField(out, value, id, KindAppointment);
    }
}

void WriteException(BackupOutput& out, IException* exception, int j, IAppointment* series)
{
    DATE original = 0;
    exception->get_OriginalDate(&original);
    WriteDateTimeField(out, original, ExceptionFieldId(j, kExceptionOriginalDate), KindAppointment);
    VARIANT_BOOL deleted = VARIANT_FALSE;
    ComRef<IAppointment> item;
    if ((SUCCEEDED(exception->get_Deleted(&deleted)) && deleted != VARIANT_FALSE) ||
        FAILED(exception->get_AppointmentItem(item.Out())) || !item) {
        // A deleted occurrence has no item; its flag says so, or it would
        // come back.
        WriteFlagField(out, true, ExceptionFieldId(j, kExceptionDeleted), KindAppointment);
        return;
    }
    WriteChangedText(out, TextOf(&IAppointment::get_Subject, item.Get()), TextOf(&IAppointment::get_Subject, series),
                     ExceptionFieldId(j, kExceptionSubject));
    WriteChangedText(out, TextOf(&IAppointment::get_Location, item.Get()),
                     TextOf(&IAppointment::get_Location, series), ExceptionFieldId(j, kExceptionLocation));
    DATE start = 0, end = 0;
    item->get_Start(&start);
    item->get_End(&end);
    WriteDateTimeField(out, start, ExceptionFieldId(j, kExceptionStart), KindAppointment);
    WriteDateTimeField(out, end, ExceptionFieldId(j, kExceptionEnd), KindAppointment);
    VARIANT_BOOL allDay = VARIANT_FALSE;
    item->get_AllDayEvent(&allDay);
    WriteFlagField(out, allDay != VARIANT_FALSE, ExceptionFieldId(j, kExceptionAllDay), KindAppointment);
    long busy = 0;
    item->get_BusyStatus(&busy);
    WriteNumberField(out, static_cast<uint32_t>(busy), ExceptionFieldId(j, kExceptionBusyStatus), KindAppointment);
    std::vector<BYTE> ink = InkOf(item.Get());
    if (ink != InkOf(series))
        WriteInkField(out, ink.data(), ink.size(), ExceptionFieldId(j, kExceptionInk), KindAppointment);
    WriteFlagField(out, false, ExceptionFieldId(j, kExceptionDeleted), KindAppointment);
}

void WriteExceptions(BackupOutput& out, IAppointment* item, IRecurrencePattern* pattern, uint32_t oid)
{
    ComRef<IExceptions> exceptions;
    int count = 0;
    if (FAILED(pattern->get_Exceptions(exceptions.Out())) || !exceptions || FAILED(exceptions->get_Count(&count)))
        return;
    if (count > kMaxBackupExceptions)
        NKDbgPrintfW(L"backup: appointment %lu: %d exceptions past the %dth left out\r\n",
                     static_cast<unsigned long>(oid), count - kMaxBackupExceptions, kMaxBackupExceptions);
    for (int j = 1; j <= std::min(count, kMaxBackupExceptions); ++j) {
        ComRef<IException> exception;
        if (SUCCEEDED(exceptions->Item(j, exception.Out())) && exception)
            WriteException(out, exception.Get(), j, item);
    }
}

void WriteRecipients(BackupOutput& out, IAppointment* item, uint32_t oid)
{
    ComRef<IRecipients> recipients;
    int count = 0;
    if (FAILED(item->get_Recipients(recipients.Out())) || !recipients || FAILED(recipients->get_Count(&count)))
        return;
    if (count > kMaxBackupRecipients)
        NKDbgPrintfW(L"backup: appointment %lu: %d recipients past the %dth left out\r\n",
                     static_cast<unsigned long>(oid), count - kMaxBackupRecipients, kMaxBackupRecipients);
    for (int j = 1; j <= std::min(count, kMaxBackupRecipients); ++j) {
        ComRef<IRecipient> recipient;
        if (FAILED(recipients->Item(j, recipient.Out())) || !recipient)
            continue;
        BSTR name = nullptr, address = nullptr;
        recipient->get_Name(&name);
        recipient->get_Address(&address);
        WriteBstrField(out, name, RecipientNameField(j), KindAppointment);
        WriteBstrField(out, address, RecipientAddressField(j), KindAppointment);
    }
}

// The pattern of a recurring item, else nothing.
template <class I>
ComRef<IRecurrencePattern> PatternIfRecurring(I* item)
{
    ComRef<IRecurrencePattern> pattern;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    if (SUCCEEDED(item->get_IsRecurring(&recurring)) && recurring != VARIANT_FALSE)
        item->GetRecurrencePattern(pattern.Out());
    return pattern;
}

}  // namespace

void BackupIdCounterRecord(BackupOutput& out)
{
    // What the next ids would be drawn from when the record is missing or
    // unreadable: above every id in use.
    int32_t counters[3] = {kFirstCounterValue,
                           std::max(kFirstCounterValue, LargestIdIn(kNoteDatabase, kNoteId)),
                           std::max(kFirstCounterValue, LargestIdIn(kAnniversaryDatabase, kAnniversaryId))};
    const CEPROPID properties[3] = {kCounterCarried, kCounterMemo, kCounterAnniversary};
    WithOwnDatabase(kIdCounterDatabase, kUnsorted, [&](HANDLE database) {
        OwnRecord row;
        DWORD index = 0;
        if (CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index) == 0 || !row.ReadCurrent(database))
            return;
        for (int i = 0; i < 3; ++i) {
            if (row.Find(properties[i]))
                counters[i] = row.I4(properties[i]);
        }
    });
    for (WORD i = 0; i < 3; ++i)
        WriteNumberField(out, static_cast<uint32_t>(counters[i]), static_cast<WORD>(i + 1), KindIdCounter);
    RecordWritten();
}

bool BackupPlanLinkRecords(BackupOutput& out) { return BackupOwnRows(out, KindPlanLink); }
bool BackupTaskLinkRecords(BackupOutput& out) { return BackupOwnRows(out, KindTaskLink); }
bool BackupNoteFileLinkRecords(BackupOutput& out) { return BackupOwnRows(out, KindNoteFileLink); }
bool BackupNoteRecords(BackupOutput& out) { return BackupOwnRows(out, KindNote); }
bool BackupAnniversaryRecords(BackupOutput& out) { return BackupOwnRows(out, KindAnniversary); }
bool BackupAnniversaryTextRecords(BackupOutput& out) { return BackupOwnRows(out, KindAnniversaryText); }

bool BackupContacts(BackupOutput& out)
{
    return VisitFolder<IContact>(olFolderContacts, kContactsDatabaseName, IID_IContact, [&](IContact* contact) {
        WriteItemFields(out, contact, ContactFields(), KindContact);
        uint32_t oid = OidOf(contact);
        WriteNumberField(out, oid, kContactOidField, KindContact);
        if (ContactExtraFieldsInBackup())
            WriteContactExtras(out, oid);
        RecordWritten();
    });
}

bool BackupAppointments(BackupOutput& out)
{
    return VisitFolder<IAppointment>(olFolderCalendar, kAppointmentsDatabaseName, IID_IAppointment,
                                     [&](IAppointment* appointment) {
        WriteItemFields(out, appointment, AppointmentFields(), KindAppointment);
        uint32_t oid = OidOf(appointment);
        ComRef<IRecurrencePattern> pattern = PatternIfRecurring(appointment);
        if (pattern)
            WriteItemFields(out, pattern.Get(), PatternFields(), KindAppointment);
        WriteNumberField(out, oid, kItemOidField, KindAppointment);
        if (pattern)
            WriteExceptions(out, appointment, pattern.Get(), oid);
        WriteRecipients(out, appointment, oid);
        RecordWritten();
    });
}

bool BackupTasks(BackupOutput& out)
{
    return VisitFolder<ITask>(olFolderTasks, kTasksDatabaseName, IID_ITask, [&](ITask* task) {
        WriteItemFields(out, task, TaskFields(), KindTask);
        ComRef<IRecurrencePattern> pattern = PatternIfRecurring(task);
        if (pattern)
            WriteItemFields(out, pattern.Get(), PatternFields(), KindTask);
        WriteNumberField(out, OidOf(task), kItemOidField, KindTask);
        RecordWritten();
    });
}

bool WriteBackupFile(HANDLE file)
{
    BackupJob.recordsWritten = 0;
    BackupOutput out(file);
    BackupIdCounterRecord(out);
    // Every source is walked even after one fell short, so that the log
    // names each.
    bool whole = true;
    for (bool (*backup)(BackupOutput&) : {BackupPlanLinkRecords, BackupTaskLinkRecords, BackupNoteFileLinkRecords,
                                          BackupNoteRecords, BackupAnniversaryRecords, BackupAnniversaryTextRecords,
                                          BackupContacts, BackupAppointments, BackupTasks}) {
        if (!backup(out))
            whole = false;
    }
    bool written = out.Finish() && whole;

    // The head was written with the count expected; it now gets the count
    // written, which rows left out may have lowered.
    BYTE head[kBackupHeaderBytes];
    EncodeBackupHeader(BackupJob.recordsWritten, head);
    DWORD done = 0;
    written = written && SetFilePointer(file, static_cast<LONG>(kBackupMagicBytes), nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
              WriteFile(file, head + kBackupMagicBytes, 2, &done, nullptr) && done == 2;

    BackupJob.recordTally = 0;
    BackupJob.damaged = false;
    if (!written || SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    int headCount = CheckBackupFile(file, true);
    return !BackupJob.damaged && headCount >= 0 &&
           RecordCountMatches(static_cast<uint16_t>(headCount), BackupJob.recordTally) &&
           BackupJob.recordTally == BackupJob.recordsWritten;
}
