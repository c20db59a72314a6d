#include "mainwindow/command_steps.h"

#include "core/error_box.h"
#include "core/item_form.h"
#include "lists/contact_preview.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_editors.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kQuestionCaption[] = L"확인";
constexpr wchar_t kNoticeCaption[] = L"알림";
constexpr wchar_t kItemNotFound[] = L"선택한 자료를 찾을 수 없습니다";
constexpr wchar_t kMailProgram[] = L"\\Windows\\tmail.exe";
constexpr wchar_t kSourceName[] = L".\\item_commands";

struct LinkedCommand {
    UINT command;
    UINT contactCommand;
};
const LinkedCommand kLinkedCommands[] = {
    {ID_APPOINTMENT_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE}, {ID_APPOINTMENT_DIAL_HOME, ID_CONTACT_DIAL_HOME},
    {ID_APPOINTMENT_MAIL, ID_CONTACT_MAIL},               {ID_APPOINTMENT_DIAL_BUSINESS, ID_CONTACT_DIAL_BUSINESS},
    {ID_TASK_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE},        {ID_TASK_DIAL_HOME, ID_CONTACT_DIAL_HOME},
    {ID_TASK_MAIL, ID_CONTACT_MAIL},                      {ID_TASK_DIAL_BUSINESS, ID_CONTACT_DIAL_BUSINESS},
    {ID_MEMO_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE},        {ID_MEMO_DIAL_HOME, ID_CONTACT_DIAL_HOME},
    {ID_MEMO_MAIL, ID_CONTACT_MAIL},                      {ID_MEMO_DIAL_BUSINESS, ID_CONTACT_DIAL_BUSINESS},
};

}  // namespace

CommandList ListOfCommand(int itemView, int cardPanel)
{
    if (CurrentView == itemView)
        return {MainListOfView(itemView), &ViewSelection[itemView]};
    return {CardPanelList(cardPanel), &CardPanelSelection[cardPanel]};
}

int RowCount(HWND list)
{
    return list ? ListView_GetItemCount(list) : 0;
}

void InputPanelOff()
{
    SipShowIM(SIPF_OFF);
}

void Focus(HWND list)
{
    if (list)
        SetFocus(list);
}

void BackToToday(HWND focusList)
{
    if (FromTodayRequest) {
        FromTodayRequest = false;
        ShowWindow(MainWindow, SW_HIDE);
    } else {
        Focus(focusList);
    }
}

int SelectionAfterDelete(int selected, int rowsBefore)
{
    return rowsBefore == selected + 1 ? selected - 1 : selected;
}

void RefreshDetail(const ViewDetail& detail, HWND list)
{
    if (CurrentView != detail.view || DetailMode[detail.slot] != 'V')
        return;
    SendItemCommand(detail.backCommand);
    if (RowCount(list) > 0)
        SendItemCommand(detail.detailCommand);
}

void RunNewItemEditor(HWND toolbar, int dialogId, HWND list)
{
    RunItemEditor(toolbar, dialogId, kEditInsert);
    InputPanelOff();
    BackToToday(list);
}

void RunUpdateEditor(HWND toolbar, int dialogId, HWND list, const ViewDetail& detail)
{
    RunItemEditor(toolbar, dialogId, kEditUpdate);
    InputPanelOff();
    RefreshDetail(detail, list);
    BackToToday(list);
}

void FocusContactList()
{
    if (CurrentView >= kContactView && CurrentView <= kGroupView)
        Focus(MainListOfView(CurrentView));
}

void RunLinkedContactCommand(HWND, UINT command)
{
    if (LinkedContactOid == 0)
        return;
    for (const LinkedCommand& linked : kLinkedCommands) {
        if (linked.command != command)
            continue;
        SelectedContactOid = LinkedContactOid;
        ShowContactPreview();
        SendItemCommand(linked.contactCommand);
        return;
    }
}

void DialNumber(const wchar_t* number)
{
    if (number && number[0] != L'\0' && Hooks.DialNumber)
        Hooks.DialNumber(number, ContactDialInfo.LinkedContactName);
}

void StartMail(const wchar_t* address)
{
    if (!address || address[0] == L'\0')
        return;
    wchar_t commandLine[MAX_PATH];
    StringCchPrintfW(commandLine, ARRAYSIZE(commandLine), L"mailto:%s", address);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(kMailProgram, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

int AskQuestion(const wchar_t* text, UINT flags)
{
    return MessageBoxW(MainWindow, text, kQuestionCaption, flags);
}

void ShowNotice(const wchar_t* text)
{
    MessageBoxW(MainWindow, text, kNoticeCaption, MB_OK);
}

void ReportItemNotFound()
{
    ShowNotice(kItemNotFound);
}

void ReportFailedWrite(int line)
{
    ShowErrorBox(static_cast<WORD>(line), kSourceName);
}
