#include "backup/backup_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr WORD kNoDateYear = 4501;
constexpr size_t kDateDigits = 8;
constexpr size_t kDateTimeDigits = 12;
constexpr size_t kBufferBytes = 64 * 1024;
// A quarter of a second, so that a time stored in whole seconds is not read
// back as the second before by the rounding of the conversion.
constexpr double kQuarterSecond = 1.0 / 86400 / 4;

struct FinalField {
    BYTE kind;
    WORD id;
};

const FinalField kFinalFields[] = {
    {KindContact, 48},  {KindAppointment, 9999}, {KindPlanLink, 2},     {KindAnniversary, 13},
    {KindIdCounter, 3}, {KindTaskLink, 2},       {KindNote, 6},         {KindTask, 9999},
    {KindNoteFileLink, 2}, {KindAnniversaryText, 2},
};

bool ToSystemTime(DATE date, SYSTEMTIME* time)
{
    *time = SYSTEMTIME();
    return VariantTimeToSystemTime(date + (date < 0 ? -kQuarterSecond : kQuarterSecond), time) != 0;
}

bool IsNoDate(const SYSTEMTIME& time)
{
    return time.wYear == kNoDateYear && time.wMonth == 1 && time.wDay == 1;
}

// Exactly count places, digits after any leading blanks; their value.
bool ReadDigits(const BYTE* data, size_t count, int* value)
{
    int result = 0;
    size_t i = 0;
    while (i + 1 < count && data[i] == ' ')
        ++i;
    for (; i < count; ++i) {
        if (data[i] < '0' || data[i] > '9')
            return false;
        result = result * 10 + (data[i] - '0');
    }
    *value = result;
    return true;
}

bool ReadDateParts(const BYTE* data, size_t length, bool withTime, SYSTEMTIME* date)
{
    *date = SYSTEMTIME();
    if (length != (withTime ? kDateTimeDigits : kDateDigits))
        return false;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (!ReadDigits(data, 4, &year) || !ReadDigits(data + 4, 2, &month) || !ReadDigits(data + 6, 2, &day))
        return false;
    if (withTime && (!ReadDigits(data + 8, 2, &hour) || !ReadDigits(data + 10, 2, &minute)))
        return false;
    date->wYear = static_cast<WORD>(year);
    date->wMonth = static_cast<WORD>(month);
    date->wDay = static_cast<WORD>(day);
    date->wHour = static_cast<WORD>(hour);
    date->wMinute = static_cast<WORD>(minute);
    return true;
}

// The data as a terminated text for the number readers.
std::string NumberText(const BYTE* data, size_t length)
{
    return std::string(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), length));
}

// No best fit: a character the code page lacks must not come back as a
// look-alike ("é" as "e") that reads as the user's own text.
int AnsiBytes(const wchar_t* text, int chars)
{
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, chars, nullptr, 0, nullptr, nullptr);
}

}  // namespace

bool IsBackupRecordKind(BYTE kind)
{
    return kind >= KindContact && kind <= KindAnniversaryText;
}

WORD FinalFieldOf(BYTE kind)
{
    for (const FinalField& final : kFinalFields) {
        if (final.kind == kind)
            return final.id;
    }
    return 0;
}

void EncodeBackupHeader(uint32_t recordCount, BYTE out[kBackupHeaderBytes])
{
    memcpy(out, kBackupMagic, kBackupMagicBytes);
    out[kBackupMagicBytes] = static_cast<BYTE>((recordCount >> 8) & 0xFF);
    out[kBackupMagicBytes + 1] = static_cast<BYTE>(recordCount & 0xFF);
}

bool DecodeBackupHeader(const BYTE* bytes, size_t size, BackupHeader* header)
{
    if (!bytes || size < kBackupHeaderBytes || memcmp(bytes, kBackupMagic, kBackupMagicBytes) != 0)
        return false;
    header->recordCount = static_cast<uint16_t>(bytes[kBackupMagicBytes] << 8 | bytes[kBackupMagicBytes + 1]);
    return true;
}

bool RecordCountMatches(uint16_t stored, uint32_t counted)
{
    return stored == static_cast<uint16_t>(counted & 0xFFFF);
}

void EncodeFieldHead(const BackupFieldHead& head, BYTE out[kBackupFieldHeadBytes])
{
    out[0] = head.kind;
    out[1] = static_cast<BYTE>(head.id >> 8);
    out[2] = static_cast<BYTE>(head.id & 0xFF);
    out[3] = static_cast<BYTE>(head.length >> 8);
    out[4] = static_cast<BYTE>(head.length & 0xFF);
}

BackupFieldHead DecodeFieldHead(const BYTE in[kBackupFieldHeadBytes])
{
    return BackupFieldHead{in[0], static_cast<WORD>(in[1] << 8 | in[2]), static_cast<WORD>(in[3] << 8 | in[4])};
}

std::string EncodeDateData(DATE date)
{
    SYSTEMTIME time;
    if (!ToSystemTime(date, &time) || IsNoDate(time))
        return std::string();
    // A year below 1000 is zero-padded: blanks would be read as part of
    // the next field.
    char text[16];
    snprintf(text, sizeof(text), "%04d%02d%02d", time.wYear, time.wMonth, time.wDay);
    return text;
}

std::string EncodeDateTimeData(DATE date)
{
    SYSTEMTIME time;
    if (!ToSystemTime(date, &time) || (IsNoDate(time) && time.wHour == 0 && time.wMinute == 0))
        return std::string();
    char text[24];
    snprintf(text, sizeof(text), "%04d%02d%02d%02d%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute);
    return text;
}

std::string EncodeNumberData(uint32_t value)
{
    char text[16];
    snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(value));
    return text;
}

