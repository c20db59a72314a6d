// Drawing of the Rich Ink page: the rules of a lined page and the strokes.
#pragma once

#include "platform/richink/control_state.h"

namespace richink {

// Where page pixels at zoom 100 land in the page window, and back.
POINT PageToWindow(const Control& control, POINT page, int scrollY);
POINT WindowToPage(const Control& control, POINT window, int scrollY);

// The page window's pixels scrolled off its top.
int PageScrollY(const Control& control);

// Rules (lined pages only) and every stroke, over what the edit painted.
void PaintInkLayer(HDC dc, const Control& control);
// One stroke, or its last segment while it is drawn.
void PaintStroke(HDC dc, const Control& control, const Stroke& stroke, int scrollY, size_t fromPoint = 0);

}  // namespace richink
