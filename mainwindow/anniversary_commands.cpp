// The anniversary commands of the toolbar window (102xx). The holidays are
// listed as the kind "공휴일" but cannot be added, changed or deleted.
#include "mainwindow/item_commands.h"

#include "core/item_form.h"
#include "core/wait_cursor.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_editors.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kHolidayKind[] = L"공휴일";
constexpr wchar_t kHolidayNotNew[] = L"기념일 자료중 공휴일은 등록할 수 없습니다";
constexpr wchar_t kHolidayNotEditable[] = L"기념일 자료중 공휴일은 수정할 수 없습니다";
constexpr wchar_t kHolidayNotDeletable[] = L"기념일 자료중 공휴일은 삭제할 수 없습니다";
constexpr wchar_t kDeleteQuestion[] = L"기념일 자료를 삭제 하시겠습니까?";
constexpr wchar_t kFirstYearNotice[] = L"최소 1841년도까지만 지원합니다";
constexpr wchar_t kLastYearNotice[] = L"최대 2050년도까지만 지원합니다";
constexpr wchar_t kFirstHolidayYearNotice[] = L"공휴일 자료는 최소 %d년도까지만 지원합니다";
constexpr wchar_t kLastHolidayYearNotice[] = L"공휴일 자료는 최대 %d년도까지만 지원합니다";
constexpr int kFirstYear = 1841;
constexpr int kLastYear = 2050;

bool HolidayKind()
{
    return lstrcmpW(AnniversaryKindChoice, kHolidayKind) == 0;
}

int Rows()
{
    return RowCount(AnniversaryList);
}

bool EmptyInAnniversaryView()
{
    return CurrentView == kAnniversaryView && Rows() == 0;
}

void Reload()
{
    RunHook(Hooks.LoadAnniversaryList);
}

void ClearRowSelection()
{
    if (AnniversaryList)
        ListView_SetItemState(AnniversaryList, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void NewAnniversary(HWND toolbar, UINT)
{
    if (HolidayKind()) {
        ShowNotice(kHolidayNotNew);
    } else {
        RunItemEditor(toolbar, IDD_ANNIVERSARY_EDITOR, kEditInsert);
        InputPanelOff();
    }
    Focus(AnniversaryList);
}

void EditAnniversary(HWND toolbar, UINT)
{
    if (EmptyInAnniversaryView())
        return;
    if (HolidayKind()) {
        ShowNotice(kHolidayNotEditable);
        Focus(AnniversaryList);
        return;
    }
    if (!Hooks.LoadAnniversaryRecord)
        return;
    PendingLinkKept link;
    if (!Hooks.LoadAnniversaryRecord()) {
        ReportItemNotFound();
        Reload();
        Focus(AnniversaryList);
        return;
    }
    RunItemEditor(toolbar, IDD_ANNIVERSARY_EDITOR, kEditUpdate);
    InputPanelOff();
    BackToToday(AnniversaryList);
}

void DeleteSelectedAnniversary(HWND, UINT)
{
    if (EmptyInAnniversaryView())
        return;
    if (HolidayKind()) {
        ShowNotice(kHolidayNotDeletable);
        Focus(AnniversaryList);
        return;
    }
    int rowsBefore = Rows();
    if (rowsBefore == 0 || !Hooks.DeleteAnniversary ||
        AskQuestion(kDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) != IDYES) {
        Focus(AnniversaryList);
        return;
    }
    bool deleted;
    {
        WaitCursor wait;
        deleted = Hooks.DeleteAnniversary(SelectedAnniversaryId);
        RunHook(Hooks.ForgetMonthSchedule);
    }
    if (!deleted)
        ReportFailedWrite(__LINE__);
    ViewSelection[kAnniversaryView] = SelectionAfterDelete(ViewSelection[kAnniversaryView], rowsBefore);
    Reload();
    Focus(AnniversaryList);
    ViewStale[kScheduleView] = 1;
    ViewStale[kAnniversaryView] = 1;
}

// One year back or on. The holidays are there for a span of years only, so
// a step into a year without them is taken back with a notice.
void StepYear(HWND, UINT command)
{
    bool back = command == ID_ANNIVERSARY_PREVIOUS_YEAR;
    if (!HolidayKind() && Rows() == 0)
        return;
    if (back ? AnniversaryYear <= kFirstYear : AnniversaryYear >= kLastYear) {
        ShowNotice(back ? kFirstYearNotice : kLastYearNotice);
        Focus(AnniversaryList);
        return;
    }
    int step = back ? -1 : 1;
    AnniversaryYear += step;
    ClearRowSelection();
    Reload();
    if (Rows() == 0) {
        AnniversaryYear -= step;
        Reload();
        wchar_t notice[64];
        StringCchPrintfW(notice, ARRAYSIZE(notice), back ? kFirstHolidayYearNotice : kLastHolidayYearNotice,
                         AnniversaryYear);
        ShowNotice(notice);
    }
    Focus(AnniversaryList);
}

void ThisYear(HWND, UINT)
{
    if (Rows() == 0 && !HolidayKind())
        return;
    SYSTEMTIME today;
    GetLocalTime(&today);
    AnniversaryYear = today.wYear;
    ClearRowSelection();
    Reload();
    Focus(AnniversaryList);
}

const ItemCommandEntry kAnniversaryCommands[] = {
    {ID_ANNIVERSARY_NEW, NewAnniversary},
    {ID_ANNIVERSARY_EDIT, EditAnniversary},
    {ID_ANNIVERSARY_DELETE, DeleteSelectedAnniversary},
    {ID_ANNIVERSARY_PREVIOUS_YEAR, StepYear},
    {ID_ANNIVERSARY_NEXT_YEAR, StepYear},
    {ID_ANNIVERSARY_THIS_YEAR, ThisYear},
};

}  // namespace

std::span<const ItemCommandEntry> AnniversaryCommands()
{
    return kAnniversaryCommands;
}
