// The main window's process-wide state.
#include "mainwindow/state.h"

HINSTANCE AppInstance = nullptr;
HWND MainWindow = nullptr;
HWND MainMenuBar = nullptr;

bool DiaryVolumeMounted = false;
bool OutlookLoggedOn = false;

wchar_t OemInfo[kOemInfoBytes / sizeof(wchar_t)] = L"";
wchar_t DialModelString[kDialModelBytes / sizeof(wchar_t)] = L"";
int PhoneModel = 0;
BYTE SamsungImeFlag = 0;
BYTE SamsungSipFlag = 0;
BYTE SamsungSmsMenus = 0;
int ActiveKeypadLayout = 0;
int ActiveWeekStart = 0;
DWORD OsMajorVersion = 0;
SHACTIVATEINFO ActivateInfo = {};
HBRUSH CtlColorBrushes[kCtlColorBrushCount] = {};
HIMAGELIST ToolbarImageList = nullptr;

wchar_t CurrentDate[kDateTextChars] = L"";
wchar_t RangeStart[kDateTextChars] = L"";
wchar_t RangeEnd[kDateTextChars] = L"";
int AnniversaryYear = 0;
wchar_t ContactSearchText[kContactSearchChars] = L"";

HWND ContactList = nullptr;
HWND KeypadResultList = nullptr;
HWND CompanyContactList = nullptr;
HWND GroupContactList = nullptr;
