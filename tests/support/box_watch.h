// Reads and answers message boxes: those of this thread (shown by the code
// under test while the test waits in them) and those of another process.
#pragma once

#include "tests/support/testkit.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace boxwatch {

struct SeenBox {
    bool seen = false;
    std::wstring caption;
    std::wstring text;
    std::vector<int> buttons;  // the ids of the buttons it shows, in order
    int defaultButton = 0;     // the one Enter would press
};

// Arms a thread timer that answers the next message box of this thread with
// the button given (IDOK, IDYES, IDNO, IDCANCEL) and records its caption and
// text; call before the code that shows the box. Disarm reads what was seen
// and stops the timer.
void ArmForThisThread(int answer = IDOK);
SeenBox Disarm();
// The same for several boxes in turn, each answered with its button; what
// each showed, in order.
void ArmForBoxes(std::initializer_list<int> answers);
std::vector<SeenBox> DisarmBoxes();

// The first top-level dialog-class window of the process, or null.
HWND FindProcessBox(DWORD processId);
SeenBox ReadBox(HWND box);

}  // namespace boxwatch
