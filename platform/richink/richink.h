// The Rich Ink control: a page of typed text with ink strokes over it,
// streamed in and out as a Rich Ink body (ink_stream.h).
//
// Create it as a child of class "RichInk" after InitRichInkDLL. The page is
// a multi-line edit, so typed text is edited as in any edit control; ink
// strokes are drawn over the text and scroll with it.
//
// Messages beside the edit ones:
//   EM_SETVIEW (1308)         wParam RIV_INK: the pen writes ink (when the
//                             ink mode is on too), RIV_TYPING: the pen
//                             places the caret and selects.
//   EM_SETPAGESTYLE (1311)    wParam RIPS_LINED (default): a ruled writing
//                             page; RIPS_PLAIN: a blank typing page;
//                             RIPS_PREVIEW: a blank page without margins.
//   EM_SETZOOMPERCENT (1314)  lParam zoom in percent (25-400) of text and ink.
//   EM_SETINKMODE (1353)      wParam 1: ink mode on, 0: off.
//   EM_SETREADONLY            no typing and no new ink.
//   EM_STREAMIN (1097), EM_STREAMOUT (1098) with SF_RICHINK_BODY: the whole
//     content as a body, through the EDITSTREAM callback in blocks of at most
//     RICHINK_STREAM_BLOCK bytes. A callback result other than 0 stops the
//     stream and lands in dwError. Stream-in ends when the callback gives 0
//     bytes; a body that does not read leaves the content as it was and sets
//     dwError to ERROR_INVALID_DATA. Both return the bytes moved. An empty
//     control streams out 0 bytes without calling the callback.
//   WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH: the typed text; ink is kept.
// The pen writes ink only in the ink view with ink mode on and not read-only.
// Notifications to the parent (control id from the window): WM_NOTIFY with
// NM_CLICK on a tap and NM_SETFOCUS when the page takes the focus;
// WM_COMMAND with EN_SETFOCUS, EN_KILLFOCUS and EN_CHANGE (typing or a new
// stroke) from the control's handle.
#pragma once

#include <richedit.h>

#include "platform/richink/ink_stream.h"

#define WC_RICHINKW L"RichInk"

#define EM_SETVIEW (WM_USER + 284)
#define EM_SETPAGESTYLE (WM_USER + 287)
#define EM_SETZOOMPERCENT (WM_USER + 290)
#define EM_SETINKMODE (WM_USER + 329)

#define RIV_INK 2
#define RIV_TYPING 3

#define RIPS_PLAIN 2
#define RIPS_LINED 16
#define RIPS_PREVIEW 32

#define RICHINK_STREAM_BLOCK 4096

// Registers the "RichInk" window class for every module of the process.
CEAPI void WINAPI InitRichInkDLL();
