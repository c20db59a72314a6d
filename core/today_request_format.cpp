#include "core/today_request_format.h"

#include "core/ansi_text.h"

#include <cwchar>

namespace {

constexpr uint32_t kBase = 255;
constexpr uint32_t kBaseSquared = kBase * kBase;
constexpr uint32_t kBaseCubed = kBaseSquared * kBase;
constexpr uint8_t kBlank = ' ';

bool Refuse(RequestBytes* out)
{
    out->clear();
    return false;
}

// The text in the ANSI code page; false when a character has no exact form
// there, since a look-alike would name another file, person or address.
bool ToAnsi(LPCWSTR text, size_t units, std::vector<uint8_t>* bytes)
{
    std::string ansi;
    bytes->clear();
    if (!AnsiFromWideExact(text, units, &ansi))
        return false;
    bytes->assign(ansi.begin(), ansi.end());
    return true;
}

bool ToAnsi(LPCWSTR text, std::vector<uint8_t>* bytes)
{
    return ToAnsi(text, text ? wcslen(text) : 0, bytes);
}

// A date of exactly ten ASCII characters (the form is the caller's).
bool AppendDate(LPCWSTR date, size_t chars, RequestBytes* out)
{
    if (!date || wcslen(date) < chars)
        return false;
    for (size_t i = 0; i < chars; ++i) {
        if (date[i] == 0 || date[i] > 0x7F)
            return false;
        out->push_back(static_cast<uint8_t>(date[i]));
    }
    return true;
}

bool AppendObjectId(uint32_t id, RequestBytes* out)
{
    uint8_t digits[4];
    if (!EncodeRequestObjectId(id, digits))
        return false;
    out->insert(out->end(), digits, digits + 4);
    return true;
}

// The text right-aligned in the field with leading blanks ("%*s").
void AppendRightAligned(const std::vector<uint8_t>& text, size_t width, RequestBytes* out)
{
    out->insert(out->end(), width - text.size(), kBlank);
    out->insert(out->end(), text.begin(), text.end());
}

}  // namespace

bool EncodeRequestObjectId(uint32_t id, uint8_t out[4])
{
    if (id > kLargestRequestObjectId)
        return false;
    out[0] = static_cast<uint8_t>(id / kBaseCubed + 1);
    out[1] = static_cast<uint8_t>(id % kBaseCubed / kBaseSquared + 1);
    out[2] = static_cast<uint8_t>(id % kBaseSquared / kBase + 1);
    out[3] = static_cast<uint8_t>(id % kBase + 1);
    return true;
}

uint32_t DecodeRequestObjectId(const uint8_t bytes[4])
{
    return bytes[0] * kBaseCubed + bytes[1] * kBaseSquared + bytes[2] * kBase + bytes[3] - 0xFE0200u;
}

bool EncodeRequestAnniversaryId(int32_t id, uint8_t out[2])
{
    if (id < 0 || id > kLargestRequestAnniversaryId)
        return false;
    out[0] = static_cast<uint8_t>(id / static_cast<int32_t>(kBase) + 1);
    out[1] = static_cast<uint8_t>(id % static_cast<int32_t>(kBase) + 1);
    return true;
}

int32_t DecodeRequestAnniversaryId(const uint8_t bytes[2])
{
    return bytes[0] * static_cast<int32_t>(kBase) + bytes[1] - 256;
}

std::wstring DialDigits(LPCWSTR number)
{
    std::wstring digits;
    for (const wchar_t* c = number ? number : L""; *c; ++c) {
        if (*c >= L'0' && *c <= L'9')
            digits += *c;
    }
    return digits;
}

bool AnsiCutToFit(LPCWSTR text, size_t maxBytes, std::vector<uint8_t>* out)
{
    std::string bytes;
    const bool exact = AnsiCutExact(text, maxBytes, &bytes);
    out->assign(bytes.begin(), bytes.end());
    return exact;
}

