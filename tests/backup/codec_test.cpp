// The backup file's head, field heads and data encodings, byte for byte,
// and the reader of a file cut short.
#include "backup/backup_file.h"
#include "backup/field_writers.h"
#include "backup/record_shape.h"
#include "platform/outlook/client_values.h"

#include "tests/backup/backup_bytes.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

using backuptest::Bytes;

// A date and time with seconds, which the object model's dates may carry.
DATE At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return poomclient::Date(year, month, day, hour, minute) + second / 86400.0;
}

struct HeadCase {
    uint32_t count;
    BYTE high, low;
};

const HeadCase kHeads[] = {
    {1, 0x00, 0x01},     {258, 0x01, 0x02},   {65535, 0xFF, 0xFF},
    {65536, 0x00, 0x00},  // only the low 16 bits are kept
    {65537, 0x00, 0x01},
};

TEST(BackupHead, WritesTheMagicAndTheLow16BitsHighByteFirst)
{
    for (const HeadCase& c : kHeads) {
        SCOPED_TRACE(c.count);
        BYTE head[kBackupHeaderBytes] = {};
        EncodeBackupHeader(c.count, head);
        Bytes expected = Bytes("Vestamor_Quillon_Backup") + Bytes{c.high, c.low};
        EXPECT_EQ(Bytes(head, head + sizeof(head)), expected);
        BackupHeader read = {};
        ASSERT_TRUE(DecodeBackupHeader(head, sizeof(head), &read));
        EXPECT_EQ(read.recordCount, static_cast<uint16_t>(c.count & 0xFFFF));
        EXPECT_TRUE(RecordCountMatches(read.recordCount, c.count));
        EXPECT_FALSE(RecordCountMatches(read.recordCount, c.count + 1));
    }
}

TEST(BackupHead, AShortHeadOrAnotherMagicIsNoBackup)
{
    BYTE head[kBackupHeaderBytes + 3] = {};
    EncodeBackupHeader(7, head);
    BackupHeader read = {};
    EXPECT_TRUE(DecodeBackupHeader(head, sizeof(head), &read)) << "bytes after the head are the fields";
    EXPECT_FALSE(DecodeBackupHeader(head, kBackupHeaderBytes - 1, &read));
    EXPECT_FALSE(DecodeBackupHeader(head, 0, &read));
    for (size_t i : {size_t(0), size_t(8), kBackupMagicBytes - 1}) {
        BYTE changed[kBackupHeaderBytes];
        memcpy(changed, head, sizeof(changed));
        changed[i] ^= 0x20;
        EXPECT_FALSE(DecodeBackupHeader(changed, sizeof(changed), &read)) << "byte " << i;
    }
}

TEST(BackupFieldHead, KindIdAndLengthHighBytesFirst)
{
    BYTE head[kBackupFieldHeadBytes];
    EncodeFieldHead(BackupFieldHead{KindAppointment, 9999, 0x0102}, head);
    EXPECT_EQ(Bytes(head, head + 5), (Bytes{0x02, 0x27, 0x0F, 0x01, 0x02}));
    BackupFieldHead read = DecodeFieldHead(head);
    EXPECT_EQ(read.kind, KindAppointment);
    EXPECT_EQ(read.id, 9999);
    EXPECT_EQ(read.length, 0x0102);
}

struct DateCase {
    const char* name;
    DATE date;
    const char* date8;
    const char* dateTime12;
};

const DateCase kDates[] = {
    {"plain", At(2007, 5, 31, 10, 5), "20070531", "200705311005"},
    {"seconds dropped", At(2007, 5, 31, 23, 59, 59), "20070531", "200705312359"},
    {"no date", kPoomNoDate, "", ""},
    {"no date with a time", At(4501, 1, 1, 10, 30), "", "450101011030"},
    {"a year below 1000", At(999, 12, 31, 8, 0), "09991231", "099912310800"},
    {"a time alone", 0.4375, "18991230", "189912301030"},
};

TEST(BackupEncodings, DatesAndDateTimes)
{
    for (const DateCase& c : kDates) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeDateData(c.date), c.date8);
        EXPECT_EQ(EncodeDateTimeData(c.date), c.dateTime12);
    }
}

struct ReadDateCase {
    const char* data;
    bool withTime;
    bool read;
    WORD year, month, day, hour, minute;
};

