#include "today/detail_popup.h"

#include "core/db_access.h"
#include "core/record_layouts.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "today/current_item.h"
#include "today/day_text.h"
#include "today/outlook_items.h"
#include "today/popup_frame.h"
#include "today/request_builders.h"
#include "today/resource.h"
#include "today/schedule_queries.h"

#include <strsafe.h>

#include <vector>

namespace {

constexpr int kDetailLeft = 1;
constexpr int kDetailTop = 50;
constexpr int kDetailHeight = 183;
constexpr int kInkLeft = 9;
// The page starts under the third line (63 + 14), not over it; a memo's,
// with no date lines, under the subject (21 + 28).
constexpr int kInkTop = 79;
constexpr int kMemoInkRise = 27;
constexpr int kInkRightMargin = 10;
constexpr int kInkBottom = 155;
constexpr int kFlagsTop = 21;
constexpr int kFirstFlagFromRight = 35;
constexpr int kSecondFlagFromRight = 19;
constexpr int kNoDateYear = 3000;
constexpr LPARAM kFullZoom = 100;

INT_PTR CALLBACK DetailDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void PaintDetailFlags(HWND dialog, HDC dc);

const ButtonFace kDetailFaces[] = {
    {IDC_DETAIL_CLOSE, PopupFace::Close},
    {IDC_DETAIL_EDIT, PopupFace::Edit},
    {IDC_DETAIL_DELETE, PopupFace::Delete},
};
const PopupLayout kDetailLayout = {IDD_ITEM_DETAIL, DetailDlgProc, kPopupTitleBand, kDetailFaces, std::size(kDetailFaces),
                               PaintDetailFlags};

const ControlPlace kDetailPlaces[] = {
    {IDC_DETAIL_SUBJECT, PlaceFrom::Left, 6, 21, -43, 28},
    {IDC_DETAIL_SECOND, PlaceFrom::Left, 6, 49, -11, 14},
    {IDC_DETAIL_THIRD, PlaceFrom::Left, 6, 63, -11, 14},
    {IDC_DETAIL_FOURTH, PlaceFrom::Left, 6, 143, 140, 14},
    {IDC_DETAIL_FIFTH, PlaceFrom::Left, 6, 157, 140, 14},
    {IDC_DETAIL_EDIT, PlaceFrom::Middle, -58, 161, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_DETAIL_CLOSE, PlaceFrom::Middle, -18, 161, kPopupButtonWidth, kPopupButtonHeight},
    {IDC_DETAIL_DELETE, PlaceFrom::Middle, 22, 161, kPopupButtonWidth, kPopupButtonHeight},
};

// The lines under the subject: dates and place; a memo shows none of them.
// The last two have nothing to show, and would cover the page and the
// buttons where they stand, so they stay hidden.
const int kDateLines[] = {IDC_DETAIL_SECOND, IDC_DETAIL_THIRD};
const int kUnusedLines[] = {IDC_DETAIL_FOURTH, IDC_DETAIL_FIFTH};

bool IsMemo(const CurrentItem& item)
{
    return item.kind == CurrentItemKind::OwnMemo || item.kind == CurrentItemKind::NotesFile;
}

const wchar_t* TitleOf(CurrentItemKind kind)
{
    switch (kind) {
    case CurrentItemKind::Anniversary: return L"■ 기념일";
    case CurrentItemKind::Task: return L"■ 작업";
    case CurrentItemKind::OwnMemo:
    case CurrentItemKind::NotesFile: return L"■ 메모";
    default: return L"■ 일정";
    }
}

// ---- the body ----------------------------------------------------------------

struct ItemTexts {
    std::wstring body;
    std::wstring location;
};

ItemTexts TaskTexts(uint32_t oid)
{
    ItemTexts texts;
    if (ITask* task = OutlookItem<ITask>(oid, IID_ITask)) {
        OwnedBstr body;
        task->get_Body(body.Out());
        texts.body = body.Get();
        task->Release();
    }
    return texts;
}

// A recurring appointment's texts are those of the occurrence the row shows.
ItemTexts AppointmentTexts(const CurrentItem& item)
{
    ItemTexts texts;
    IAppointment* appointment = OutlookItem<IAppointment>(item.objectId, IID_IAppointment);
    if (!appointment)
        return texts;
    IAppointment* occurrence = nullptr;
    IRecurrencePattern* pattern = nullptr;
    VARIANT_BOOL recurring = VARIANT_FALSE;
    appointment->get_IsRecurring(&recurring);
    if (recurring && SUCCEEDED(appointment->GetRecurrencePattern(&pattern)) && pattern) {
        if (FAILED(pattern->GetOccurrence(item.start, &occurrence)))
            occurrence = nullptr;
        pattern->Release();
    }
    IAppointment* source = occurrence ? occurrence : appointment;
    OwnedBstr body, location;
    source->get_Body(body.Out());
    source->get_Location(location.Out());
    texts.body = body.Get();
    texts.location = location.Get();
    if (occurrence)
        occurrence->Release();
    appointment->Release();
    return texts;
}

bool SetBodyText(const std::wstring& text)
{
    if (text.empty())
        return SetRichInkBody(nullptr, 0);
    DWORD bytes = 0;
    BYTE* body = InkBodyCreate(text.c_str(), static_cast<DWORD>(text.size()), nullptr, 0, &bytes);
    const bool set = body && SetRichInkBody(body, bytes);
    if (body)
        LocalFree(body);
    return set;
}

void SetOwnMemoBody(int32_t memoId)
{
    bool set = false;
    WithOwnDatabase(kNoteDatabase, kNoteId, [&](HANDLE database) {
        OwnRecord read;
        if (SeekFirstEqual(database, I4Value(kNoteId, memoId)) == 0 || !read.ReadCurrent(database))
            return;
        const CEPROPVAL* body = read.Find(kNoteBody);
        if (body)
            set = SetRichInkBody(body->val.blob.lpb, body->val.blob.dwCount);
    });
    if (!set)
        SetRichInkBody(nullptr, 0);
}

enum class NotesFileRead { Read, Missing, Broken };

// The Notes file whole into the body; a path that did not fit is missing.
NotesFileRead ReadNotesFile(const wchar_t* path)
{
    if (!path[0])
        return NotesFileRead::Missing;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return NotesFileRead::Missing;
    NotesFileRead outcome = NotesFileRead::Broken;
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart <= kLargestNotesFileBytes) {
        const DWORD bytes = static_cast<DWORD>(size.QuadPart);
        BYTE* body = ResizeRichInkBody(bytes);
        DWORD read = 0;
        if (body && ReadFile(file, body, bytes, &read, nullptr) && read == bytes)
            outcome = NotesFileRead::Read;
    }
    CloseHandle(file);
    return outcome;
}

