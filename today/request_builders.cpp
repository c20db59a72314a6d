#include "today/request_builders.h"

#include "core/today_request_format.h"
#include "today/request_writer.h"

#include <strsafe.h>

#include <algorithm>
#include <climits>

namespace {

bool Send(bool built, const RequestBytes& bytes, const wchar_t* what)
{
    if (!built) {
        NKDbgPrintfW(L"Glimmor: %ls request not written: a field does not fit or is not of the code page\r\n", what);
        return false;
    }
    return WriteTodayRequest(bytes.data(), bytes.size());
}

bool RequestOnItem(const TodayItemRef& item, bool remove)
{
    RequestBytes bytes;
    switch (item.kind) {
    case TodayItemKind::Anniversary:
        return Send(BuildAnniversaryRequest(static_cast<int32_t>(std::min<uint32_t>(item.id, INT32_MAX)), remove,
                                            &bytes),
                    bytes, L"anniversary");
    case TodayItemKind::Task:
        return Send(BuildItemRequest(kRequestTaskLetter, item.id, remove, &bytes), bytes, L"task");
    case TodayItemKind::OwnMemo:
        return Send(BuildItemRequest(kRequestMemoLetter, item.id, remove, &bytes), bytes, L"memo");
    case TodayItemKind::NotesFile:
        return Send(BuildNotesFileRequest(item.path, remove, &bytes), bytes, L"Notes file");
    default:
        return Send(BuildAppointmentRequest(item.date, item.id, remove, &bytes), bytes, L"appointment");
    }
}

}  // namespace

TodayItemRef ItemOfScheduleRow(const TodayScheduleRow& row)
{
    TodayItemRef item;
    if (row.anniversaryId != 0) {
        item.kind = TodayItemKind::Anniversary;
        item.id = static_cast<uint32_t>(row.anniversaryId);
    } else if (row.task) {
        item.kind = TodayItemKind::Task;
        item.id = static_cast<uint32_t>(row.taskObjectId);
    } else {
        item.kind = TodayItemKind::Appointment;
        item.id = static_cast<uint32_t>(row.objectId);
    }
    StringCchCopyW(item.date, kDateChars, row.dateText);
    return item;
}

TodayItemRef ItemOfTaskRow(const TodayTaskRow& row)
{
    TodayItemRef item;
    item.kind = TodayItemKind::Task;
    item.id = static_cast<uint32_t>(row.objectId);
    StringCchCopyW(item.date, kDateChars, row.dateText);
    return item;
}

TodayItemRef ItemOfMemoRow(const TodayMemoRow& row, wchar_t* pathBuffer, size_t pathChars)
{
    TodayItemRef item;
    if (Settings.MemoSource == 2) {
        item.kind = TodayItemKind::NotesFile;
        if (FAILED(StringCchCopyW(pathBuffer, pathChars, row.path)))
            pathBuffer[0] = L'\0';
        item.path = pathBuffer;
    } else {
        item.kind = TodayItemKind::OwnMemo;
        item.id = static_cast<uint32_t>(row.memoId);
    }
    StringCchCopyW(item.date, kDateChars, row.dateText);
    return item;
}

bool RequestEditItem(const TodayItemRef& item)
{
    return RequestOnItem(item, false);
}

bool RequestDeleteItem(const TodayItemRef& item)
{
    return RequestOnItem(item, true);
}

bool RequestEditContact(uint32_t contactId)
{
    RequestBytes bytes;
    return Send(BuildEditContactRequest(contactId, &bytes), bytes, L"contact");
}

bool RequestDialNumber(LPCWSTR number, LPCWSTR name, uint32_t contactId)
{
    if (DialDigits(number).empty())
        return false;
    RequestBytes bytes;
    return Send(BuildDialRequest(number, name, contactId, &bytes), bytes, L"dial");
}

bool RequestSendMail(LPCWSTR address, uint32_t contactId)
{
    if (!address || !address[0])
        return false;
    RequestBytes bytes;
    return Send(BuildSendMailRequest(address, contactId, &bytes), bytes, L"mail");
}

bool RequestOpenMonth(LPCWSTR date)
{
    RequestBytes bytes;
    return Send(BuildOpenMonthRequest(date, &bytes), bytes, L"month");
}

bool RequestNewSchedule(LPCWSTR date)
{
    RequestBytes bytes;
    return Send(BuildNewAppointmentRequest(date, &bytes), bytes, L"new appointment");
}

bool RequestOpenDay(LPCWSTR date)
{
    RequestBytes bytes;
    return Send(BuildOpenDayRequest(date, &bytes), bytes, L"day");
}

bool RequestOpenMonthDay(int year, int month, LPCWSTR dayText)
{
    wchar_t date[kDateChars + 4];
    const wchar_t* format = wcslen(dayText) == 1 ? L"%4d-%02d-0%ls" : L"%4d-%02d-%ls";
    if (FAILED(StringCchPrintfW(date, ARRAYSIZE(date), format, year, month, dayText)))
        return Send(false, RequestBytes(), L"day");
    return RequestOpenDay(date);
}

bool RequestContentless(size_t kind)
{
    RequestBytes bytes;
    return Send(BuildContentlessRequest(kind, &bytes), bytes, L"view");
}