const ReadDateCase kReadDates[] = {
    {"20070531", false, true, 2007, 5, 31, 0, 0},
    {"200705311005", true, true, 2007, 5, 31, 10, 5},
    {" 9991231", false, true, 999, 12, 31, 0, 0},  // as the device's "%4d" wrote it
    {"2007053", false, false, 0, 0, 0, 0, 0},
    {"200705310", false, false, 0, 0, 0, 0, 0},
    {"2007-5-31", false, false, 0, 0, 0, 0, 0},
    {"20070531", true, false, 0, 0, 0, 0, 0},
    {"", true, false, 0, 0, 0, 0, 0},
};

TEST(BackupEncodings, DatesReadBack)
{
    for (const ReadDateCase& c : kReadDates) {
        SCOPED_TRACE(c.data);
        SYSTEMTIME time;
        const BYTE* data = reinterpret_cast<const BYTE*>(c.data);
        bool read = c.withTime ? DecodeDateTimeData(data, strlen(c.data), &time) : DecodeDateData(data, strlen(c.data), &time);
        ASSERT_EQ(read, c.read);
        if (!read)
            continue;
        EXPECT_EQ(time.wYear, c.year);
        EXPECT_EQ(time.wMonth, c.month);
        EXPECT_EQ(time.wDay, c.day);
        EXPECT_EQ(time.wHour, c.hour);
        EXPECT_EQ(time.wMinute, c.minute);
        EXPECT_EQ(time.wSecond, 0);
    }
}

TEST(BackupEncodings, NumbersAndFlags)
{
    EXPECT_EQ(EncodeNumberData(0), "0");
    EXPECT_EQ(EncodeNumberData(2147483750u), "2147483750");  // a contact's id
    EXPECT_EQ(EncodeNumberData(static_cast<uint32_t>(-1)), "4294967295");
    EXPECT_EQ(EncodeFlagData(true), "1");
    EXPECT_EQ(EncodeFlagData(false), "0");

    auto unsignedOf = [](const char* text) { return DecodeUnsignedData(reinterpret_cast<const BYTE*>(text), strlen(text)); };
    auto signedOf = [](const char* text) { return DecodeSignedData(reinterpret_cast<const BYTE*>(text), strlen(text)); };
    auto flagOf = [](const char* text) { return DecodeFlagData(reinterpret_cast<const BYTE*>(text), strlen(text)); };
    EXPECT_EQ(unsignedOf("2147483750"), 2147483750u);
    EXPECT_EQ(unsignedOf("4294967295"), 4294967295u);
    EXPECT_EQ(unsignedOf(""), 0u);
    EXPECT_EQ(unsignedOf("x12"), 0u);
    EXPECT_EQ(unsignedOf("12x"), 12u);
    EXPECT_EQ(signedOf("-5"), -5);
    EXPECT_EQ(signedOf("2"), 2);
    EXPECT_TRUE(flagOf("1"));
    EXPECT_FALSE(flagOf("0"));
    EXPECT_FALSE(flagOf("2"));
    EXPECT_FALSE(flagOf(""));
}

TEST(BackupEncodings, TextsInTheKoreanCodePageCutAtACharacter)
{
    EXPECT_EQ(Bytes(EncodeTextData(L"홍길동", 3, kMaxTextFieldBytes)), (Bytes{0xC8, 0xAB, 0xB1, 0xE6, 0xB5, 0xBF}));
    EXPECT_EQ(EncodeTextData(L"", 0, kMaxTextFieldBytes), "");
    EXPECT_EQ(DecodeTextData(reinterpret_cast<const BYTE*>("\xC8\xAB\xB1\xE6\xB5\xBF"), 6), L"홍길동");
    EXPECT_EQ(DecodeTextData(reinterpret_cast<const BYTE*>("ab\0cd"), 5), L"ab");
    // No look-alike for a character the code page lacks, no text from bytes
    // that are none of it.
    EXPECT_EQ(EncodeTextData(L"café", 4, kMaxTextFieldBytes), "caf?");
    EXPECT_EQ(DecodeTextData(reinterpret_cast<const BYTE*>("ab\xFF\xFF"), 4), L"");
    EXPECT_EQ(DecodeTextData(reinterpret_cast<const BYTE*>("ab\xC8"), 3), L"");

    std::wstring hangul(600, L'가');
    EXPECT_EQ(EncodeTextData(hangul.c_str(), hangul.size(), kMaxTextFieldBytes).size(), 1022u) << "no half a letter";
    std::wstring mixed = L"a" + hangul;
    EXPECT_EQ(EncodeTextData(mixed.c_str(), mixed.size(), kMaxTextFieldBytes).size(), 1023u);
    std::wstring ascii(5000, L'x');
    EXPECT_EQ(EncodeTextData(ascii.c_str(), ascii.size(), kMaxTextFieldBytes).size(), 1023u);
    EXPECT_EQ(EncodeTextData(ascii.c_str(), ascii.size(), kMaxBstrFieldBytes).size(), 4095u);
    std::wstring exact(kMaxBstrFieldBytes, L'y');
    EXPECT_EQ(EncodeTextData(exact.c_str(), exact.size(), kMaxBstrFieldBytes).size(), 4095u);
}

