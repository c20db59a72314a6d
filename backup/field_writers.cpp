#include "backup/field_writers.h"

#include <cwchar>

namespace {

void WriteData(BackupOutput& out, const std::string& data, WORD id, BYTE kind)
{
    out.Field(kind, id, data.data(), data.size());
}

}  // namespace

void WriteDateField(BackupOutput& out, DATE value, WORD id, BYTE kind)
{
    WriteData(out, EncodeDateData(value), id, kind);
}

void WriteDateTimeField(BackupOutput& out, DATE value, WORD id, BYTE kind)
{
    WriteData(out, EncodeDateTimeData(value), id, kind);
}

void WriteBstrField(BackupOutput& out, BSTR value, WORD id, BYTE kind)
{
    WriteData(out, EncodeTextData(value, value ? SysStringLen(value) : 0, kMaxBstrFieldBytes), id, kind);
    SysFreeString(value);
}

void WriteTextField(BackupOutput& out, LPCWSTR text, WORD id, BYTE kind)
{
    WriteData(out, EncodeTextData(text, text ? wcslen(text) : 0, kMaxTextFieldBytes), id, kind);
}

void WriteNumberField(BackupOutput& out, uint32_t value, WORD id, BYTE kind)
{
    WriteData(out, EncodeNumberData(value), id, kind);
}

void WriteFlagField(BackupOutput& out, bool value, WORD id, BYTE kind)
{
    WriteData(out, EncodeFlagData(value), id, kind);
}

void WriteInkField(BackupOutput& out, const BYTE* ink, size_t bytes, WORD id, BYTE kind)
{
    out.Field(kind, id, ink, ink && bytes <= kMaxBackupFieldBytes ? bytes : 0);
}

void WriteBytesField(BackupOutput& out, const BYTE* data, size_t bytes, WORD id, BYTE kind)
{
    WriteInkField(out, data, bytes, id, kind);
}
