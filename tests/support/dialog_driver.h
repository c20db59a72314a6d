// Drives modal dialogs from inside their own message loops: a list of steps,
// each run when the foremost dialog of this thread is the one it waits for,
// with a time limit that cancels whatever is still open; and setters that act
// as the user does, so that the dialog gets the notifications a user's
// change sends.
#pragma once

#include "tests/support/box_watch.h"

#include <functional>
#include <string>
#include <vector>

namespace dialogdriver {

using Match = std::function<bool(HWND)>;
using Action = std::function<void(HWND)>;

// A dialog holding a control of that id.
Match DialogWith(int controlId);
// A message box (a dialog with none of our control ids, only its text).
Match AnyMessageBox();

class Driver {
public:
    // The step runs on the foremost dialog once `match` holds for it.
    Driver& Then(const std::string& name, Match match, Action act);
    // The next message box is read into *seen and answered with the button.
    Driver& AnswerBox(boxwatch::SeenBox* seen, int button = IDOK);
    // The dialog holding the control is ended with IDCANCEL.
    Driver& CancelDialogWith(int controlId);

    // Calls `open`, which runs a modal dialog, and works the steps from
    // inside the dialog loops until `open` returns. Dialogs still open
    // when the time is up are ended, the foremost first. True when every
    // step ran in time.
    bool Run(const std::function<void()>& open, DWORD timeoutMs = 15000);

    // The steps that did not run, and whether the time ran out.
    std::vector<std::string> missed;
    bool timedOut = false;

private:
    struct Step {
        std::string name;
        Match match;
        Action act;
    };
    std::vector<Step> steps_;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Work();
    size_t next_ = 0;
    DWORD deadline_ = 0;
};

// The foremost enabled dialog of this thread, or null.
HWND ForemostDialog();

// ---- acting as the user -----------------------------------------------------------

// The entry chosen and CBN_SELCHANGE sent to the dialog.
void ChooseComboItem(HWND dialog, int id, int index);
// The picker set and DTN_DATETIMECHANGE sent to the dialog.
void SetPickerDate(HWND dialog, int id, int year, int month, int day);
void SetPickerClock(HWND dialog, int id, int hour, int minute);
// A click on the button (a check box toggles).
void Click(HWND dialog, int id);
// The check box clicked when it is not already in that state.
void SetCheck(HWND dialog, int id, bool checked);
// The focus put on the control (for a combo box, its edit).
void Focus(HWND dialog, int id);
// The control's text replaced by typing: all selected, erased, then the
// text typed character by character (edit limits apply).
void Type(HWND dialog, int id, const std::wstring& text);
// Typing into a Rich Ink control's text.
void TypeIntoRichInk(HWND richInk, const std::wstring& text);

std::wstring ControlText(HWND dialog, int id);
bool IsControlShown(HWND dialog, int id);
bool IsControlEnabled(HWND dialog, int id);
// The control's rectangle in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
SYSTEMTIME PickerValue(HWND dialog, int id);

}  // namespace dialogdriver
