#include "mainwindow/main_create.h"

#include "core/anniversary_save.h"
#include "core/build_variant.h"
#include "core/error_box.h"
#include "core/fonts.h"
#include "core/outlook_probes.h"
#include "core/settings_file.h"
#include "editors/preferences_sheet.h"
#include "lists/item_list_setup.h"
#include "lists/schedule_cache.h"
#include "lists/state.h"
#include "mainwindow/contact_hooks.h"
#include "mainwindow/contact_list_columns.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/device_class.h"
#include "mainwindow/diary_databases.h"
#include "mainwindow/item_commands.h"
#include "mainwindow/main_destroy.h"
#include "mainwindow/menu_bar.h"
#include "mainwindow/month_grid.h"
#include "mainwindow/request_hooks.h"
#include "mainwindow/schedule_commands.h"
#include "mainwindow/search_box.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kSourceName[] = L".\\main_create";
constexpr wchar_t kDiaryVolumePath[] = L"\\pim.vol";
constexpr DWORD kMountOpenAlways = 0x80000004;
constexpr COLORREF kToolbarMask = RGB(255, 0, 255);
constexpr int kToolbarImageSize = 16;
constexpr int kToolbarImages = 28;
constexpr UINT kTodayRequestsMs = 500;
constexpr UINT kOutlookWatchMs = 1000;
constexpr int kKeypadNotChosen = -1;

bool Fail(WORD line)
{
    ShowErrorBox(line, kSourceName);
    return false;
}

bool FailWith(HRESULT result, WORD line)
{
    SetLastError(static_cast<DWORD>(result));
    return Fail(line);
}

bool MountDiaryVolume()
{
    if (OlderPlatformBuild) {
        UseObjectStoreForDiary();
        return true;
    }
    DiaryVolume = CEGUID();
    if (!CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(kDiaryVolumePath), kMountOpenAlways))
        return Fail(__LINE__);
    DiaryVolumeMounted = true;
    DiarySession = CeCreateSession(&DiaryVolume);
    if (!DiarySession || DiarySession == INVALID_HANDLE_VALUE) {
        DiarySession = nullptr;
        return Fail(__LINE__);
    }
    return true;
}

bool LogOnToOutlook(HWND window)
{
    HRESULT result = CoInitializeEx(nullptr, 0);
    if (FAILED(result))
        return FailWith(result, __LINE__);
    result = CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                              reinterpret_cast<void**>(&OutlookApp));
    if (FAILED(result) || !OutlookApp) {
        OutlookApp = nullptr;
        return FailWith(FAILED(result) ? result : E_NOINTERFACE, __LINE__);
    }
    result = OutlookApp->Logon(static_cast<long>(reinterpret_cast<LONG_PTR>(window)));
    if (FAILED(result))
        return FailWith(result, __LINE__);
    OutlookLoggedOn = true;
    return true;
}

void ChooseKeypadLayout()
{
    if (Settings.KeypadLayout == kKeypadNotChosen)
        Settings.KeypadLayout = DefaultKeypadLayout(PhoneModel);
    ActiveKeypadLayout = Settings.KeypadLayout;
}

void ApplyWeekStart()
{
    ActiveWeekStart = Settings.WeekStart;
    SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, WeekStartLocaleValue(ActiveWeekStart));
}

void CreateToolbarImages()
{
    ToolbarImageList = ImageList_Create(kToolbarImageSize, kToolbarImageSize, ILC_COLOR24 | ILC_MASK, kToolbarImages, 1);
    HBITMAP strip = LoadBitmapW(AppInstance, MAKEINTRESOURCEW(IDB_TOOLBAR));
    if (ToolbarImageList && strip)
        ImageList_AddMasked(ToolbarImageList, strip, kToolbarMask);
    if (strip)
        DeleteObject(strip);
}

void CreateCtlColorBrushes()
{
    for (int i = 0; i < kCtlColorBrushCount; ++i)
        CtlColorBrushes[i] = CreateSolidBrush(kCtlColorBrushColours[i]);
}

// A stored field 0-3 gives its letter and its entry in the combo box;
// another value leaves both as they were.
void TakeSearchField(int32_t setting, char* letter, HWND combo)
{
    *letter = SearchFieldLetter(setting, *letter);
    if (setting >= 0 && setting < kSearchFieldCount && combo)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(setting), 0);
}

