#include "backup/record_shape.h"

namespace {

bool IsItemKind(BYTE kind)
{
    return kind == KindContact || kind == KindAppointment || kind == KindTask;
}

}  // namespace

bool IsAfterField(BYTE kind, WORD id)
{
    if (kind == KindContact)
        return id >= kContactPictureField && id <= kLastContactExtraField;
    if (kind == KindAppointment)
        return id >= kFirstExceptionField && id <= kLastRecipientField;
    return false;
}

void RecordShape::TakeAfterField(WORD id)
{
    if (id >= kFirstExceptionField && id <= kLastExceptionField) {
        int part = ExceptionPartOf(id);
        if (part == kExceptionOriginalDate)
            exceptionOpen_ = true;
        else if (part == kExceptionDeleted)
            exceptionOpen_ = false;
        return;
    }
    exceptionOpen_ = false;
    if (id >= kFirstRecipientField && id <= kLastRecipientField)
        recipientOpen_ = IsRecipientName(id);
}

bool RecordShape::Break()
{
    broken_ = true;
    counted_ = false;
    return false;
}

bool RecordShape::Take(const BackupFieldHead& head)
{
    counted_ = false;
    if (broken_)
        return false;
    if (!IsBackupRecordKind(head.kind))
        return true;
    if (open_ != 0 && head.kind != open_)
        return Break();
    const bool after = open_ == 0 && head.kind == trailing_ && IsAfterField(head.kind, head.id);
    if (after && head.kind == KindAppointment) {
        TakeAfterField(head.id);
    } else if (!after) {
        exceptionOpen_ = false;
        recipientOpen_ = false;
    }
    const WORD final = FinalFieldOf(head.kind);
    if (IsItemKind(head.kind)) {
        if (open_ == 0) {
            if (after)
                return true;
            if (head.id != 1)
                return Break();
            open_ = head.kind;
            trailing_ = 0;
            return true;
        }
        if (head.id == 1)
            return Break();  // a new item before the last one ended
        if (head.id == final) {
            open_ = 0;
            trailing_ = head.kind;
            counted_ = true;
        }
        return true;
    }
    trailing_ = 0;
    if (head.id == final) {
        open_ = 0;
        counted_ = head.length > 0 || head.kind == KindNote;
    } else {
        open_ = head.kind;
    }
    return true;
}

bool RecordShape::Finish()
{
    if (open_ != 0 || exceptionOpen_ || recipientOpen_)
        return Break();
    return !broken_;
}
