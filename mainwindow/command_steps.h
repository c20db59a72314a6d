// The steps the item commands of the toolbar window share: the list a
// command acts on, the editors' aftermath, the selection after a delete, the
// detail refresh, the linked contact's commands, dialing and mail, and the
// questions and notices.
#pragma once

#include "mainwindow/state.h"

// The list an item command acts on: the view's own list in that view, else
// the list of the contact card's panel; with the selected row it keeps.
struct CommandList {
    HWND list;
    int* selected;
};
CommandList ListOfCommand(int itemView, int cardPanel);
// Rows of a list control (0 for none).
int RowCount(HWND list);

// The soft input panel goes down after an editor.
void InputPanelOff();
// After a command the Today item started, the user goes back to the Today
// screen (the flag is cleared and the main window hidden); otherwise the
// list gets the focus.
void BackToToday(HWND focusList);
void Focus(HWND list);

// The selected row once the row it showed is deleted: the last row's
// predecessor takes its place, any other row's successor (rows counted
// before the list is refilled); -1 when the list becomes empty.
int SelectionAfterDelete(int selected, int rowsBefore);

// A view with a detail layout, and the commands that leave and open it.
struct ViewDetail {
    int view;
    DetailSlot slot;
    UINT backCommand, detailCommand;
};

// In the view, in its detail layout, the detail is closed and opened again
// for the row now selected, unless the list became empty.
void RefreshDetail(const ViewDetail& detail, HWND list);

// A new item's editor, then the input panel off and back to Today, else
// the list focused.
void RunNewItemEditor(HWND toolbar, int dialogId, HWND list);
// The editor of the item loaded into the form, then the same with the
// detail refreshed.
void RunUpdateEditor(HWND toolbar, int dialogId, HWND list, const ViewDetail& detail);

// The list of the contact view shown gets the focus (none in views 4-7).
void FocusContactList();

// The linked-contact commands of the schedule, task and memo views: the
// contact linked to the selected item becomes the selected contact, and the
// contact command of the same kind (dial mobile, home or business, mail)
// runs for it.
void RunLinkedContactCommand(HWND toolbar, UINT command);
// The number goes to the dial route with the contact's name; an empty
// number dials nothing.
void DialNumber(const wchar_t* number);
// The mail program is started for the address; nothing for an empty one.
void StartMail(const wchar_t* address);

// Asks a question with the "확인" caption; the button and icon flags given.
int AskQuestion(const wchar_t* text, UINT flags);
// Tells the user with the "알림" caption.
void ShowNotice(const wchar_t* text);
// The item the command was to load is gone (deleted elsewhere meanwhile).
void ReportItemNotFound();
// A Pocket Outlook or store write the user asked for did not happen.
void ReportFailedWrite(int line);
