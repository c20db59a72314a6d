// Owner-drawn buttons that show a bitmap face: the editors' OK, continue,
// extend and cancel buttons, and any dialog that draws its buttons so.
#pragma once

#include "platform/ce.h"

#include <span>

// A button of a dialog and the bitmap its face is.
struct ButtonFace {
    int id;
    int bitmap;
};

// Draws the face (pressed: shifted a pixel, focused: a dotted frame) from
// the module's bitmap; a bitmap that is missing gives a plain face with the
// button's text. False when the item is not a button of the table.
bool DrawButtonFace(HINSTANCE module, const DRAWITEMSTRUCT& item, std::span<const ButtonFace> faces);

// Shows the bitmap in a static picture control of the dialog.
void SetPictureBitmap(HINSTANCE module, HWND dialog, int id, int bitmap);
// Frees the bitmap that SetPictureBitmap gave the control.
void FreePictureBitmap(HWND dialog, int id);
