// The colour picker "색상 선택" (dialog 308): 48 fixed colours.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK ColorPickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs the picker modally over the owner; its answer is in PickedColor.
void RunColorPicker(HWND owner);

// The colour of a picker swatch id, -1 for another id.
int PaletteColorOf(int swatchId);

// Fills a swatch button with the colour inside a black one-pixel frame.
void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour);
