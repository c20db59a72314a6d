#include "editors/page_layout.h"

#include "core/state.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFieldShrinkSteps = 8;

int WindowHeight(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return static_cast<int>(rect.bottom - rect.top);
}

// The rows of a drop list's field that show its text.
int TextRowsOfField(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info))
        return 0;
    return static_cast<int>(info.rcItem.bottom - info.rcItem.top);
}

// The pixel the field keeps clear on each side of its text (its focus frame).
constexpr int kFieldTextMargin = 1;

// The rows a line of the field's face needs: the face's height and the
// margin above and below it.
int RowsForText(HWND combo)
{
    HDC dc = GetDC(combo);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(combo, dc);
    return static_cast<int>(metrics.tmHeight) + 2 * kFieldTextMargin;
}

// A drop list's field takes the height of its face unless told. It is made
// as low as the height, but never so low that its text is cut across. The
// height asked for and the one the field then takes differ by its edges
// (and not the same on every system), so the asks step down one by one and
// the lowest whose text shows whole is kept.
void ShrinkField(HWND combo, int height)
{
    const int rowsNeeded = RowsForText(combo);
    const LRESULT original = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    int lowest = WindowHeight(combo);
    LRESULT best = -1;
    for (LRESULT ask = original - 1; ask > 0 && original - ask <= kFieldShrinkSteps && lowest > height; --ask) {
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ask);
        if (TextRowsOfField(combo) < rowsNeeded)
            break;
        if (WindowHeight(combo) <= lowest) {
            lowest = WindowHeight(combo);
            best = ask;
        }
    }
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), best > 0 ? best : original);
}

// The page's face is a little large for the given fields: such a list shows
// its items in the main program's regular face, a point smaller.
bool UseSmallerFace(HWND combo)
{
    if (!AppFonts.normal || reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)) == AppFonts.normal)
        return false;
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(AppFonts.normal), FALSE);
    return true;
}

// The width a drop list's field leaves for its text.
int FieldTextRoom(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(combo, &info))
        return 0;
    return static_cast<int>(info.rcItem.right - info.rcItem.left) - 2 * kFieldTextMargin;
}

int WidestItem(HWND combo, HFONT font)
{
    HDC dc = GetDC(combo);
    HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length < 0 || length >= static_cast<LRESULT>(ARRAYSIZE(text)))
            continue;
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, static_cast<int>(length), &size);
        widest = std::max<int>(widest, size.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(combo, dc);
    return widest;
}

// Two places side by side on one row: their tops differ by less than half
// the lower one's height.
bool SharesRow(const RECT& a, const RECT& b)
{
    const LONG shorter = std::min(a.bottom - a.top, b.bottom - b.top);
    return 2 * std::abs(a.top - b.top) < shorter;
}

}  // namespace

std::vector<RECT> PlacesWithoutOverlap(std::span<const PagePlace> places)
{
    std::vector<RECT> placed;
    for (const PagePlace& place : places)
        placed.push_back(place.rect);
    for (size_t i = 0; i < placed.size(); ++i) {
        for (size_t j = i + 1; j < placed.size(); ++j) {
            RECT both = {};
            if (places[i].group || places[j].group || !IntersectRect(&both, &placed[i], &placed[j]))
                continue;
            // The one that starts first ends where the other begins: a row
            // above ends at the next row's top, a label at its field's left.
            const bool sameRow = SharesRow(placed[i], placed[j]);
            const bool iFirst = sameRow ? placed[i].left < placed[j].left : placed[i].top < placed[j].top;
            RECT& first = iFirst ? placed[i] : placed[j];
            const RECT& second = iFirst ? placed[j] : placed[i];
            if (sameRow)
                first.right = second.left;
            else
                first.bottom = second.top;
        }
    }
    return placed;
}

void KeepDropListHeight(HWND combo, int height)
{
    if (WindowHeight(combo) > height)
        UseSmallerFace(combo);
    ShrinkField(combo, height);
}

void FitDropListItems(HWND combo)
{
    const int height = WindowHeight(combo);
    HFONT own = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
    if (WidestItem(combo, own) > FieldTextRoom(combo) && UseSmallerFace(combo))
        ShrinkField(combo, height);
}
