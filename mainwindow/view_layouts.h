// The layouts that the views switch to besides their lists: the contact
// card with its three panels, and the detail layouts of the schedule, task
// and memo views. Each shows its controls and toolbar and hides the ones it
// replaces; the commands that open and close them set the modes and focus.
#pragma once

#include "platform/ce.h"

// The card over a contact view, with the panel of ContactCardPanel.
void ShowContactCard();
// Shows panel 0 (appointments), 1 (tasks) or 2 (memos) of the card, with its
// toolbar, and hides the other two.
void ShowCardPanel(int panel);
// The toolbar of panel 0-2 (null for another number).
HWND CardPanelToolbar(int panel);
// Hides every control of the card, its three lists and its three toolbars.
void HideContactCard();

void ShowScheduleDetail();
void HideScheduleDetail();
void ShowTaskDetail();
void HideTaskDetail();
void ShowMemoDetail();
void HideMemoDetail();

// The contact view laid out for the input panel: up, the list shortens and
// the search row rises above the panel with its button; down, the search
// row sits at the bottom under the index bar. Moves without repainting.
void LayOutContactView(bool panelUp);
