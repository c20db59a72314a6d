// What the item's pop-ups share: each is a modeless dialog made once from
// its resource with the item window as parent, and only one is shown at a
// time. They have no caption: a framed white page with the title in the
// top band (where the pen drags the pop-up), a close box at its right end,
// grey static texts and owner-drawn buttons with bitmap faces.
#pragma once

#include "today/state.h"

// Faces of the owner-drawn buttons, in the order of their strip.
enum class PopupFace { Close, Edit, Delete, Mobile, Phone, Mail, Home, Previous, Next, Count };
// The 16 x 16 marks, in the order of their strip.
enum class PopupMark { CloseBox, Alarm, Recurrence, Complete, Count };

constexpr int kPopupButtonWidth = 35;
constexpr int kPopupButtonHeight = 16;
constexpr int kPopupMarkSize = 16;
constexpr int kPopupTitleBand = 17;

struct ButtonFace {
    int id;
    PopupFace face;
};

// A control's place in pixels of the pop-up's client area. x counts from
// the left edge or from the middle of the pop-up; a width of 0 or less is
// the screen's width plus it.
enum class PlaceFrom { Left, Middle };
struct ControlPlace {
    int id;
    PlaceFrom from;
    int x;
    int y;
    int width;
    int height;
};

struct PopupLayout {
    int resource;
    DLGPROC procedure;
    int titleBand;  // rows of the title bar and the close box
    const ButtonFace* faces;
    size_t faceCount;
    void (*paintExtra)(HWND dialog, HDC dc);  // after the frame; null when none
};

// The pop-up, made on first use; null when it cannot be made.
HWND EnsurePopup(PopupKind kind, const PopupLayout& layout);
// Hides the others and shows this one at the place given (screen pixels).
void ShowPopup(PopupKind kind, int x, int y, int width, int height);
void HidePopup(PopupKind kind);
// Destroys every pop-up that was made (and the Rich Ink page with it).
void DestroyPopups();

// Moves the controls to their places for a pop-up of that width.
void PlaceControls(HWND dialog, const ControlPlace* places, size_t count, int popupWidth);
void SetControlText(HWND dialog, int id, const wchar_t* text);
std::wstring ControlText(HWND dialog, int id);
void DrawPopupMark(HDC dc, PopupMark mark, int x, int y);

// Handles what every pop-up does: painting the frame, title and close box,
// the colours of the page and its statics, the button faces, the drag by
// the title bar and the close box. True when the message was handled, with
// the dialog procedure's result.
bool HandlePopupMessage(PopupKind kind, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result);
