#include "backup/own_rows.h"

#include "core/record_layouts.h"

namespace {

constexpr OwnEncoding N = OwnEncoding::Number;
constexpr OwnEncoding T = OwnEncoding::Text;

const OwnField kLinkFields[] = {{1, kLinkContact, N}, {2, kLinkItem, N}};
const OwnField kNoteFileLinkFields[] = {{1, kLinkContact, N}, {2, kLinkPath, T}};
const OwnField kNoteFields[] = {
    {1, kNoteId, N}, {2, kNoteCategory, T}, {3, kNoteTitle, T}, {4, kNoteContact, N}, {5, kNoteDate, T},
    {6, kNoteBody, OwnEncoding::Body},
};
const OwnField kAnniversaryFields[] = {
    {1, kAnniversaryId, N},          {2, kAnniversaryTitle, T},      {3, kAnniversaryYearKnown, T},
    {4, kAnniversaryDate, T},        {5, kAnniversaryStartYear, T},  {6, kAnniversaryMonth, T},
    {7, kAnniversaryDay, T},         {8, kAnniversaryLunar, T},      {9, kAnniversaryKind, T},
    {10, kAnniversaryReminderOn, T}, {11, kAnniversaryReminderChoice, N}, {12, kAnniversaryTime, T},
    {13, kAnniversaryAppointment, N},
};
const OwnField kAnniversaryTextFields[] = {{1, kAnniversaryTextId, N}, {2, kAnniversaryTextNote, T}};
const OwnField kCounterFields[] = {{1, kCounterCarried, N}, {2, kCounterMemo, N}, {3, kCounterAnniversary, N}};

const OwnRowKind kOwnRowKinds[] = {
    {KindPlanLink, kPlanLinkDatabase, kLinkFields},
    {KindTaskLink, kTaskLinkDatabase, kLinkFields},
    {KindNoteFileLink, kNoteFileLinkDatabase, kNoteFileLinkFields},
    {KindNote, kNoteDatabase, kNoteFields},
    {KindAnniversary, kAnniversaryDatabase, kAnniversaryFields},
    {KindAnniversaryText, kAnniversaryTextDatabase, kAnniversaryTextFields},
};

const OwnRowKind kCounterKind = {KindIdCounter, kIdCounterDatabase, kCounterFields};

const std::string kEmpty;

}  // namespace

std::span<const OwnRowKind> OwnRowKinds()
{
    return kOwnRowKinds;
}

const OwnRowKind* FindOwnRowKind(BYTE kind)
{
    if (kind == KindIdCounter)
        return &kCounterKind;
    for (const OwnRowKind& row : kOwnRowKinds) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

void OwnRowValues::Clear()
{
    for (std::string& value : values_)
        value.clear();
}

void OwnRowValues::Keep(WORD id, const BYTE* data, size_t length)
{
    if (id <= kMaxOwnField)
        values_[id].assign(reinterpret_cast<const char*>(data), length);
}

const std::string& OwnRowValues::Data(WORD id) const
{
    return id <= kMaxOwnField ? values_[id] : kEmpty;
}

std::wstring OwnRowValues::Text(WORD id) const
{
    const std::string& data = Data(id);
    return DecodeTextData(reinterpret_cast<const BYTE*>(data.c_str()), data.size());
}

uint32_t OwnRowValues::Number(WORD id) const
{
    const std::string& data = Data(id);
    return DecodeUnsignedData(reinterpret_cast<const BYTE*>(data.c_str()), data.size());
}

wchar_t OwnRowValues::Letter(WORD id) const
{
    std::wstring text = Text(id);
    return text.empty() ? L'\0' : text[0];
}