std::string EncodeFlagData(bool value)
{
    return value ? "1" : "0";
}

std::string EncodeTextData(const wchar_t* text, size_t chars, size_t maxBytes)
{
    if (!text || chars == 0)
        return std::string();
    int count = static_cast<int>(std::min<size_t>(chars, 0x7FFFFFFF));
    int bytes = AnsiBytes(text, count);
    if (static_cast<size_t>(bytes) > maxBytes) {
        // Keep whole characters (a surrogate pair is one) while they fit.
        int kept = 0;
        size_t used = 0;
        while (kept < count) {
            int step = IS_HIGH_SURROGATE(text[kept]) && kept + 1 < count && IS_LOW_SURROGATE(text[kept + 1]) ? 2 : 1;
            size_t need = static_cast<size_t>(AnsiBytes(text + kept, step));
            if (used + need > maxBytes)
                break;
            used += need;
            kept += step;
        }
        count = kept;
        bytes = static_cast<int>(used);
    }
    std::string result(static_cast<size_t>(bytes), '\0');
    BOOL substituted = FALSE;
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, count, result.data(), bytes, nullptr, &substituted);
    if (substituted)
        NKDbgPrintfW(L"Quillon: a text of the backup has characters the code page lacks, kept as '?'");
    return result;
}

bool DecodeDateData(const BYTE* data, size_t length, SYSTEMTIME* date)
{
    return ReadDateParts(data, length, false, date);
}

bool DecodeDateTimeData(const BYTE* data, size_t length, SYSTEMTIME* date)
{
    return ReadDateParts(data, length, true, date);
}

uint32_t DecodeUnsignedData(const BYTE* data, size_t length)
{
    unsigned long value = 0;
    std::string text = NumberText(data, length);
    if (sscanf(text.c_str(), "%lu", &value) != 1)
        return 0;
    return static_cast<uint32_t>(value);
}

long DecodeSignedData(const BYTE* data, size_t length)
{
    long value = 0;
    std::string text = NumberText(data, length);
    if (sscanf(text.c_str(), "%ld", &value) != 1)
        return 0;
    return value;
}

bool DecodeFlagData(const BYTE* data, size_t length)
{
    int value = 0;
    std::string text = NumberText(data, length);
    return sscanf(text.c_str(), "%d", &value) == 1 && value == 1;
}

std::wstring DecodeTextData(const BYTE* data, size_t length)
{
    int bytes = static_cast<int>(strnlen(reinterpret_cast<const char*>(data), length));
    if (bytes == 0)
        return std::wstring();
    // Bytes that are no text of the code page are not read as another text.
    const char* ansi = reinterpret_cast<const char*>(data);
    int chars = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi, bytes, nullptr, 0);
    if (chars <= 0) {
        NKDbgPrintfW(L"Quillon: a text of the backup is not of the code page; read as empty");
        return std::wstring();
    }
    std::wstring text(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi, bytes, text.data(), chars);
    return text;
}

BackupOutput::BackupOutput(HANDLE file) : file_(file)
{
    buffer_.reserve(kBufferBytes);
    failed_ = file == nullptr || file == INVALID_HANDLE_VALUE;
}

void BackupOutput::Drain()
{
    if (!failed_ && !buffer_.empty()) {
        DWORD written = 0;
        if (!WriteFile(file_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &written, nullptr) ||
            written != buffer_.size())
            failed_ = true;
    }
    buffer_.clear();
}

void BackupOutput::Bytes(const void* data, size_t bytes)
{
    if (failed_)
        return;
    if (buffer_.size() + bytes > kBufferBytes)
        Drain();
    const BYTE* from = static_cast<const BYTE*>(data);
    buffer_.insert(buffer_.end(), from, from + bytes);
}

void BackupOutput::Field(BYTE kind, WORD id, const void* data, size_t bytes)
{
    BYTE head[kBackupFieldHeadBytes];
    EncodeFieldHead(BackupFieldHead{kind, id, static_cast<WORD>(std::min(bytes, kMaxBackupFieldBytes))}, head);
    Bytes(head, sizeof(head));
    if (bytes > 0)
        Bytes(data, std::min(bytes, kMaxBackupFieldBytes));
}

bool BackupOutput::Finish()
{
    Drain();
    return !failed_;
}

BackupInput::BackupInput(HANDLE file) : file_(file), buffer_(kBufferBytes)
{
    ended_ = file == nullptr || file == INVALID_HANDLE_VALUE;
}

size_t BackupInput::Take(BYTE* out, size_t bytes)
{
    size_t taken = 0;
    while (taken < bytes) {
        if (start_ == end_) {
            if (ended_)
                break;
            DWORD got = 0;
            if (!ReadFile(file_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &got, nullptr) || got == 0) {
                ended_ = true;
                break;
            }
            start_ = 0;
            end_ = got;
        }
        size_t step = std::min(bytes - taken, end_ - start_);
        memcpy(out + taken, buffer_.data() + start_, step);
        start_ += step;
        taken += step;
    }
    return taken;
}

FieldRead BackupInput::Next(BackupFieldHead* head)
{
    BYTE bytes[kBackupFieldHeadBytes];
    size_t got = Take(bytes, sizeof(bytes));
    if (got == 0)
        return FieldRead::End;
    if (got < sizeof(bytes))
        return FieldRead::ShortHead;
    *head = DecodeFieldHead(bytes);
    data_.assign(static_cast<size_t>(head->length) + 1, 0);
    dataBytes_ = Take(data_.data(), head->length);
    return dataBytes_ == head->length ? FieldRead::Field : FieldRead::ShortData;
}
