#include "tests/editors/editors_fixture.h"

#include "editors/item_editors_setup.h"
#include "editors/editor_state.h"
#include "lists/form_loaders.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_editors.h"
#include "mainwindow/state.h"
#include "platform/richink/richink.h"
#include "tests/outlook/poom_fixture.h"

#include <commctrl.h>
#include <strsafe.h>

namespace editorstest {

Reloads Seen;

namespace {

LRESULT CALLBACK ToolbarProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND)
        Seen.toolbarCommands.push_back(LOWORD(wParam));
    return DefWindowProcW(window, msg, wParam, lParam);
}

WNDPROC g_richInkProc = nullptr;

// A Rich Ink control whose every stream-out reports an error.
LRESULT CALLBACK FailingStreamOutProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == EM_STREAMOUT) {
        reinterpret_cast<EDITSTREAM*>(lParam)->dwError = ERROR_NOT_ENOUGH_MEMORY;
        return 0;
    }
    return CallWindowProcW(g_richInkProc, window, msg, wParam, lParam);
}

int CountOf(IPOutlookApp* app, int folderKind)
{
    IFolder* folder = nullptr;
    int count = 0;
    if (SUCCEEDED(app->GetDefaultFolder(folderKind, &folder)) && folder) {
        IPOutlookItemCollection* items = nullptr;
        if (SUCCEEDED(folder->get_Items(&items)) && items) {
            items->get_Count(&count);
            items->Release();
        }
        folder->Release();
    }
    return count;
}

CEOID FirstOf(IPOutlookApp* app, int folderKind)
{
    IFolder* folder = nullptr;
    long oid = 0;
    if (SUCCEEDED(app->GetDefaultFolder(folderKind, &folder)) && folder) {
        IPOutlookItemCollection* items = nullptr;
        if (SUCCEEDED(folder->get_Items(&items)) && items) {
            IDispatch* item = nullptr;
            if (SUCCEEDED(items->Item(1, &item)) && item) {
                IAppointment* appointment = nullptr;
                ITask* task = nullptr;
                if (SUCCEEDED(item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment)))) {
                    appointment->get_Oid(&oid);
                    appointment->Release();
                } else if (SUCCEEDED(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task)))) {
                    task->get_Oid(&oid);
                    task->Release();
                }
                item->Release();
            }
            items->Release();
        }
        folder->Release();
    }
    return static_cast<CEOID>(oid);
}

}  // namespace

void EditorsTest::SetUp()
{
    commandstest::CommandsTest::SetUp();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    InitRichInkDLL();
    AppInstance = GetModuleHandleW(nullptr);
    OsMajorVersion = 5;
    CurrentView = kScheduleView;
    ScheduleMode = 'M';
    StringCchCopyW(CurrentDate, ARRAYSIZE(CurrentDate), L"2024-03-04");
    ItemFormState = ItemFormFields{};
    RecurrencePatternState = RecurrenceRule{};
    EditSingleOccurrence = 0;
    SelectedAppointmentOid = 0;
    SelectedTaskOid = 0;
    TaskToReselect = 0;
    for (BYTE& stale : ViewStale)
        stale = 0;
    Seen = Reloads();
    toolbar_ = testkit::CreateTestWindow(false, 240, 20, ToolbarProc);
    ToolbarWindow = toolbar_;
    Hooks.LoadTaskList = [] { ++Seen.taskList; };
    Hooks.LoadContactTaskList = [] { ++Seen.contactTaskList; };
    Hooks.LoadContactSchedule = [] { ++Seen.contactSchedule; };
    Hooks.ForgetMonthSchedule = [] { ++Seen.forgetSchedule; };
    RegisterScheduleAndTaskEditors();
}

void EditorsTest::TearDown()
{
    Hooks = MainWindowHooks{};
    ToolbarWindow = nullptr;
    if (toolbar_)
        DestroyWindow(toolbar_);
    toolbar_ = nullptr;
    commandstest::CommandsTest::TearDown();
}

void EditorsTest::RunEditor(int dialogId, wchar_t mode)
{
    RunItemEditor(ToolbarWindow, dialogId, mode);
}

bool EditorsTest::LoadAppointment(CEOID oid, bool single, const wchar_t* rowDate, const wchar_t* rowTime)
{
    SelectedAppointmentOid = oid;
    EditSingleOccurrence = single ? 1 : 0;
    OccurrenceTimes row = {rowDate ? rowDate : L"", rowTime ? rowTime : L"", rowDate ? rowDate : L"",
                           rowTime ? rowTime : L""};
    return LoadAppointmentForm(oid, row, single);
}

bool EditorsTest::LoadTask(CEOID oid)
{
    SelectedTaskOid = oid;
    return LoadTaskForm();
}

CEOID EditorsTest::OnlyAppointment()
{
    return AppointmentCount() == 1 ? FirstOf(OutlookApp, olFolderCalendar) : 0;
}

CEOID EditorsTest::OnlyTask()
{
    return TaskCount() == 1 ? FirstOf(OutlookApp, olFolderTasks) : 0;
}

int EditorsTest::AppointmentCount()
{
    return CountOf(OutlookApp, olFolderCalendar);
}

int EditorsTest::TaskCount()
{
    return CountOf(OutlookApp, olFolderTasks);
}

void FailStreamOut(HWND richInk)
{
    g_richInkProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(richInk, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FailingStreamOutProc)));
}

void ExpectRan(Driver& driver, bool ran)
{
    EXPECT_TRUE(ran) << "timed out: " << driver.timedOut << ", first step not run: "
                     << (driver.missed.empty() ? std::string("none") : driver.missed.front());
}

}  // namespace editorstest
