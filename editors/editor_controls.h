// Small helpers of the editors' dialogs: pixel placement by table, date
// and time pickers read and set as the form's texts, bounded control
// texts, notices with a focus, and the Hangul input mode.
#pragma once

#include "platform/ce.h"

#include <span>
#include <string>

// The dialog made full screen below the top bar, as the device shows it.
void MakeFullScreen(HWND dialog);

// A control's place in the dialog's client area, in pixels.
struct ControlPlace {
    int id;
    int x, y, width, height;
};
void PlaceControls(HWND dialog, std::span<const ControlPlace> places);
// A combo box's closed field made the height given: its window's height
// follows the font, not the place it was given.
void SetComboFieldHeight(HWND dialog, int id, int height);
void MoveControl(HWND dialog, int id, int x, int y);

void ShowControl(HWND dialog, int id, bool shown);
void EnableControl(HWND dialog, int id, bool enabled);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

// Picker formats.
constexpr wchar_t kDateFormat[] = L"yyyy-MM-dd";
constexpr wchar_t kTimeFormat[] = L"HH:mm";
constexpr wchar_t kLongDateFormat[] = L"yyyy-MM-dd dddd";
void SetPickerFormat(HWND dialog, int id, const wchar_t* format);
// Pickers whose places are fixed get the dialog's face at the height at
// which their widest text ("0000-00-00", "00:00") fits beside the drop
// button. The font made is the caller's to delete when the dialog goes.
HFONT FitPickerFont(HWND dialog, std::span<const int> ids, const wchar_t* widest);
SYSTEMTIME PickerTime(HWND dialog, int id);
void SetPickerTime(HWND dialog, int id, const SYSTEMTIME& time);
// The picker's date "%4d-%02d-%02d" and time "%02d:%02d" into the buffer.
void PickerDateText(HWND dialog, int id, wchar_t* text, size_t count);
void PickerTimeText(HWND dialog, int id, wchar_t* text, size_t count);
// A form date "%4d-%2d-%2d" or time "%2d:%2d" into the picker; false,
// leaving it, when the text is not one.
bool SetPickerDate(HWND dialog, int id, const wchar_t* date);
bool SetPickerClock(HWND dialog, int id, const wchar_t* time);
// The form's date text of a day, and the day of one (false when unreadable).
void DateTextOf(const SYSTEMTIME& day, wchar_t* text, size_t count);
bool DayOfText(const wchar_t* text, SYSTEMTIME* day);

// The control's text, at most `chars` characters, blanks trimmed.
std::wstring TrimmedText(HWND dialog, int id, int chars);
// The control's text into the buffer (cut to it).
void ReadText(HWND dialog, int id, wchar_t* text, int count);

// A message box with the caption, then the focus on the control.
void TellUser(HWND dialog, const wchar_t* text, const wchar_t* caption, int focusId);

// The input method of the control switched to Hangul conversion.
void UseHangulInput(HWND control);

// The chosen entry of a combo box (-1 none).
int ComboIndex(HWND dialog, int id);

// Fills a combo box with the texts and sets its text limit (0: none).
void FillCombo(HWND dialog, int id, std::span<const wchar_t* const> texts, int limit);
