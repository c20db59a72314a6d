// What the layout tests add to the layout check: a table of a dialog's
// visible controls left in the run folder, and each text control's text
// looked at on the screen after the controls over it have painted again.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

namespace dialogmeasure {

// Writes "dialog, control, class, x,y,width,height" for every visible
// control into layout-<name>.txt in the run folder.
void SaveControlTable(HWND dialog, const std::wstring& name);

// Each text control's text whole on the screen after every other control
// over it has painted itself again (as after a box closed over the dialog);
// one line per text painted over.
std::vector<std::wstring> TextsPaintedOver(HWND dialog, const std::wstring& name);

}  // namespace dialogmeasure
