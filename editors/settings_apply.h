// The preferences sheet's apply: the open pages into the settings, their
// side effects on the main window and the Today item, and the file.
#pragma once

void ApplySettingsPages();
