// Small routines of the views that the view switch and the commands share:
// the keypad's repaint, the index bar's show, the focus of the current
// state, the main lists, and the Latin input mode of a list.
#pragma once

#include "platform/ce.h"

// Repaints (with erase) the twelve keypad keys, whose faces follow the
// keypad layout and the keypad's search field.
void RepaintViewWindows();

// Applies the show command to the sixteen index-bar buttons.
void ShowViewWindows(int showCommand);

// The main list of view 0-7 (null for another number).
HWND MainListOfView(int view);
// The list of the contact card's panel 0-2.
HWND CardPanelList(int panel);

// The focus goes to the list of the present state: the current view's list,
// or in a contact view with the card open the list of the card's panel.
void FocusCurrentView();

// The window's input context to Latin letters and digits (conversion 0);
// the Samsung variant also sets 0x30000 there on a Samsung device.
void SetLatinInput(HWND window);
void SetLatinInputSamsung(HWND window);

// True when all three detail modes are 'M' (no detail, no card open).
bool AllListLayouts();
