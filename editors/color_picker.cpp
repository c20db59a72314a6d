#include "editors/color_picker.h"

#include "core/drawing.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 6;
constexpr int kSwatchCount = kColumns * kRows;
constexpr int kSwatchSize = 20;
constexpr int kSwatchStep = 24;
constexpr int kFirstLeft = 10, kFirstTop = 20;
constexpr RECT kDialogPlace = {15, 47, 15 + 210, 47 + 209};

// Row by row, as the swatch ids run.
constexpr COLORREF kPalette[kSwatchCount] = {
    0x8080FF, 0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF,
    0x0000FF, 0x00FFFF, 0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF,
    0x404080, 0x4080FF, 0x00FF00, 0x808000, 0x804000, 0xFF8080, 0x400080, 0x8000FF,
    0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000, 0x800080, 0xFF0080,
    0x000040, 0x004080, 0x004000, 0x404000, 0x800000, 0x400000, 0x400040, 0x800040,
    0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x400040, 0xFFFFFF,
};
static_assert(IDC_PICKER_LAST_SWATCH - IDC_PICKER_FIRST_SWATCH + 1 == kSwatchCount);

void OnInit(HWND dialog)
{
    MoveWindow(dialog, kDialogPlace.left, kDialogPlace.top, kDialogPlace.right - kDialogPlace.left,
               kDialogPlace.bottom - kDialogPlace.top, FALSE);
    for (int i = 0; i < kSwatchCount; ++i) {
        MoveWindow(GetDlgItem(dialog, IDC_PICKER_FIRST_SWATCH + i), kFirstLeft + kSwatchStep * (i % kColumns),
                   kFirstTop + kSwatchStep * (i / kColumns), kSwatchSize, kSwatchSize, FALSE);
    }
}

void OnCommand(HWND dialog, int id)
{
    const int colour = PaletteColorOf(id);
    if (colour >= 0) {
        PickedColor = colour;
        EndDialog(dialog, id);
    } else if (id == IDCANCEL) {
        PickedColor = -1;
        EndDialog(dialog, id);
    }
}

}  // namespace

int PaletteColorOf(int swatchId)
{
    if (swatchId < IDC_PICKER_FIRST_SWATCH || swatchId > IDC_PICKER_LAST_SWATCH)
        return -1;
    return static_cast<int>(kPalette[swatchId - IDC_PICKER_FIRST_SWATCH]);
}

void DrawSwatch(const DRAWITEMSTRUCT& item, COLORREF colour)
{
    RECT area = item.rcItem;
    FillSolidRect(item.hDC, &area, colour);
    DrawOutlinedRect(item.hDC, 1, area.left, area.top, area.right, area.bottom, RGB(0, 0, 0));
}

INT_PTR CALLBACK ColorPickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const int colour = PaletteColorOf(static_cast<int>(item.CtlID));
        if (colour < 0)
            return FALSE;
        DrawSwatch(item, static_cast<COLORREF>(colour));
        return TRUE;
    }
    }
    return FALSE;
}

void RunColorPicker(HWND owner)
{
    PickedColor = -1;
    DialogBoxW(AppInstance, MAKEINTRESOURCEW(IDD_COLOR_PICKER), owner, ColorPickerDlgProc);
}
