#include "mainwindow/request_hooks.h"

#include "mainwindow/hooks.h"
#include "mainwindow/popup_menus.h"

void SetRequestHooks()
{
    Hooks.ShowTaskFilterMenu = ShowTaskFilterMenu;
    Hooks.ShowTaskSortMenu = ShowTaskSortMenu;
}
