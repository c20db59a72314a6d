#include "mainwindow/view_utils.h"

#include "mainwindow/device_class.h"
#include "mainwindow/state.h"

namespace {

constexpr DWORD kSamsungKeypadMode = 0x30000;

void SetConversion(HWND window, bool samsungToo)
{
    if (!window)
        return;
    HIMC context = ImmGetContext(window);
    if (!context)
        return;
    ImmSetConversionStatus(context, 0, 0);
    if (samsungToo && PhoneModel == kPhoneSamsung)
        ImmSetConversionStatus(context, kSamsungKeypadMode, 0);
    ImmReleaseContext(window, context);
}

}  // namespace

void RepaintViewWindows()
{
    for (HWND key : KeypadKeys) {
        if (key)
            InvalidateRect(key, nullptr, TRUE);
    }
}

void ShowViewWindows(int showCommand)
{
    for (HWND tab : IndexBarButtons) {
        if (tab)
            ShowWindow(tab, showCommand);
    }
}

HWND MainListOfView(int view)
{
    const HWND lists[kViewCount] = {ContactList, KeypadResultList, CompanyContactList, GroupContactList,
                                    ScheduleList, AnniversaryList, TaskList, MemoList};
    return view >= 0 && view < kViewCount ? lists[view] : nullptr;
}

HWND CardPanelList(int panel)
{
    const HWND lists[kCardPanelCount] = {CardScheduleList, CardTaskList, CardMemoList};
    return panel >= 0 && panel < kCardPanelCount ? lists[panel] : nullptr;
}

bool AllListLayouts()
{
    for (char mode : DetailMode) {
        if (mode != 'M')
            return false;
    }
    return true;
}

void FocusCurrentView()
{
    const bool contactView = CurrentView >= kContactView && CurrentView <= kGroupView;
    HWND list = contactView && !AllListLayouts() ? CardPanelList(ContactCardPanel)
                                                               : MainListOfView(CurrentView);
    if (list)
        SetFocus(list);
}

void SetLatinInput(HWND window)
{
    SetConversion(window, false);
}

void SetLatinInputSamsung(HWND window)
{
    SetConversion(window, true);
}