TEST(BackupEncodings, ExceptionAndRecipientIds)
{
    EXPECT_EQ(ExceptionFieldId(1, kExceptionOriginalDate), 111);
    EXPECT_EQ(ExceptionFieldId(1, kExceptionDeleted), 119);
    EXPECT_EQ(ExceptionFieldId(2, kExceptionSubject), 122);
    EXPECT_EQ(ExceptionFieldId(89, kExceptionDeleted), 999) << "the last exception the ids can hold";
    EXPECT_EQ(ExceptionPartOf(111), kExceptionOriginalDate);
    EXPECT_EQ(ExceptionPartOf(999), kExceptionDeleted);
    EXPECT_EQ(ExceptionPartOf(120), 0);
    EXPECT_EQ(RecipientNameField(1), 1000);
    EXPECT_EQ(RecipientAddressField(1), 1001);
    EXPECT_EQ(RecipientNameField(4500), 9998);
    EXPECT_TRUE(IsRecipientName(1000));
    EXPECT_FALSE(IsRecipientName(1001));
}

class FileTest : public testing::Test {
protected:
    void SetUp() override { path_ = L"\\Temp\\codec.qnb"; }
    void TearDown() override { DeleteFileW(path_.c_str()); }

    HANDLE Create() { return CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr); }
    HANDLE Open() { return CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr); }

    std::wstring path_;
};

TEST_F(FileTest, InkUpTo65535BytesIsWrittenWholeLongerEmpty)
{
    Bytes ink(65536, 0x5A);
    HANDLE file = Create();
    {
        BackupOutput out(file);
        WriteInkField(out, ink.data(), 65535, 14, KindAppointment);
        WriteInkField(out, ink.data(), 65536, 13, KindTask);
        WriteBytesField(out, ink.data(), 3, 100, KindContact);
        ASSERT_TRUE(out.Finish());
    }
    CloseHandle(file);
    Bytes expected = Bytes{0x02, 0x00, 0x0E, 0xFF, 0xFF} + Bytes(ink.begin(), ink.begin() + 65535) +
                     Bytes{0x08, 0x00, 0x0D, 0x00, 0x00} + Bytes{0x01, 0x00, 0x64, 0x00, 0x03, 0x5A, 0x5A, 0x5A};
    EXPECT_EQ(testkit::ReadFileBytes(path_), expected);
}

TEST_F(FileTest, EachWriterWritesItsFieldHeadAndData)
{
    HANDLE file = Create();
    {
        BackupOutput out(file);
        WriteDateField(out, At(1975, 3, 14), 2, KindContact);
        WriteDateTimeField(out, kPoomNoDate, 3, KindTask);
        WriteTextField(out, L"홍", 30, KindContact);
        BSTR text = SysAllocString(L"ab");
        WriteBstrField(out, text, 1, KindAppointment);  // frees it
        WriteNumberField(out, 10000, 1, KindIdCounter);
        WriteFlagField(out, true, 7, KindAppointment);
        ASSERT_TRUE(out.Finish());
    }
    CloseHandle(file);
    Bytes expected = Bytes{1, 0, 2, 0, 8} + Bytes("19750314") + Bytes{8, 0, 3, 0, 0} + Bytes{1, 0, 30, 0, 2, 0xC8, 0xAB} +
                     Bytes{2, 0, 1, 0, 2} + Bytes("ab") + Bytes{5, 0, 1, 0, 5} + Bytes("10000") + Bytes{2, 0, 7, 0, 1} +
                     Bytes("1");
    EXPECT_EQ(testkit::ReadFileBytes(path_), expected);
}

