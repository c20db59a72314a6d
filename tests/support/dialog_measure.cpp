#include "tests/support/dialog_measure.h"

#include "tests/support/layout_check.h"
#include "tests/support/testkit.h"

#include <cstdio>

namespace dialogmeasure {

namespace {

// Where the control's text is drawn, in screen pixels: its lines as the
// control wraps them from its top left.
RECT TextArea(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT area = {0, 0, client.right, 0};
    const std::wstring text = testkit::WindowText(control);
    DrawTextW(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    IntersectRect(&area, &area, &client);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// The pixels of the area that differ between the screen and the control's
// own face (drawn alone into a bitmap of its size).
int PixelsNotItsOwn(HWND control, const RECT& area)
{
    RECT client = {};
    GetClientRect(control, &client);
    testkit::Canvas face(client.right, client.bottom, RGB(255, 0, 255));
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    const testkit::Image screen = testkit::CaptureScreen();
    POINT origin = {0, 0};
    ClientToScreen(control, &origin);
    int differing = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            differing += screen.At(x, y) != face.At(x - origin.x, y - origin.y);
    return differing;
}

}  // namespace

void SaveControlTable(HWND dialog, const std::wstring& name)
{
    const std::wstring path = testkit::TestRunDir() + L"\\layout-" + name + L".txt";
    FILE* file = _wfopen(path.c_str(), L"w");
    if (!file)
        return;
    for (const layout::ControlBox& box : layout::VisibleControls(dialog))
        fprintf(file, "%s\t%d\t%s\t%ld,%ld,%ld,%ld\n", layout::Utf8(name).c_str(), box.id,
                layout::Utf8(box.cls).c_str(), box.rect.left, box.rect.top, box.rect.right - box.rect.left,
                box.rect.bottom - box.rect.top);
    fclose(file);
}

std::vector<std::wstring> TextsPaintedOver(HWND dialog, const std::wstring& name)
{
    std::vector<std::wstring> found;
    const std::vector<layout::ControlBox> boxes = layout::VisibleControls(dialog);
    for (const layout::ControlBox& box : boxes) {
        HWND control = layout::ControlOf(dialog, box);
        if (!control || _wcsicmp(box.cls.c_str(), L"Static") != 0 || testkit::WindowText(control).empty())
            continue;
        const RECT area = TextArea(control);
        for (const layout::ControlBox& other : boxes) {
            RECT both = {};
            if (other.id == box.id || !IntersectRect(&both, &area, &other.rect))
                continue;
            HWND painter = layout::ControlOf(dialog, other);
            if (!painter)
                continue;
            RedrawWindow(painter, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            testkit::PumpPending();
            const int differing = PixelsNotItsOwn(control, area);
            if (differing > 0) {
                wchar_t detail[160];
                _snwprintf(detail, ARRAYSIZE(detail), L"%ls: the text of control %d is painted over by control %d (%d px)",
                           name.c_str(), box.id, other.id, differing);
                found.push_back(detail);
            }
        }
    }
    return found;
}

}  // namespace dialogmeasure