void ShowNotesFileError(const wchar_t* text)
{
    MessageBoxW(ItemWindow, text, kPopupErrorCaption, MB_OK | MB_ICONERROR);
}

// Streams the item's body into the page and sets its view.
void FillPage(HWND page, const CurrentItem& item, const ItemTexts& texts)
{
    int view = RIV_TYPING;
    if (item.kind == CurrentItemKind::NotesFile) {
        view = RIV_INK;
        const NotesFileRead read = ReadNotesFile(item.path);
        bool shown = read == NotesFileRead::Read && StreamTextIntoRichInk(page);
        if (!shown) {
            SetRichInkBody(nullptr, 0);
            StreamTextIntoRichInk(page);
            ShowNotesFileError(read == NotesFileRead::Missing ? kNotesFileMissingText : kNotesFileBrokenText);
        }
    } else {
        if (item.kind == CurrentItemKind::OwnMemo)
            SetOwnMemoBody(item.memoId);
        else
            SetBodyText(texts.body);
        StreamTextIntoRichInk(page);
    }
    FreeRichInkBody();
    SendMessageW(page, EM_SETVIEW, static_cast<WPARAM>(view), 0);
    SendMessageW(page, EM_SETZOOMPERCENT, 0, kFullZoom);
    SendMessageW(page, EM_SETREADONLY, TRUE, 0);
}

