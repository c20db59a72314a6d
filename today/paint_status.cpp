// The status line: battery, program memory and storage bars.
#include "today/painters.h"

#include "today/device_figures.h"
#include "today/layout.h"
#include "today/paint_tools.h"

#include <strsafe.h>

namespace {

constexpr COLORREF kBarGreen = 0x319621;
constexpr COLORREF kBarLow = 0x003CFF;
constexpr COLORREF kBarFrame = 0xC0C0C0;
constexpr int kLowBattery = 33;

void PaintBar(HDC dc, int cell, int percent, COLORREF fill, const wchar_t* figure)
{
    const RECT bar = StatusBarRect(cell);
    HBRUSH frame = CreateSolidBrush(kBarFrame);
    if (frame) {
        FrameRect(dc, &bar, frame);
        DeleteObject(frame);
    }
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    const int fillWidth = (bar.right - bar.left - 2) * percent / 100;
    RECT filled = {bar.left + 1, bar.top + 1, bar.left + 1 + fillWidth, bar.bottom - 1};
    if (filled.right > filled.left) {
        HBRUSH brush = CreateSolidBrush(fill);
        if (brush) {
            FillRect(dc, &filled, brush);
            DeleteObject(brush);
        }
    }
    SetTextColor(dc, static_cast<COLORREF>(Settings.HeaderColor));
    DrawTextCentred(dc, figure, bar);
}

void PaintBattery(HDC dc)
{
    const PowerFigures power = ReadPowerFigures();
    const bool unknown = power.percent == BATTERY_PERCENTAGE_UNKNOWN;
    const int shown = unknown ? 100 : power.percent;
    const bool low = (!unknown && shown < kLowBattery) || (unknown && !power.onAc && !power.charging);
    wchar_t text[16];
    StringCchPrintfW(text, ARRAYSIZE(text), L"%2d%%", shown);
    PaintBar(dc, 0, shown, low ? kBarLow : kBarGreen, text);
}

void PaintMemory(HDC dc)
{
    const MemoryFigures memory = ReadMemoryFigures();
    FormatMegabytes(memory.freeKilobytes, LastMemoryText, kFigureChars);
    PaintBar(dc, 1, memory.load, kBarGreen, LastMemoryText);
}

void PaintStorage(HDC dc)
{
    StorageFigures storage;
    if (!StorageFiguresShown || !ReadStorageFigures(&storage))
        return;
    FormatMegabytes(storage.totalKilobytes, LastStorageTotalText, kFigureChars);
    FormatMegabytes(storage.freeKilobytes, LastStorageFreeText, kFigureChars);
    PaintBar(dc, 2, UsedPercent(storage.totalKilobytes, storage.freeKilobytes), kBarGreen, LastStorageFreeText);
}

}  // namespace

void PaintStatusLine(HDC dc)
{
    PaintBattery(dc);
    PaintMemory(dc);
    PaintStorage(dc);
}
