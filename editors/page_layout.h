// How the preference pages' controls keep to their places on this screen:
// none laid over another, and drop lists no taller than their rows with
// their items whole in their fields.
#pragma once

#include "platform/ce.h"

#include <span>
#include <vector>

struct PagePlace {
    RECT rect;
    bool group;  // a group box holds the controls inside it
};
// The places with no two controls over each other: where two meet, the one
// that starts first ends where the other begins (a row at the next row's
// top, a label at its field's left edge).
std::vector<RECT> PlacesWithoutOverlap(std::span<const PagePlace> places);

// The drop list no taller than the height, as far as its text stays whole
// (in the main program's smaller face when the page's needs more).
void KeepDropListHeight(HWND combo, int height);
// A drop list whose items are wider than its field shows them in the
// smaller face, at the same height.
void FitDropListItems(HWND combo);
