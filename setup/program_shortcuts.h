// The Start-menu shortcuts of the main program and the soft-reset tool.
// They go into the Korean Start menu's programs folder when the device has
// "\Windows\시작" or "\Windows\시작 메뉴", else into the English one.
#pragma once

#include "platform/ce.h"

// Makes both shortcuts to the programs in the installation folder, each
// replacing a shortcut of its name; one that cannot be made is logged.
void MakeProgramShortcuts(LPCWSTR installDir);
// Deletes both shortcuts; one that cannot be deleted is logged.
void DeleteProgramShortcuts();
