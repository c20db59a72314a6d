#include "editors/shortcut_preview.h"

#include "core/drawing.h"
#include "editors/preferences_state.h"

namespace {

constexpr COLORREF kPreviewBackground = 0xC6CFDE;
constexpr int kColumns = 10;
constexpr int kRows = 2;
constexpr int kColumnStep = 22;
constexpr int kRowStep = 21;
// The pen's band of each column and row, both edges inside.
constexpr int kHitLeft = 11, kHitRight = 29;
constexpr int kHitTop = 202, kHitBottom = 220;
// Where icon 0 is drawn and its frame when selected.
constexpr int kIconLeft = 12, kIconTop = 203;
constexpr int kFrameLeft = 10, kFrameTop = 201, kFrameSize = 20;
constexpr RECT kEmptyTextRect = {7, 212, 232, 232};
constexpr wchar_t kNoShortcuts[] = L"설정된 '바로가기'가 없습니다";

// The index of the band holding the value, -1 in a gap or outside.
int Band(int value, int first, int last, int step, int count)
{
    for (int i = 0; i < count; ++i) {
        if (value >= first + step * i && value <= last + step * i)
            return i;
    }
    return -1;
}

void DrawEmptyText(HDC dc, HFONT font)
{
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    RECT place = kEmptyTextRect;
    DrawTextW(dc, kNoShortcuts, -1, &place, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if (oldFont)
        SelectObject(dc, oldFont);
}

}  // namespace

void PaintShortcutPreview(HDC dc, HFONT font)
{
    RECT area = ShortcutPreviewRect;
    FillSolidRect(dc, &area, kPreviewBackground);
    if (ShortcutPathCount == 0) {
        DrawEmptyText(dc, font);
        return;
    }
    for (int i = 0; i < ShortcutPathCount && i < kColumns * kRows; ++i) {
        const int column = i % kColumns;
        const int row = i / kColumns;
        if (ShortcutIcons[i])
            DrawIconEx(dc, kIconLeft + kColumnStep * column, kIconTop + kRowStep * row, ShortcutIcons[i], 0, 0, 0,
                       nullptr, DI_NORMAL);
    }
    if (ShortcutSelection >= 0 && ShortcutSelection < ShortcutPathCount) {
        const int left = kFrameLeft + kColumnStep * (ShortcutSelection % kColumns);
        const int top = kFrameTop + kRowStep * (ShortcutSelection / kColumns);
        DrawOutlinedRect(dc, 1, left, top, left + kFrameSize, top + kFrameSize, RGB(0, 0, 0));
    }
}

int ShortcutAtPoint(int x, int y)
{
    const int column = Band(x, kHitLeft, kHitRight, kColumnStep, kColumns);
    const int row = Band(y, kHitTop, kHitBottom, kRowStep + 0, kRows);
    if (column < 0 || row < 0)
        return -1;
    const int index = kColumns * row + column;
    return index < ShortcutPathCount ? index : -1;
}
