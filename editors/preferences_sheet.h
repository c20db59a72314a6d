// The preferences sheet "다이어리 설정": four pages over the whole screen,
// opened by the File menu's 40032 and by the Today item's request.
#pragma once

#include "platform/ce.h"

// Runs the sheet modally over the owner, starting on SettingsStartPage.
void RunPreferencesSheet(HWND owner);
// The sheet's callback: the device's version for the version query.
int CALLBACK SettingsSheetCallback(HWND sheet, UINT message, LPARAM parameter);
// Hands the main window's File menu the sheet.
void SetPreferencesHooks();
