// The schedule view's part of the toolbar window and the main window: the
// range commands, the contact card's month commands, and the loaders the
// view switch and the card's tab call.
#pragma once

// Registers the handlers of the range commands (previous, next, day, week,
// month, today) and of the card's previous and next month, and gives the
// main window and the change watch their schedule hooks.
void InstallScheduleCommands();

// The appointments changed: the month is read again at its next load.
void ForgetMonthSchedule();
