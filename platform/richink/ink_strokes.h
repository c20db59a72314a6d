// Ink strokes as the body's ink bytes hold them (layout in ink_stream.h).
#pragma once

#include "platform/ce.h"

#include <cstdint>
#include <vector>

namespace richink {

struct Stroke {
    uint16_t width = 2;  // pen width in page pixels
    COLORREF colour = RGB(0, 0, 0);
    std::vector<POINT> points;  // page pixels at zoom 100
};

// The strokes at the start of the ink bytes, up to the first that does not
// parse (such bytes are kept by the caller, just not drawn).
std::vector<Stroke> DecodeStrokes(const BYTE* ink, size_t size);

// Appends one stroke's bytes to the ink.
void AppendStroke(std::vector<BYTE>& ink, const Stroke& stroke);

}  // namespace richink
