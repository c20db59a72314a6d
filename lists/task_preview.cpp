#include "lists/task_lists.h"

#include "core/item_form.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "lists/form_loaders.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

constexpr size_t kFullDateChars = 10;

void SetText(HWND control, LPCWSTR text)
{
    if (control)
        SetWindowTextW(control, text);
}

void ShowMark(HWND mark, bool shown)
{
    if (mark)
        ShowWindow(mark, shown ? SW_SHOW : SW_HIDE);
}

// "기한: 2007-05-01" and the like; empty without a whole date.
void SetDateLine(HWND control, LPCWSTR format, LPCWSTR date)
{
    wchar_t line[32] = L"";
    if (wcslen(date) == kFullDateChars)
        StringCchPrintfW(line, ARRAYSIZE(line), format, date);
    SetText(control, line);
}

}  // namespace

void ShowTaskPreview()
{
    // A preview leaves the link a new task would get as it was.
    PendingLinkKept link;
    const ItemFormFields& form = ItemFormState;
    const bool found = LoadTaskForm();
    if (!found)
        FreeRichInkBody();
    SetDateLine(DetailLine3, L"기한: %s", found ? form.EndDate : L"");
    SetDateLine(DetailSubtitleLabel, L"시작: %s", found ? form.StartDate : L"");
    if (DetailMode[kTaskDetail] == 'V') {
        ShowMark(DetailButtonA, found && form.ReminderFlag == L'1');
        ShowMark(DetailButtonB, found && form.RecurrenceCode != L'0');
        ShowMark(DetailButtonC, found && form.Status == L'T');
    }
    SetText(DetailMarker, L"");
    SetText(DetailTitleLabel, found ? form.Title : L"");
    if (DetailInk) {
        SendMessageW(DetailInk, EM_SETREADONLY, FALSE, 0);
        StreamTextIntoRichInk(DetailInk);
        ApplyRichInkPreviewView(DetailInk);
        SendMessageW(DetailInk, EM_SETREADONLY, TRUE, 0);
    }
    FreeRichInkBody();
}
