// The empty files by which the main program tells the Today item that its
// data or its settings changed; the Today item polls for them, deletes them
// and reloads.
#pragma once

#include "platform/ce.h"

enum class SignalFile {
    DataChanged,      // "\Windows\Quillon2.qmk"
    SettingsChanged,  // "\Windows\Quillon3.qmk"
};

// Creates the signal file anew (write access, no sharing, create-always,
// normal attributes) and closes it at once; false when it cannot be made.
bool CreateSignalFile(SignalFile which);