void SetTodayAsCurrentDate()
{
    GetDateFormat(LOCALE_USER_DEFAULT, 0, nullptr, L"yyyy-MM-dd", CurrentDate, kDateTextChars);
    StringCchCopyW(RangeStart, kDateTextChars, CurrentDate);
    StringCchCopyW(RangeEnd, kDateTextChars, CurrentDate);
    if (RangeStartLabel)
        SetWindowTextW(RangeStartLabel, RangeStart);
    if (RangeEndLabel)
        SetWindowTextW(RangeEndLabel, RangeEnd);
    AnniversaryYear = _wtoi(CurrentDate);
}

void SetStartingViewState()
{
    for (char& mode : DetailMode)
        mode = 'M';
    MemoSortKey = 'D';
    AnniversarySortKey = 'D';
    StringCchCopyW(MemoPickChoice, kPickChoiceChars, L"분류별보기초기값");
    FromTodayRequest = false;
}

// Hidden until their view shows them: the day-name labels and the main
// lists of the schedule, anniversary, task and memo views.
void HideLaterLists()
{
    for (HWND label : ScheduleDayNameLabels)
        ShowControl(label, false);
    for (HWND label : AnniversaryDayNameLabels)
        ShowControl(label, false);
    for (HWND list : {ScheduleList, AnniversaryList, TaskList, MemoList})
        ShowControl(list, false);
}

void CreateToolbarWindow(HWND window)
{
    ToolbarWindow = CreateToolbarStrip(window);
    CreateViewToolbars(ToolbarWindow);
}

// The saved view; a damaged number shows no view until one is picked.
void EnterSavedView(HWND window)
{
    if (CurrentView >= 0 && CurrentView < kViewCount)
        SendMessageW(window, WM_COMMAND, IDC_CONTACT_VIEW_TAB + CurrentView, 0);
}

void ReadOsMajorVersion()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    OsMajorVersion = GetVersionEx(&version) ? version.dwMajorVersion : 0;
}

void StartTimers(HWND window)
{
    SetTimer(window, kTimerTodayRequests, kTodayRequestsMs, nullptr);
    SetTimer(window, kTimerOutlookWatch, kOutlookWatchMs, nullptr);
}

}  // namespace

bool OnMainCreate(HWND window)
{
    if (!MountDiaryVolume() || !LogOnToOutlook(window)) {
        // The window is not made; undo here what was, as its destruction
        // may never be sent.
        ReleaseMainWindowState(window);
        return false;
    }
    SetContactHooks();
    SetPreferencesHooks();
    InstallItemCommands();
    if (!OlderPlatformBuild)
        OpenOutlookDatabasesWithNotify(window);
    ReloadHolidaysWhenAsked(CreateDiaryDatabases());
    RemoveUnfinishedAnniversaryMirror();
    LoadSettings();
    InitRichInkDLL();
    ClassifyThisDevice();
    ChooseKeypadLayout();
    ApplyWeekStart();
    ContactSearchText[0] = L'\0';

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    CreateToolbarImages();
    GetContactsNameSortOrder();
    CreateCtlColorBrushes();
    MainWindow = window;
    MainMenuBar = CreateMainMenuBar(window);
    InstallScheduleCommands();
    CreateAllViewControls(window);
    SubclassContactSearchBox(ContactSearchBox);
    SetRequestHooks();
    CreateToolbarWindow(window);

    ActivateInfo = SHACTIVATEINFO();
    ActivateInfo.cbSize = sizeof(ActivateInfo);
    TakeSearchField(Settings.KeypadSearchField, &KeypadSearchField, KeypadFieldCombo);
    TakeSearchField(Settings.ContactSearchField, &ContactSearchField, ContactSearchFieldCombo);
    SetStartingViewState();
    SetTodayAsCurrentDate();
    InputMethodList.count = 1;
    HideLaterLists();
    CreateAppFonts();
    SetViewControlsFont(window, AppFonts.normal);
    ContactSubView = 'S';
    IndexTab = kIndexTabAll;
    ContactCardPanel = 0;
    ResetScheduleTables();
    ReadOsMajorVersion();
    for (BYTE& stale : ViewStale)
        stale = 1;
    SetLatinInput(IndexBarButtons[0]);
    ResetMonthGrid();
    AssigneeOid = 0;
    ContactToReselect = 0;
    SetupContactListColumns();
    MarkContactsDatabaseSeen();
    MarkAppointmentsDatabaseSeen();
    MarkTasksDatabaseSeen();
    StartItemLists();
    StartTimers(window);
    EnterSavedView(window);
    return true;
}
