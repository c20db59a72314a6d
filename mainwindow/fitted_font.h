// A face made small enough for a text that must fit a place of fixed width.
#pragma once

#include "platform/ce.h"

// The face of `font` at the largest height, not above its own, at which
// `text` is at most `width` pixels wide (the smallest tried when none is);
// null when the font cannot be read. The caller deletes it.
HFONT CreateFittedFont(HFONT font, const wchar_t* text, int width);