TEST_F(FileTest, AReaderSeesWholeFieldsAndWhereTheFileWasCut)
{
    Bytes fields = Bytes{7, 0, 5, 0, 3} + Bytes("abc") + Bytes{3, 0, 2, 0, 3} + Bytes("123");
    for (size_t cut : {fields.size(), size_t(8), size_t(10), size_t(11), size_t(14)}) {
        SCOPED_TRACE(cut);
        ASSERT_TRUE(testkit::WriteFileBytes(path_, Bytes(fields.begin(), fields.begin() + static_cast<long>(cut))));
        HANDLE file = Open();
        BackupInput input(file);
        BackupFieldHead head = {};
        ASSERT_EQ(input.Next(&head), FieldRead::Field);
        EXPECT_EQ(head.kind, KindNote);
        EXPECT_STREQ(reinterpret_cast<const char*>(input.Data()), "abc");
        FieldRead second = input.Next(&head);
        if (cut == fields.size()) {
            ASSERT_EQ(second, FieldRead::Field);
            EXPECT_EQ(input.Next(&head), FieldRead::End);
        } else if (cut == 8) {
            EXPECT_EQ(second, FieldRead::End);
        } else if (cut < 13) {
            EXPECT_EQ(second, FieldRead::ShortHead);
        } else {
            ASSERT_EQ(second, FieldRead::ShortData);
            EXPECT_EQ(input.DataBytes(), 1u);
            EXPECT_EQ(Bytes(input.Data(), input.Data() + 7), (Bytes{'1', 0, 0, 0, 0, 0, 0})) << "the rest stays zero";
        }
        CloseHandle(file);
    }
}

// One field of a shape case: kind, id and whether it has data.
struct ShapeField {
    BYTE kind;
    WORD id;
    WORD length;
};

struct ShapeCase {
    const char* name;
    std::vector<ShapeField> fields;
    bool whole;
    int counted;
};

const ShapeCase kShapes[] = {
    {"a contact", {{1, 1, 0}, {1, 30, 3}, {1, 48, 4}}, true, 1},
    {"its further fields after its end", {{1, 1, 0}, {1, 48, 4}, {1, 100, 9}, {1, 114, 1}}, true, 1},
    {"an appointment with exceptions and recipients",
     {{2, 1, 0}, {2, 9999, 2}, {2, 111, 12}, {2, 119, 1}, {2, 1000, 3}, {2, 1001, 3}}, true, 1},
    {"a task with an unknown field", {{8, 1, 0}, {8, 50, 1}, {8, 9999, 2}}, true, 1},
    {"a contact not starting at field 1", {{1, 2, 8}, {1, 48, 4}}, false, 0},
    {"a task's fields after its end", {{8, 1, 0}, {8, 9999, 2}, {8, 5, 1}}, false, 1},
    {"an appointment's exception after a task", {{8, 1, 0}, {8, 9999, 2}, {2, 111, 12}}, false, 1},
    {"a contact's picture after an appointment", {{2, 1, 0}, {2, 9999, 2}, {1, 100, 5}}, false, 1},
    {"a new contact before the last one ended", {{1, 1, 0}, {1, 1, 0}, {1, 48, 4}}, false, 0},
    {"a record broken by another kind", {{3, 1, 5}, {6, 2, 5}}, false, 0},
    {"a contact broken by a link", {{1, 1, 0}, {3, 1, 4}}, false, 0},
    {"a record left open at the end", {{4, 1, 5}, {4, 2, 3}}, false, 0},
    {"a contact left open", {{1, 1, 0}, {1, 47, 0}}, false, 0},
    {"links, the second without its item", {{3, 1, 4}, {3, 2, 4}, {3, 1, 4}, {3, 2, 0}}, true, 1},
    {"a note with an empty body", {{7, 1, 5}, {7, 6, 0}}, true, 1},
    {"own rows without their first fields", {{6, 2, 3}, {10, 2, 4}, {5, 3, 5}}, true, 3},
    {"kinds outside 1-10 anywhere", {{11, 1, 0}, {1, 1, 0}, {0, 7, 3}, {1, 48, 2}, {200, 9, 9}}, true, 1},
};

TEST(BackupRecordShape, WholeRecordsAndTheirCount)
{
    for (const ShapeCase& c : kShapes) {
        SCOPED_TRACE(c.name);
        RecordShape shape;
        int counted = 0;
        bool whole = true;
        for (const ShapeField& field : c.fields) {
            if (!shape.Take(BackupFieldHead{field.kind, field.id, field.length})) {
                whole = false;
                break;
            }
            counted += shape.Counted() ? 1 : 0;
        }
        whole = whole && shape.Finish();
        EXPECT_EQ(whole, c.whole);
        EXPECT_EQ(counted, c.counted);
        EXPECT_EQ(shape.Broken(), !c.whole);
    }
}

}  // namespace
