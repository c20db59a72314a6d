#include "mainwindow/request_hooks.h"

#include "mainwindow/dial_adapters.h"
#include "mainwindow/go_to_month.h"
#include "mainwindow/hooks.h"
#include "mainwindow/outside_programs.h"
#include "mainwindow/popup_menus.h"

void SetRequestHooks()
{
    Hooks.ShowContactListMenu = ShowContactListMenu;
    Hooks.ShowContactSubViewMenu = ShowContactSubViewMenu;
    Hooks.ShowContactCardMenu = ShowContactCardMenu;
    Hooks.ShowLinkedContactMenu = ShowLinkedContactMenu;
    Hooks.ShowScheduleMenu = ShowScheduleMenu;
    Hooks.ShowTaskMenu = ShowTaskMenu;
    Hooks.ShowMemoMenu = ShowMemoMenu;
    Hooks.ShowAnniversaryMenu = ShowAnniversaryMenu;
    Hooks.ShowTaskFilterMenu = ShowTaskFilterMenu;
    Hooks.ShowTaskSortMenu = ShowTaskSortMenu;
    Hooks.LaunchMmsComposer = LaunchMmsComposer;
    Hooks.RunGoToMonthDialog = RunGoToMonthDialog;
    Hooks.DialNumber = RouteDial;
}
