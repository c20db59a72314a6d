// The steps the schedule and task editors share: the person field and its
// picker, the repeat list and the wizard, the recreation of an item whose
// repeat was removed, the insert-mode note and the buttons' faces.
#pragma once

#include "core/item_form.h"
#include "editors/bitmap_buttons.h"

#include <span>

// Posted to an editor when the picker has closed, to move the focus on.
constexpr UINT kMsgPersonPicked = WM_APP + 18;

// The person field as the editor opens: in the item's own view enabled,
// emptied (with AssigneeOid) for a new item, else the loaded person; from
// a contact card the card's contact, disabled.
void ShowPersonField(HWND dialog, int fieldId, int32_t itemView);

// The field got the focus: in the item's own view the picker runs once
// (the focus it gives back is not taken as a new request) and the field
// shows the person; elsewhere the focus goes to the cancel button.
void OnPersonFieldFocus(HWND dialog, int fieldId, int32_t itemView);
// The picker closed: the focus moves on past the field.
void OnPersonPicked(HWND dialog, int fieldId);

// The repeat list's custom entry was chosen: the wizard runs seeded from
// the start picker's date, then the list has the focus again.
void RunWizardFromEditor(HWND dialog, int listId, int startPickerId, wchar_t loadedCode);

// The repeat code chosen and whether it removes a loaded one.
struct RecurrenceChange {
    wchar_t code;
    bool removed;
};
RecurrenceChange ChosenRecurrence(HWND dialog, int listId, wchar_t loadedCode);

// Fills what the writers need of a custom rule before a save: the range
// start is the item's start date when none was stored.
void CompleteRecurrenceForSave();

// An item whose repeat was removed is made anew with the note of the Rich
// Ink control (in RichInkBody), and the old one deleted after: create with
// `add`, write the note and link with `update`, then `remove` the old item.
// 0, with the old item and its link kept, when the new one was not made.
struct ItemWriters {
    CEOID (*add)();
    CEOID (*update)(CEOID oid);
    bool (*remove)(CEOID oid);
};
CEOID RecreateWithNote(const ItemWriters& writers, CEOID oldOid);

// In update mode the note is a Rich Ink control at the note edit's place;
// the edit is hidden.
HWND ReplaceNoteWithRichInk(HWND dialog, int noteEditId);

// What every editor does alike with a command: the input-method pop-up's
// commands, the Rich Ink note's focus (Hangul input) and cancel. True when
// the command was one of them.
bool OnSharedEditorCommand(HWND dialog, int id, int code, HWND control, HWND note);

// "계속등록": the texts emptied, the repeat back to "한 번", in the item's
// own view the person too, and the focus on the title.
struct NextItemFields {
    std::span<const int> texts;
    int recurrenceList;
    int personField;
    int titleField;
};
void ClearForNextItem(HWND dialog, const NextItemFields& fields, int32_t itemView);

// The faces of the editors' four buttons in the edit mode, placed at y
// along the foot: update mode hides "계속등록" and moves the others left.
void PlaceEditorButtons(HWND dialog, bool update);
bool DrawEditorButton(const DRAWITEMSTRUCT& item, bool update);
void ShowEditorPictures(HWND dialog);
void FreeEditorPictures(HWND dialog);
