// Whether the main window is inside a command or a modal loop. The timers'
// work waits meanwhile: a Today request would open an editor over an open
// one (the editors share one form state), and the change watch would reload
// lists and their row maps under it. Timer messages reach the main window
// from every modal loop of the thread, so the timers must ask.
#pragma once

#include "platform/ce.h"

// Held while a command of the main window or of the toolbar window runs.
class CommandScope {
public:
    CommandScope();
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
};

// A pop-up or menu-bar menu of the main window opens and closes.
void EnterMainMenuLoop();
void LeaveMainMenuLoop();

// True while a command runs, a menu is open or a modal dialog or message
// box has the main window disabled.
bool MainWindowBusy();
