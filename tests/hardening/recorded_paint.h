// What the ink painter asks of GDI, read back from an enhanced-metafile
// recording of a paint: the widest pen and every point it hands over.
#pragma once

#include "platform/richink/ink_painter.h"

#include <vector>

namespace hardening {

struct Drawing {
    int widestPen = 0;
    int lines = 0;
    bool any = false;  // a point was handed over
    RECT reach = {};   // the points handed over, when any
};

Drawing RecordPaint(const richink::Control& control, const std::vector<richink::Stroke>& strokes);

}  // namespace hardening
