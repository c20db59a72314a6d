// The diary backup file: a 25-byte head (the magic and a 16-bit record
// count, high byte first) and then fields up to the end of the file, each a
// kind byte, a 16-bit field id and a 16-bit length (high bytes first) and
// that many bytes of data. A record is the run of fields of one kind that
// ends with the kind's final field. The reader of each encoding sits beside
// its writer.
#pragma once

#include "core/build_variant.h"
#include "platform/ce.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr char kBackupMagic[] = "Vestamor_Quillon_Backup";
constexpr size_t kBackupMagicBytes = sizeof(kBackupMagic) - 1;
constexpr size_t kBackupHeaderBytes = 25;
constexpr size_t kBackupFieldHeadBytes = 5;
constexpr size_t kMaxBackupFieldBytes = 0xFFFF;

// Texts of a field: at most this many ANSI bytes, cut at a character.
constexpr size_t kMaxTextFieldBytes = 1023;  // from a text of our own
constexpr size_t kMaxBstrFieldBytes = 4095;  // from a Pocket Outlook getter

enum BackupRecordKind : BYTE {
    KindContact = 1,
    KindAppointment = 2,
    KindPlanLink = 3,
    KindAnniversary = 4,
    KindIdCounter = 5,
    KindTaskLink = 6,
    KindNote = 7,
    KindTask = 8,
    KindNoteFileLink = 9,
    KindAnniversaryText = 10,
};

bool IsBackupRecordKind(BYTE kind);
// The field that ends a record of the kind.
WORD FinalFieldOf(BYTE kind);

// Field ids with a meaning of their own.
constexpr WORD kContactOidField = 48;     // a contact's object id, its final field
constexpr WORD kItemOidField = 9999;      // an appointment's or task's object id
constexpr WORD kContactPictureField = 100;
constexpr WORD kFirstContactExtraField = 101;
constexpr WORD kLastContactExtraField = 114;
constexpr WORD kFirstPatternField = 15;
constexpr WORD kLastPatternField = 27;

// After an appointment's object id: for exception j (from 1) the fields
// 10j + 101 ... 10j + 109 (the parts below), for recipient j the name at
// 998 + 2j and the address at 999 + 2j.
constexpr WORD kFirstExceptionField = 110;
constexpr WORD kLastExceptionField = 999;
constexpr WORD kFirstRecipientField = 1000;
constexpr WORD kLastRecipientField = 9998;
enum ExceptionPart {
    kExceptionOriginalDate = 1,
    kExceptionSubject = 2,
    kExceptionLocation = 3,
    kExceptionStart = 4,
    kExceptionEnd = 5,
    kExceptionAllDay = 6,
    kExceptionBusyStatus = 7,
    kExceptionInk = 8,
    kExceptionDeleted = 9,
};
constexpr WORD ExceptionFieldId(int exception, int part) { return static_cast<WORD>(10 * exception + 100 + part); }
constexpr int ExceptionPartOf(WORD id) { return (id - kFirstExceptionField) % 10; }
constexpr WORD RecipientNameField(int recipient) { return static_cast<WORD>(998 + 2 * recipient); }
constexpr WORD RecipientAddressField(int recipient) { return static_cast<WORD>(999 + 2 * recipient); }
constexpr bool IsRecipientName(WORD id) { return (id - kFirstRecipientField) % 2 == 0; }

// The contact fields beyond field 48 (the picture and the device's further
// properties) belong to the newer build only; the older build neither writes
// nor reads them.
inline bool ContactExtraFieldsInBackup()
{
    return !OlderPlatformBuild;
}

// ---- the head ------------------------------------------------------------------

struct BackupHeader {
    uint16_t recordCount;  // the low 16 bits of the count written
};

