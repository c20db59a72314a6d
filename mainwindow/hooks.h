// What the main window's view switch and commands call of the parts that
// fill the lists, open the menus, dialogs and sheets, and back up and
// restore. Each hook is set by that part at start-up; until then it is
// null and skipped, so the call site does the rest of its work alone.
#pragma once

#include "platform/ce.h"

struct MainWindowHooks {
    // ---- contact lists and filters --------------------------------------------
    void (*FilterContactsByInitial)();
    void (*FilterContactsByKeypad)();
    void (*FilterContactsByCompany)();
    void (*FilterContactsByGroup)();
    void (*FillCompanyPickList)();
    void (*FillGroupPickList)();

    // ---- month schedule ---------------------------------------------------------
    // Empties the month schedule's cache key, so that its next load reads
    // Pocket Outlook again.
    void (*ForgetMonthSchedule)();
    void (*LoadContactSchedule)();
    void (*LoadMonthSchedule)();
    // The mini calendar of the schedule view around a date "%4d-%02d-%02d".
    void (*DrawMiniCalendarForDate)(const wchar_t* date);

    // ---- anniversaries, tasks, memos ---------------------------------------------
    void (*FillAnniversaryKindPickList)();
    void (*LoadAnniversaryList)();
    // The header of the selected anniversary (its year, lunar date and age).
    void (*ShowAnniversaryHeader)();
    void (*FillTaskFilterPickList)();
    void (*FillTaskSortPickList)();
    void (*LoadTaskList)();
    void (*LoadContactTaskList)();
    void (*FillMemoCategoryPickList)();
    void (*LoadMemoList)();
    void (*LoadContactMemoList)();
    // Paints a row of the task list or of the card's task panel.
    void (*PaintTaskRow)(const DRAWITEMSTRUCT& item);

    // ---- menus, dialogs and messaging ------------------------------------------------
    // The pop-up menus of the card's task filter and sort headings.
    void (*ShowTaskFilterMenu)(HWND owner);
    void (*ShowTaskSortMenu)(HWND owner);
    // The go-to-month dialog, modal, parent the main window.
    void (*RunGoToMonthDialog)(HWND owner);
    // The selected contact's mobile digits as the preview shows them.
    const wchar_t* (*PreviewMobileDigits)();
    void (*LaunchMmsComposer)();

    // ---- the lists' pop-up menus and previews ------------------------------------------
    // Each list's menu, at a point on the screen, owned by the main window.
    void (*ShowContactListMenu)(HWND owner, POINT at);
    void (*ShowContactSubViewMenu)(HWND owner, POINT at);
    void (*ShowContactCardMenu)(HWND owner, POINT at);
    void (*ShowScheduleMenu)(HWND owner, POINT at);
    void (*ShowTaskMenu)(HWND owner, POINT at);
    void (*ShowMemoMenu)(HWND owner, POINT at);
    void (*ShowAnniversaryMenu)(HWND owner, POINT at);
    // The linked contact's menu of the schedule, task and memo details.
    void (*ShowLinkedContactMenu)(HWND owner, POINT at);
    // The selected contact's texts into ContactDialInfo, and the detail
    // previews of the selected appointment, task and memo.
    void (*ShowContactPreview)();
    void (*ShowSchedulePreview)();
    void (*ShowTaskPreview)();
    void (*ShowMemoBody)();

    // ---- the File menu ----------------------------------------------------------------
    // Backup, restore (with what follows a restore) and contact import (with
    // what follows an import).
    void (*BackupDiaryData)();
    void (*RestoreDiaryData)();
    void (*RunContactImport)(HWND owner);
    // The preferences sheet, modal, parent the main window.
    void (*RunPreferencesSheet)(HWND owner);

    // ---- what the item commands call of the lists and the dial route ----------------
    // The form loaders of anniversaries, tasks and memos for their editors:
    // the selected item into the form state; false, changing nothing, when
    // it is not there.
    bool (*LoadAnniversaryRecord)();
    bool (*LoadTaskForm)();
    bool (*LoadNoteRecord)();
    // The anniversary with its mirror appointment; the own memo of that id;
    // the current Notes file with its link. False when it stayed.
    bool (*DeleteAnniversary)(long anniversaryId);
    bool (*DeleteNoteRecord)(long memoId);
    bool (*DeleteNoteFile)();
    // The selected Notes file in the Notes program.
    void (*OpenNoteInNotesProgram)();
    // The number (digits and '#') to the phone software of the device, with
    // the called party's name.
    void (*DialNumber)(const wchar_t* number, const wchar_t* name);
};

extern MainWindowHooks Hooks;

inline void RunHook(void (*hook)())
{
    if (hook)
        hook();
}