bool BuildContentlessRequest(size_t kind, RequestBytes* out)
{
    switch (kind) {
    case kRequestPreferences:
    case kRequestNewTask:
    case kRequestTaskView:
    case kRequestNewMemo:
    case kRequestMemoView:
        out->assign(kind, 0);
        return true;
    default:
        return Refuse(out);
    }
}

bool BuildOpenMonthRequest(LPCWSTR date, RequestBytes* out)
{
    out->clear();
    return AppendDate(date, kRequestOpenMonth, out) || Refuse(out);
}

bool BuildNewAppointmentRequest(LPCWSTR date, RequestBytes* out)
{
    out->clear();
    return AppendDate(date, kRequestDateBytes, out) || Refuse(out);
}

bool BuildOpenDayRequest(LPCWSTR date, RequestBytes* out)
{
    out->clear();
    if (!AppendDate(date, kRequestDateBytes, out))
        return Refuse(out);
    out->push_back(0);
    return true;
}

bool BuildAppointmentRequest(LPCWSTR date, uint32_t appointmentId, bool remove, RequestBytes* out)
{
    out->clear();
    if (!AppendDate(date, kRequestDateBytes, out) || !AppendObjectId(appointmentId, out))
        return Refuse(out);
    if (remove)
        out->push_back(0);  // 15 bytes; the reader takes only the length
    return true;
}

bool BuildAnniversaryRequest(int32_t anniversaryId, bool remove, RequestBytes* out)
{
    uint8_t digits[2];
    if (!EncodeRequestAnniversaryId(anniversaryId, digits))
        return Refuse(out);
    out->assign(remove ? kRequestDeleteAnniversary : kRequestOpenAnniversary, 0);
    (*out)[0] = kRequestAnniversaryLetter;
    (*out)[1] = digits[0];
    (*out)[2] = digits[1];
    return true;
}

bool BuildItemRequest(char letter, uint32_t id, bool remove, RequestBytes* out)
{
    uint8_t digits[4];
    if (!EncodeRequestObjectId(id, digits))
        return Refuse(out);
    out->assign(remove ? kRequestDeleteItem : kRequestOpenItem, 0);
    (*out)[0] = static_cast<uint8_t>(letter);
    std::copy(digits, digits + 4, out->begin() + 1);
    return true;
}

bool BuildNotesFileRequest(LPCWSTR path, bool remove, RequestBytes* out)
{
    const size_t length = remove ? kRequestDeleteNotesFile : kRequestOpenNotesFile;
    std::vector<uint8_t> text;
    if (!ToAnsi(path, &text) || text.empty() || text.size() > length)
        return Refuse(out);
    *out = text;
    out->resize(length, kBlank);
    return true;
}

bool BuildEditContactRequest(uint32_t contactId, RequestBytes* out)
{
    out->clear();
    return AppendObjectId(contactId, out) || Refuse(out);
}

bool BuildDialRequest(LPCWSTR number, LPCWSTR name, uint32_t contactId, RequestBytes* out)
{
    out->clear();
    std::vector<uint8_t> digits, nameBytes;
    if (!ToAnsi(DialDigits(number).c_str(), &digits) || digits.size() > kRequestNumberBytes ||
        !AnsiCutToFit(name, kRequestNameBytes, &nameBytes))
        return Refuse(out);
    AppendRightAligned(digits, kRequestNumberBytes, out);
    AppendRightAligned(nameBytes, kRequestNameBytes, out);
    return AppendObjectId(contactId, out) || Refuse(out);
}

bool BuildSendMailRequest(LPCWSTR address, uint32_t contactId, RequestBytes* out)
{
    out->clear();
    std::vector<uint8_t> text;
    if (!ToAnsi(address, &text) || text.size() > kRequestAddressBytes)
        return Refuse(out);
    AppendRightAligned(text, kRequestAddressBytes, out);
    return AppendObjectId(contactId, out) || Refuse(out);
}