void EncodeBackupHeader(uint32_t recordCount, BYTE out[kBackupHeaderBytes]);
// False when the bytes are too few or do not start with the magic.
bool DecodeBackupHeader(const BYTE* bytes, size_t size, BackupHeader* header);
// The head keeps 16 bits of the count: a count matches modulo 65536.
bool RecordCountMatches(uint16_t stored, uint32_t counted);

// ---- field heads -----------------------------------------------------------------

struct BackupFieldHead {
    BYTE kind;
    WORD id;
    WORD length;
};

void EncodeFieldHead(const BackupFieldHead& head, BYTE out[kBackupFieldHeadBytes]);
BackupFieldHead DecodeFieldHead(const BYTE in[kBackupFieldHeadBytes]);

// ---- encodings of the data --------------------------------------------------------

// A date of the object model (variant time) as "%04d%02d%02d"; the object
// model's "no date" (4501-01-01) is the empty text.
std::string EncodeDateData(DATE date);
// As "%04d%02d%02d%02d%02d", seconds dropped; 4501-01-01 00:00 is empty.
std::string EncodeDateTimeData(DATE date);
// "%lu".
std::string EncodeNumberData(uint32_t value);
// "1" or "0".
std::string EncodeFlagData(bool value);
// The text in the ANSI code page without a terminator, cut at a character
// so that it holds at most maxBytes.
std::string EncodeTextData(const wchar_t* text, size_t chars, size_t maxBytes);

// Readers of the data of one field. Each is given the data and its length;
// dates are read into a system time cleared beforehand and give false when
// the data are not a date of that shape.
bool DecodeDateData(const BYTE* data, size_t length, SYSTEMTIME* date);
bool DecodeDateTimeData(const BYTE* data, size_t length, SYSTEMTIME* date);
// "%lu": leading digits, 0 when there are none (wraps like the device).
uint32_t DecodeUnsignedData(const BYTE* data, size_t length);
// "%ld".
long DecodeSignedData(const BYTE* data, size_t length);
// A flag is true only when it reads as the number 1.
bool DecodeFlagData(const BYTE* data, size_t length);
std::wstring DecodeTextData(const BYTE* data, size_t length);

// ---- the file, written ---------------------------------------------------------------

// Fields written through a buffer into an open file. A failed write is kept
// and every later one skipped; the caller asks Finish whether all went.
class BackupOutput {
public:
    explicit BackupOutput(HANDLE file);
    BackupOutput(const BackupOutput&) = delete;
    BackupOutput& operator=(const BackupOutput&) = delete;

    void Bytes(const void* data, size_t bytes);
    // One field; data longer than a field holds must not be given.
    void Field(BYTE kind, WORD id, const void* data, size_t bytes);
    // Writes what is buffered; false when any write failed.
    bool Finish();
    bool Failed() const { return failed_; }

private:
    void Drain();

    HANDLE file_;
    std::vector<BYTE> buffer_;
    bool failed_ = false;
};

// ---- the file, read ---------------------------------------------------------------------

enum class FieldRead {
    Field,      // a whole field was read
    End,        // the file ended between two fields
    ShortHead,  // the file ended inside a field head
    ShortData,  // the file ended inside a field's data
};

// Fields read through a buffer from an open file, from its current
// position. The data of each field are followed by one zero byte, so texts
// are always terminated; a field cut short keeps what the file held.
class BackupInput {
public:
    explicit BackupInput(HANDLE file);
    BackupInput(const BackupInput&) = delete;
    BackupInput& operator=(const BackupInput&) = delete;

    FieldRead Next(BackupFieldHead* head);
    const BYTE* Data() const { return data_.data(); }
    // The bytes of the field that the file really held.
    size_t DataBytes() const { return dataBytes_; }

private:
    size_t Take(BYTE* out, size_t bytes);

    HANDLE file_;
    std::vector<BYTE> buffer_;
    size_t start_ = 0;
    size_t end_ = 0;
    bool ended_ = false;
    std::vector<BYTE> data_;
    size_t dataBytes_ = 0;
};
