// Rich Ink controls and the shared body: creating a control, streaming
// RichInkBody in and out, and the memo editor's view settings.
#pragma once

#include "core/state.h"

// A child "RichInk" control at the rectangle (id 0, visible, border, vertical
// scroll bar) set to the lined page and zoom 100 %. Null, with nothing sent,
// when the class is not registered.
HWND CreateRichInkControl(HWND parent, const RECT* rect);

// Streams RichInkBody into the control (an empty body empties it). False when
// the control reports an error.
bool StreamTextIntoRichInk(HWND control);

// Replaces RichInkBody with the control's content: a counting pass, then a
// copy pass into a buffer of that size. An empty control gives a count of 0
// with a two-byte zero buffer. False, leaving the body empty, when the buffer
// cannot be allocated or a pass fails; false, with the body untouched, when
// control is not a window.
bool StreamTextOutOfRichInk(HWND control);

// The memo editor's mode: ink flag 1 and view 2 for ink, 0 and 3 for typing.
void ApplyRichInkViewSettings(HWND control, int inkFlag, int view);

// Stream-in cookie: the body and how far it has been read.
struct RichInkInCookie {
    const BYTE* start;
    const BYTE* position;
    DWORD total;
};
// Stream-out cookie: without a buffer only the total is counted; with one,
// each block is copied, cut to the room left.
struct RichInkOutCookie {
    BYTE* buffer;
    DWORD limit;
    DWORD position;
};

// Edit-stream callbacks; the cookie is a RichInkInCookie or RichInkOutCookie.
DWORD CALLBACK RichInkStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
DWORD CALLBACK RichInkStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);

// The view of a body shown under a list: ink mode, the ink view, zoom
// 100 % and the page without margins.
void ApplyRichInkPreviewView(HWND control);
