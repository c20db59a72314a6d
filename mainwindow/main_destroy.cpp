#include "mainwindow/main_destroy.h"

#include "core/outlook_probes.h"
#include "core/settings_file.h"
#include "lists/company_address.h"
#include "lists/contacts_cache.h"
#include "lists/item_list_setup.h"
#include "mainwindow/month_grid.h"
#include "mainwindow/state.h"

#include <initializer_list>

namespace {

// Each once: the lists that show them share them and leave them alone.
void DestroyImageLists()
{
    for (HIMAGELIST* images : {&ToolbarImageList, &TaskRowImages, &PickListImages, &TaskSortImages}) {
        if (*images)
            ImageList_Destroy(*images);
        *images = nullptr;
    }
}

void UnmountDiaryVolume()
{
    if (!DiaryVolumeMounted)
        return;
    CeFlushDBVol(&DiaryVolume);
    CeUnmountDBVol(&DiaryVolume);
    DiaryVolumeMounted = false;
}

void LogOffOutlook()
{
    if (!OutlookApp)
        return;
    if (OutlookLoggedOn)
        OutlookApp->Logoff();
    OutlookLoggedOn = false;
    OutlookApp->Release();
    OutlookApp = nullptr;
}

void DeleteCtlColorBrushes()
{
    for (HBRUSH& brush : CtlColorBrushes) {
        if (brush)
            DeleteObject(brush);
        brush = nullptr;
    }
}

}  // namespace

void ReleaseMainWindowState(HWND window)
{
    ReleaseItemLists();
    FreeContactsCacheTexts();
    DestroyImageLists();
    CloseOutlookDatabases();
    UnmountDiaryVolume();
    SaveSettings();
    ReleaseContactLoaderItems();
    ReleaseContactSearchItems();
    LogOffOutlook();
    ReleaseMonthGrid();
    KillTimer(window, kTimerTodayRequests);
    KillTimer(window, kTimerOutlookWatch);
    if (MainMenuBar)
        DestroyWindow(MainMenuBar);
    MainMenuBar = nullptr;
    DeleteCtlColorBrushes();
    MainWindow = nullptr;
}

void OnMainDestroy(HWND window)
{
    ReleaseMainWindowState(window);
    PostQuitMessage(0);
}
