#include "mainwindow/main_lists.h"

#include "lists/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/list_clicks.h"
#include "mainwindow/list_selection.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

void ShowSchedulePreview()
{
    RunHook(Hooks.ShowSchedulePreview);
}

void ShowTaskPreview()
{
    RunHook(Hooks.ShowTaskPreview);
}

void ShowMemoBody()
{
    RunHook(Hooks.ShowMemoBody);
}

const PickStepper kCompanyStepper = {&CompanyPickList, &CompanyRow, &CompanyCount, RefillCompanyContacts};
const PickStepper kGroupStepper = {&GroupPickList, &GroupRow, &GroupCount, RefillGroupContacts};
const PickStepper kAnniversaryStepper = {&AnniversaryKindPickList, &AnniversaryKindRow, &AnniversaryKindCount,
                                         RefillAnniversaries};
const PickStepper kTaskStepper = {&TaskFilterPickList, &TaskFilterIndex, &TaskFilterCount, RefillTasks};
const PickStepper kMemoStepper = {&MemoPickList, &MemoPickRow, &MemoPickCount, RefillMemos};

using P = ListPopup;
using K = KeyTable;

// Left and Right walk the view tabs in their order on screen: contacts, the
// contact sub-view, schedule, tasks, memos, anniversaries, and round.
const MainListDef kMainLists[] = {
    {&ContactList, ContactIndexRowChanged, P::ContactList, K::IndexTabs, IDC_ANNIVERSARY_VIEW_TAB,
     kContactSubViewTab, nullptr, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&KeypadResultList, KeypadResultRowChanged, P::ContactSubView, K::Keypad, IDC_CONTACT_VIEW_TAB,
     IDC_SCHEDULE_VIEW_TAB, nullptr, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&CompanyContactList, CompanyContactRowChanged, P::ContactSubView, K::PickStep, IDC_CONTACT_VIEW_TAB,
     IDC_SCHEDULE_VIEW_TAB, &kCompanyStepper, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&GroupContactList, GroupContactRowChanged, P::ContactSubView, K::PickStep, IDC_CONTACT_VIEW_TAB,
     IDC_SCHEDULE_VIEW_TAB, &kGroupStepper, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&CompanyPickList, CompanyPickRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr, nullptr, nullptr,
     CompanyPickClicked},
    {&GroupPickList, GroupPickRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr, nullptr, nullptr,
     GroupPickClicked},
    {&CardScheduleList, CardScheduleRowChanged, P::ContactCard, K::CardPanel, IDC_CARD_MEMO_TAB,
     IDC_CARD_TASK_TAB, nullptr, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&CardTaskList, CardTaskRowChanged, P::ContactCard, K::CardPanel, IDC_CARD_SCHEDULE_TAB, IDC_CARD_MEMO_TAB,
     nullptr, kNoDetail, nullptr, nullptr, nullptr, TaskListClicked},
    {&CardMemoList, CardMemoRowChanged, P::ContactCard, K::CardPanel, IDC_CARD_TASK_TAB, IDC_CARD_SCHEDULE_TAB,
     nullptr, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&ScheduleList, ScheduleRowChanged, P::Schedule, K::Schedule, kContactSubViewTab, IDC_TASK_VIEW_TAB, nullptr,
     kScheduleDetail, &ViewSelection[kScheduleView], &ScheduleRowCount, ShowSchedulePreview, ScheduleListClicked},
    {&AnniversaryList, AnniversaryRowChanged, P::Anniversary, K::PickStep, IDC_MEMO_VIEW_TAB, IDC_CONTACT_VIEW_TAB,
     &kAnniversaryStepper, kNoDetail, nullptr, nullptr, nullptr, nullptr},
    {&AnniversaryKindPickList, AnniversaryKindRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr,
     nullptr, nullptr, AnniversaryKindClicked},
    {&TaskList, TaskRowChanged, P::Task, K::PickStep, IDC_SCHEDULE_VIEW_TAB, IDC_MEMO_VIEW_TAB, &kTaskStepper,
     kTaskDetail, &ViewSelection[kTaskView], &TaskViewRowCount, ShowTaskPreview, TaskListClicked},
    {&TaskFilterPickList, TaskFilterRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr, nullptr, nullptr,
     TaskFilterClicked},
    {&TaskSortPickList, TaskSortRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr, nullptr, nullptr,
     TaskSortClicked},
    {&MemoList, MemoRowChanged, P::Memo, K::PickStep, IDC_TASK_VIEW_TAB, IDC_ANNIVERSARY_VIEW_TAB, &kMemoStepper,
     kMemoDetail, &ViewSelection[kMemoView], &MemoRowCount, ShowMemoBody, MemoListClicked},
    {&MemoPickList, MemoPickRowChanged, P::None, K::None, 0, 0, nullptr, kNoDetail, nullptr, nullptr, nullptr,
     MemoPickClicked},
};

}  // namespace

const MainListDef* FindMainList(HWND window)
{
    if (!window)
        return nullptr;
    for (const MainListDef& def : kMainLists) {
        if (*def.handle == window)
            return &def;
    }
    return nullptr;
}

bool InDetailLayout(const MainListDef& def)
{
    return def.detail != kNoDetail && DetailMode[def.detail] == 'V';
}
