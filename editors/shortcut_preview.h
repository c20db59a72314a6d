// The row of shortcut icons the extras page shows under its controls: two
// rows of ten 16-pixel icons, the selected one framed.
#pragma once

#include "platform/ce.h"

// Paints ShortcutPreviewRect with the icons of the list, or the empty text
// (in the font given) when there are none.
void PaintShortcutPreview(HDC dc, HFONT font);

// The shortcut under a pen-down point of the page, -1 for none (a gap
// between icons, outside the rows, or a slot past the last shortcut).
int ShortcutAtPoint(int x, int y);
