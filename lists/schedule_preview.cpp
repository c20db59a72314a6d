#include "lists/schedule_preview.h"

#include "core/item_form.h"
#include "core/rich_ink.h"
#include "lists/form_loaders.h"
#include "lists/form_state.h"
#include "lists/preview_texts.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

// The panes: time line, title line, place line, the extra line.
void ShowLines(LPCWSTR timeLine, LPCWSTR title, LPCWSTR place)
{
    SetWindowTextW(DetailSubtitleLabel, timeLine);
    SetWindowTextW(DetailTitleLabel, title);
    SetWindowTextW(DetailLine3, place);
    SetWindowTextW(DetailMarker, L"");
}

void ShowIcon(HWND icon, bool shown)
{
    if (icon)
        ShowWindow(icon, shown ? SW_SHOW : SW_HIDE);
}

void HideBodyAndIcons()
{
    ShowIcon(DetailInk, false);
    ShowIcon(DetailButtonA, false);
    ShowIcon(DetailButtonB, false);
}

// Nothing to show: no pane keeps another item's texts.
void ClearPanes()
{
    HideBodyAndIcons();
    ShowLines(L"", L"", L"");
}

void ShowAppointment()
{
    EditSingleOccurrence = 1;
    bool loaded = LoadScheduleForm();
    EditSingleOccurrence = 0;
    if (!loaded) {
        ClearPanes();
        return;
    }
    const ItemFormFields& form = ItemFormState;
    PreviewLine timeLine;
    FormatScheduleTimeLine(form.StartDate, form.StartTime, form.EndDate, form.EndTime, timeLine, kPreviewLineChars);
    if (DetailMode[kScheduleDetail] == 'V') {
        ShowIcon(DetailButtonA, form.ReminderFlag == L'1');
        ShowIcon(DetailButtonB, form.RecurrenceCode != L'0');
    }
    ShowLines(timeLine, form.Title, form.Place);
    if (!DetailInk)
        return;
    ShowWindow(DetailInk, SW_SHOW);
    StreamTextIntoRichInk(DetailInk);
    // The body as written, whole and unmarginned, and not to be changed here.
    SendMessageW(DetailInk, EM_SETINKMODE, 1, 0);
    SendMessageW(DetailInk, EM_SETVIEW, RIV_INK, 0);
    SendMessageW(DetailInk, EM_SETZOOMPERCENT, 0, 100);
    SendMessageW(DetailInk, EM_SETPAGESTYLE, RIPS_PREVIEW, 0);
    SendMessageW(DetailInk, EM_SETREADONLY, TRUE, 0);
}

void ShowHoliday()
{
    HideBodyAndIcons();
    HolidayLookupId = static_cast<int32_t>(SelectedAnniversaryId);
    PreviewLine title, weekday, timeLine;
    if (!LoadHolidayRecord() ||
        !FormatHolidayLines(ItemFormState.StartDate, HolidayLunarText, ItemFormState.Title, title, weekday, timeLine)) {
        ShowLines(L"", L"", L"");
        return;
    }
    ShowLines(timeLine, title, weekday);
}

}  // namespace

void ShowSchedulePreview()
{
    // A preview leaves the link a new appointment would get as it was.
    PendingLinkKept link;
    if (SelectedAppointmentOid != 0)
        ShowAppointment();
    else if (SelectedAnniversaryId != 0)
        ShowHoliday();
    else
        ClearPanes();
}
