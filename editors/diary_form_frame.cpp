#include "editors/diary_form_frame.h"

#include "editors/bitmap_buttons.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

// No bitmap of that number: the button is drawn plain with its text.
constexpr int kPlainFace = 0;

}  // namespace

void StartDiaryForm(HWND dialog, std::span<const ControlPlace> places, int saveId)
{
    MakeFullScreen(dialog);
    PlaceControls(dialog, places);
    const ControlPlace buttons[] = {
        {saveId, 1, kFormButtonY, kFormButtonWidth, kFormButtonHeight},
        {IDCANCEL, 2 + kFormButtonWidth, kFormButtonY, kFormButtonWidth, kFormButtonHeight},
    };
    PlaceControls(dialog, buttons);
}

bool DrawDiaryFormButton(const DRAWITEMSTRUCT& item, bool update)
{
    if (item.CtlType != ODT_BUTTON)
        return false;
    const ButtonFace faces[] = {
        {IDC_EDITOR_OK, update ? IDB_EDITOR_OK_UPDATE : IDB_EDITOR_OK_NEW},
        {IDCANCEL, IDB_EDITOR_CANCEL},
        {static_cast<int>(item.CtlID), kPlainFace},
    };
    // The first matching row wins, so the save and cancel faces come first.
    const ButtonFace* face = &faces[2];
    for (const ButtonFace& f : faces) {
        if (static_cast<UINT>(f.id) == item.CtlID) {
            face = &f;
            break;
        }
    }
    return DrawButtonFace(AppInstance, item, std::span<const ButtonFace>(face, 1));
}
