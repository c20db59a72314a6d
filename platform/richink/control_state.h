// The state of one Rich Ink control, shared by its window procedures, its
// painter and its streaming.
#pragma once

#include "platform/ce.h"
#include "platform/richink/ink_strokes.h"

#include <string>
#include <vector>

namespace richink {

struct Control {
    HWND window = nullptr;
    HWND page = nullptr;  // the multi-line edit that holds the typed text
    WNDPROC pageProc = nullptr;
    // The text as it came in, kept exactly (an edit may not hold every code
    // unit) until typing changes the page.
    std::wstring text;
    bool pageTyped = false;
    bool settingPage = false;
    std::vector<BYTE> ink;  // as streamed in, with new strokes appended
    std::vector<Stroke> strokes;  // the part of `ink` that draws
    int view = RIV_TYPING;
    int pageStyle = RIPS_LINED;
    int zoom = 100;
    bool inkMode = false;
    bool readOnly = false;
    HFONT font = nullptr;
    int lineHeight = 13;
    bool inking = false;
    Stroke stroke;  // the stroke being drawn
};

Control* ControlOf(HWND window);

// The typed text of the control, exactly as streamed in unless typed since.
const std::wstring& ContentText(Control& control);
// Replaces text and ink, as a stream-in or WM_SETTEXT does.
void ReplaceContent(Control& control, const std::wstring& text, std::vector<BYTE> ink);

}  // namespace richink
