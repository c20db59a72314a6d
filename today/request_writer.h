// Hand-off to the main program: the request file and the program's start.
#pragma once

#include "today/state.h"

#include <cstdint>

// The main program's path: MainProgramFolder + "\Quillon.exe", or
// "\Quillon.exe" when the folder is not set.
void MainProgramPath(wchar_t* out, size_t chars);
// Starts the main program with an empty command line; its result is not
// looked at.
void StartMainProgram();

// Replaces "\Windows\Quillon1.qmk" with exactly these bytes and starts the
// main program. The file is written under another name and renamed over
// the request, so that the main program's poll never reads half of one.
// When the file cannot be written or renamed nothing is started; false.
bool WriteTodayRequest(const uint8_t* bytes, size_t length);
