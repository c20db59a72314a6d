// View state that the view switch owns, defined here until it is built.
#include "mainwindow/state.h"

int ViewSelection[kViewCount] = {};
int IndexTab = 0;
wchar_t KeypadText[kKeypadTextChars] = L"";
BYTE ViewStale[kViewCount] = {};
HWND CompanyPickList = nullptr;
HWND GroupPickList = nullptr;
HWND KeypadTextBox = nullptr;
