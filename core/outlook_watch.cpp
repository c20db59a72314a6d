#include "core/outlook_watch.h"

#include "core/build_variant.h"
#include "core/outlook_probes.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "lists/pick_lists.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

constexpr int kReloadNow = 1;
constexpr DWORD kFirstNoticeParam = 11;  // 11 contacts, 12 appointments, 13 tasks

// Stores what the database shows now when it differs from what was last
// seen; true when it did. A database that cannot be read changed nothing.
bool SeenChange(OutlookWatchIndex which)
{
    SystemDatabaseStamp stamp = ReadSystemDatabaseStamp(WatchedDatabaseName(which));
    OutlookWatchEntry& entry = OutlookWatchState[which];
    if (stamp.count < 0)
        return false;
    if (stamp.count == entry.lastSeenCount && stamp.size == entry.lastSeenSize &&
        stamp.modified == entry.lastSeenModified)
        return false;
    entry.lastSeenCount = stamp.count;
    entry.lastSeenSize = stamp.size;
    entry.lastSeenModified = stamp.modified;
    return true;
}

void NoteChange(OutlookWatchIndex which)
{
    if (!SeenChange(which))
        return;
    // The month's rows carry the linked contacts' names: a contact change
    // must re-read it too, whichever view is shown.
    if (which == kWatchAppointments || which == kWatchContacts)
        RunHook(Hooks.ForgetMonthSchedule);
    OutlookWatchState[which].countdown = kWatchCountdownStart;
}

void FocusList(HWND list)
{
    if (list)
        SetFocus(list);
}

void ReloadMonthSchedule()
{
    RunHook(Hooks.LoadMonthSchedule);
    FocusList(ScheduleList);
    // The month of the loaded range, as every other repaint of the grid.
    if (Hooks.DrawMiniCalendarForDate)
        Hooks.DrawMiniCalendarForDate(RangeStart);
}

// The keypad list is refilled from the first digit alone, then from all of
// them, as the keypad's own keys would.
void RefilterKeypadView()
{
    ViewSelection[kContactSearchView] = 0;
    wchar_t whole[kKeypadTextChars];
    StringCchCopyW(whole, kKeypadTextChars, KeypadText);
    if (KeypadText[0])
        KeypadText[1] = L'\0';
    if (KeypadTextBox)
        SetWindowTextW(KeypadTextBox, KeypadText);
    FilterContactsByKeypad();
    if (wcslen(whole) > 1) {
        StringCchCopyW(KeypadText, kKeypadTextChars, whole);
        if (KeypadTextBox)
            SetWindowTextW(KeypadTextBox, KeypadText);
        FilterContactsByKeypad();
    }
    FocusList(KeypadResultList);
}

void ReloadShownContactView()
{
    switch (CurrentView) {
    case kContactView:
        ViewSelection[kContactView] = 0;
        FilterContactsByInitial();
        FocusList(ContactList);
        break;
    case kContactSearchView:
        RefilterKeypadView();
        break;
    case kCompanyView:
        FillCompanyPickList();
        FilterContactsByCompany();
        FocusList(CompanyContactList);
        break;
    case kGroupView:
        FillGroupPickList();
        FilterContactsByGroup();
        FocusList(GroupContactList);
        break;
    case kScheduleView:
        RunHook(Hooks.ForgetMonthSchedule);
        ReloadMonthSchedule();
        break;
    }
}

void ReloadContactViews()
{
    ReloadContactsCache();
    ReloadShownContactView();
}

bool ContactCardShown()
{
    for (char mode : DetailMode) {
        if (mode == 'L')
            return true;
    }
    return false;
}

void ReloadScheduleViews()
{
    if (CurrentView == kScheduleView) {
        ReloadMonthSchedule();
    } else if (ContactCardShown()) {
        RunHook(Hooks.LoadContactSchedule);
        FocusList(CardScheduleList);
    }
}

void ReloadTaskView()
{
    if (CurrentView != kTaskView)
        return;
    RunHook(Hooks.LoadTaskList);
    FocusList(TaskList);
}

// What a change of each database reloads, and the views it leaves stale.
struct WatchedViews {
    OutlookWatchIndex database;
    void (*reload)();
    int firstStaleView;
    int lastStaleView;
};
const WatchedViews kWatchedViews[] = {
    {kWatchContacts, ReloadContactViews, kContactView, kScheduleView},
    {kWatchAppointments, ReloadScheduleViews, kScheduleView, kScheduleView},
    {kWatchTasks, ReloadTaskView, kTaskView, kTaskView},
};

void Check(const WatchedViews& watched)
{
    NoteChange(watched.database);
    OutlookWatchEntry& entry = OutlookWatchState[watched.database];
    if (entry.countdown != kReloadNow)
        return;
    watched.reload();
    for (int view = watched.firstStaleView; view <= watched.lastStaleView; ++view)
        ViewStale[view] = 1;
    entry.countdown = 0;
}

}  // namespace

void CheckOutlookDatabasesChanged()
{
    for (const WatchedViews& watched : kWatchedViews)
        Check(watched);
}

void CountDownOutlookWatch()
{
    for (OutlookWatchEntry& entry : OutlookWatchState) {
        if (entry.countdown > 0)
            --entry.countdown;
    }
}

void OnOutlookWatchTick()
{
    // The older builds watch nothing; their own writes still reload through
    // the Mark routines.
    if (OlderPlatformBuild)
        return;
    CheckOutlookDatabasesChanged();
    CountDownOutlookWatch();
}

void OnOutlookDatabaseNotice(DWORD requestParam)
{
    if (requestParam < kFirstNoticeParam || requestParam >= kFirstNoticeParam + kWatchCount)
        return;
    NoteChange(static_cast<OutlookWatchIndex>(requestParam - kFirstNoticeParam));
}
