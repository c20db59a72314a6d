#include "tests/hardening/recorded_paint.h"

#include <algorithm>

namespace hardening {

namespace {

void Reach(Drawing& drawing, LONG x, LONG y)
{
    if (!drawing.any)
        drawing.reach = {x, y, x, y};
    drawing.any = true;
    drawing.reach.left = std::min(drawing.reach.left, x);
    drawing.reach.top = std::min(drawing.reach.top, y);
    drawing.reach.right = std::max(drawing.reach.right, x);
    drawing.reach.bottom = std::max(drawing.reach.bottom, y);
}

void Read(Drawing& drawing, const EMR& record)
{
    switch (record.iType) {
    case EMR_CREATEPEN:
        drawing.widestPen =
            std::max<int>(drawing.widestPen, reinterpret_cast<const EMRCREATEPEN&>(record).lopn.lopnWidth.x);
        break;
    case EMR_EXTCREATEPEN:
        drawing.widestPen =
            std::max<int>(drawing.widestPen, static_cast<int>(reinterpret_cast<const EMREXTCREATEPEN&>(record).elp.elpWidth));
        break;
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX&>(record).ptl;
        Reach(drawing, p.x, p.y);
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO&>(record).ptl;
        Reach(drawing, p.x, p.y);
        ++drawing.lines;
        break;
    }
    case EMR_ELLIPSE: {
        const RECTL& box = reinterpret_cast<const EMRELLIPSE&>(record).rclBox;
        Reach(drawing, box.left, box.top);
        Reach(drawing, box.right, box.bottom);
        break;
    }
    }
}

}  // namespace

Drawing RecordPaint(const richink::Control& control, const std::vector<richink::Stroke>& strokes)
{
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    for (const richink::Stroke& stroke : strokes)
        richink::PaintStroke(dc, control, stroke, 0);
    HENHMETAFILE recording = CloseEnhMetaFile(dc);
    std::vector<BYTE> bytes(GetEnhMetaFileBits(recording, 0, nullptr));
    GetEnhMetaFileBits(recording, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(recording);
    Drawing drawing;
    for (size_t at = 0; at + sizeof(EMR) <= bytes.size();) {
        const auto& record = *reinterpret_cast<const EMR*>(bytes.data() + at);
        if (record.nSize < sizeof(EMR) || at + record.nSize > bytes.size())
            break;
        Read(drawing, record);
        at += record.nSize;
    }
    return drawing;
}

}  // namespace hardening