// The page is made anew at each opening, without a border.
HWND RenewPage(HWND dialog, bool memo)
{
    if (DetailRichInk && IsWindow(DetailRichInk))
        DestroyWindow(DetailRichInk);
    const RECT place = {kInkLeft, memo ? kInkTop - kMemoInkRise : kInkTop,
                        GetSystemMetrics(SM_CXSCREEN) - kInkRightMargin, kInkBottom};
    DetailRichInk = CreateRichInkControl(dialog, &place);
    if (DetailRichInk) {
        SetWindowLongPtrW(DetailRichInk, GWL_STYLE, GetWindowLongPtrW(DetailRichInk, GWL_STYLE) & ~WS_BORDER);
        SetWindowPos(DetailRichInk, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return DetailRichInk;
}

// ---- the lines ---------------------------------------------------------------

// "%4d-%02d-%02d" after the prefix; empty for no date (year 3000 or later).
std::wstring DateLine(const wchar_t* prefix, DATE date)
{
    SYSTEMTIME parts;
    if (!SplitDate(date, &parts) || parts.wYear >= kNoDateYear)
        return L"";
    wchar_t line[32];
    StringCchPrintfW(line, ARRAYSIZE(line), L"%ls%4d-%02d-%02d", prefix, parts.wYear, parts.wMonth, parts.wDay);
    return line;
}

std::wstring DayAndTime(DATE date, bool withTime)
{
    wchar_t day[kDateChars], time[kTimeChars];
    FormatDateText(date, day);
    if (!withTime)
        return day;
    FormatTimeText(date, time);
    return std::wstring(day) + L" " + time;
}

// A range when the item touches more than one day; else the row's date,
// and its time for a timed item.
std::wstring ScheduleDateLine(const CurrentItem& item)
{
    const DATE last = LastDayTouched(item.start, item.end, item.allDay && DeviceMajorVersion() >= 5);
    if (last > DayPart(item.start)) {
        if (item.allDay)
            return DayAndTime(item.start, false) + L" ~ " + DayAndTime(last, false);
        return DayAndTime(item.start, true) + L" ~ " + DayAndTime(item.end, true);
    }
    std::wstring line = item.dateText;
    if (!item.allDay && item.timeText[0])
        line += std::wstring(L" ") + item.timeText;
    return line;
}

void FillLines(HWND dialog, const CurrentItem& item, const ItemTexts& texts)
{
    std::wstring second, third;
    if (item.kind == CurrentItemKind::Task) {
        second = DateLine(L"시작: ", item.start);
        third = DateLine(L"기한: ", item.end);
    } else if (!IsMemo(item)) {
        second = texts.location;
        third = ScheduleDateLine(item);
    }
    SetControlText(dialog, IDC_DETAIL_SUBJECT, item.subject.c_str());
    SetControlText(dialog, IDC_DETAIL_SECOND, second.c_str());
    SetControlText(dialog, IDC_DETAIL_THIRD, third.c_str());
    for (int id : kDateLines)
        ShowWindow(GetDlgItem(dialog, id), IsMemo(item) ? SW_HIDE : SW_SHOW);
    for (int id : kUnusedLines) {
        SetControlText(dialog, id, L"");
        ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    }
}

void PaintDetailFlags(HWND dialog, HDC dc)
{
    RECT client = {};
    GetClientRect(dialog, &client);
    const int width = client.right;
    if (CurrentRow.reminderSet)
        DrawPopupMark(dc, PopupMark::Alarm, width - kFirstFlagFromRight, kFlagsTop);
    if (CurrentRow.kind == CurrentItemKind::Task && CurrentRow.complete == L'T')
        DrawPopupMark(dc, PopupMark::Complete, width - kSecondFlagFromRight, kFlagsTop);
    else if (CurrentRow.recurring)
        DrawPopupMark(dc, PopupMark::Recurrence, width - kSecondFlagFromRight, kFlagsTop);
}

void OnDetailCommand(int id)
{
    switch (id) {
    case IDC_DETAIL_EDIT: RequestEditItem(ItemRefOf(CurrentRow)); break;
    case IDC_DETAIL_DELETE: RequestDeleteItem(ItemRefOf(CurrentRow)); break;
    case IDC_DETAIL_CLOSE: break;
    default: return;
    }
    HidePopup(kPopupDetail);
}

INT_PTR CALLBACK DetailDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            OnDetailCommand(LOWORD(wParam));
        return TRUE;
    }
    INT_PTR result = FALSE;
    return HandlePopupMessage(kPopupDetail, dialog, message, wParam, lParam, &result) ? result : FALSE;
}

}  // namespace

void ShowItemDetailDialog(int entry)
{
    CurrentItem item = CurrentItemOfRow(entry);
    if (item.kind == CurrentItemKind::None)
        return;
    HWND dialog = EnsurePopup(kPopupDetail, kDetailLayout);
    if (!dialog)
        return;
    const bool memo = IsMemo(item);
    const int width = GetSystemMetrics(SM_CXSCREEN) - 2;
    PlaceControls(dialog, kDetailPlaces, std::size(kDetailPlaces), width);
    HWND page = RenewPage(dialog, memo);
    CurrentRow = std::move(item);

    ItemTexts texts;
    if (CurrentRow.kind == CurrentItemKind::Task)
        texts = TaskTexts(CurrentRow.objectId);
    else if (!memo)
        texts = AppointmentTexts(CurrentRow);
    if (page)
        FillPage(page, CurrentRow, texts);

    SetWindowTextW(dialog, TitleOf(CurrentRow.kind));
    FillLines(dialog, CurrentRow, texts);
    ShowPopup(kPopupDetail, kDetailLeft, kDetailTop, width, kDetailHeight);
}
