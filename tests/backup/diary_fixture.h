// A diary on a device of its own for the backup tests: "\pim.vol" mounted
// as the main window mounts it, the diary's databases made, Pocket Outlook
// logged on; items and rows made as the program makes them; the passes run
// over a file in "\Temp"; and every database dumped for comparison.
#pragma once

#include "backup/outlook_access.h"
#include "platform/outlook/client_values.h"
#include "tests/backup/backup_bytes.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace backuptest {

using poomclient::Date;
using poomclient::Text;

// A backup file taken apart: its head's count and its fields in order.
struct ParsedField {
    uint8_t kind;
    uint16_t id;
    Bytes data;
    std::string Text() const { return std::string(data.begin(), data.end()); }
};
struct ParsedBackup {
    bool whole = false;  // the head was read and no field was cut
    uint16_t count = 0;
    std::vector<ParsedField> fields;
};
ParsedBackup ParseBackup(const Bytes& file);

// A record: the fields of one kind up to its final field, with the fields
// that follow the final field of a contact (100-114) or an appointment
// (110-9998).
struct ParsedRecord {
    uint8_t kind;
    std::vector<ParsedField> fields;
    const ParsedField* Find(uint16_t id) const;
    std::vector<uint16_t> Ids() const;
};
std::vector<ParsedRecord> RecordsOf(const ParsedBackup& backup);

class DiaryTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The device as after a hard reset: its volume made anew, so object ids
    // and record ids start again from the first.
    void FreshDevice();
};

constexpr wchar_t kBackupFilePath[] = L"\\Temp\\diary.qnb";

// The write pass into a file with its head; the file's bytes. ok tells
// whether the pass reported success.
Bytes BackUp(bool* ok = nullptr);
// The restore pass over the bytes; true when it was complete (as the
// progress dialog judges it).
bool Restore(const Bytes& file);

// Items made and saved through the object model; their ids.
CEOID SaveContact(const std::function<void(IContact*)>& fill);
CEOID SaveAppointment(const std::function<void(IAppointment*)>& fill);
CEOID SaveTask(const std::function<void(ITask*)>& fill);
// A saved item by its id (empty when it is not of that kind), and an
// item's recurrence pattern.
template <class I>
ComRef<I> ItemOf(CEOID oid, REFIID iid)
{
    ComRef<IDispatch> item;
    OutlookApp->GetItemFromOid(static_cast<long>(oid), item.Out());
    return ItemAs<I>(item.Get(), iid);
}
inline ComRef<IAppointment> AppointmentOf(CEOID oid) { return ItemOf<IAppointment>(oid, IID_IAppointment); }
template <class I>
ComRef<IRecurrencePattern> PatternOf(I* item)
{
    ComRef<IRecurrencePattern> pattern;
    item->GetRecurrencePattern(pattern.Out());
    return pattern;
}

// Properties of a saved contact's property form.
void SetContactProps(CEOID contact, std::vector<CEPROPVAL> values);
void SetContactPicture(CEOID contact, const Bytes& picture);

// A memo with that body, as the memo editor stores one.
void InsertNote(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title, CEOID contact,
                const Bytes& body);

// Every database of the diary's volume, one line per record (with its
// record id) and each property by id, type and value.
std::vector<std::wstring> DumpDiary();
// The records of one database as dump lines.
std::vector<std::wstring> DumpDatabase(const wchar_t* name);
// A dump line's values, without the database's name and the record id.
std::wstring RowValues(const std::wstring& line);

// Makes the stored record unreadable: its property bytes in the volume
// file replaced by a byte no reader decodes.
void SpoilRecord(CEOID record);

// Object ids and record counts straight from the stores.
std::vector<CEOID> ItemIds(int folder);
int RecordCount(const wchar_t* database);

}  // namespace backuptest
