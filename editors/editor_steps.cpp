#include "editors/editor_steps.h"

#include "core/input_method_menu.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "editors/assignee_picker.h"
#include "editors/editor_controls.h"
#include "editors/recurrence_choices.h"
#include "editors/recurrence_wizard.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

#include <vector>

namespace {

constexpr int kButtonY = 273;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 20;
constexpr int kButtonPitch = 51;

// Set while the picker runs and until its focus has settled.
bool personPickerBusy = false;

const ButtonFace kInsertFaces[] = {
    {IDC_EDITOR_OK, IDB_EDITOR_OK_NEW},
    {IDC_EDITOR_CONTINUE, IDB_EDITOR_CONTINUE},
    {IDC_EDITOR_EXTEND, IDB_EDITOR_EXTEND_NEW},
    {IDCANCEL, IDB_EDITOR_CANCEL},
};
const ButtonFace kUpdateFaces[] = {
    {IDC_EDITOR_OK, IDB_EDITOR_OK_UPDATE},
    {IDC_EDITOR_EXTEND, IDB_EDITOR_EXTEND_UPDATE},
    {IDCANCEL, IDB_EDITOR_CANCEL},
};

}  // namespace

void ShowPersonField(HWND dialog, int fieldId, int32_t itemView)
{
    bool ownView = CurrentView == itemView;
    if (ownView && EditMode == kEditInsert) {
        AssigneeOid = 0;
        AssigneeName[0] = L'\0';
    }
    SetDlgItemTextW(dialog, fieldId, AssigneeName);
    EnableControl(dialog, fieldId, ownView);
}

void OnPersonFieldFocus(HWND dialog, int fieldId, int32_t itemView)
{
    if (CurrentView != itemView) {
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return;
    }
    if (personPickerBusy)
        return;
    personPickerBusy = true;
    RunAssigneePicker(dialog);
    SetDlgItemTextW(dialog, fieldId, AssigneeName);
    PostMessageW(dialog, kMsgPersonPicked, static_cast<WPARAM>(fieldId), 0);
}

void OnPersonPicked(HWND dialog, int fieldId)
{
    HWND next = GetNextDlgTabItem(dialog, GetDlgItem(dialog, fieldId), FALSE);
    SetFocus(next ? next : GetDlgItem(dialog, IDC_EDITOR_OK));
    personPickerBusy = false;
}

void RunWizardFromEditor(HWND dialog, int listId, int startPickerId, wchar_t loadedCode)
{
    bool asNewRule = EditMode == kEditInsert || loadedCode == L'0';
    OpenRecurrenceWizard(dialog, PickerTime(dialog, startPickerId), asNewRule);
    SetFocus(GetDlgItem(dialog, listId));
}

RecurrenceChange ChosenRecurrence(HWND dialog, int listId, wchar_t loadedCode)
{
    int index = static_cast<int>(SendDlgItemMessageW(dialog, listId, CB_GETCURSEL, 0, 0));
    if (index < 0 || index >= kRecurrenceChoices)
        index = kChoiceOnce;
    RecurrenceChange change;
    change.code = static_cast<wchar_t>(L'0' + index);
    change.removed = EditMode == kEditUpdate && loadedCode != L'0' && index == kChoiceOnce;
    return change;
}

void CompleteRecurrenceForSave()
{
    RecurrenceRule& rule = RecurrencePatternState;
    if (ItemFormState.RecurrenceCode == L'4' && rule.RangeStart[0] == L'\0')
        StringCchCopyW(rule.RangeStart, ARRAYSIZE(rule.RangeStart), ItemFormState.StartDate);
}

CEOID RecreateWithNote(const ItemWriters& writers, CEOID oldOid)
{
    // The new item takes the note from RichInkBody, which the first write
    // leaves alone; its link comes from the pending person, so it is kept
    // for the second write, which the link writers may clear it before.
    CEOID person = AssigneeOid;
    ItemFormState.Body[0] = L'\0';
    CEOID made = writers.add();
    if (made == 0) {
        FreeRichInkBody();
        return 0;
    }
    AssigneeOid = person;
    CEOID noted = writers.update(made);
    if (noted == 0) {
        AssigneeOid = person;
        writers.remove(made);
        return 0;
    }
    writers.remove(oldOid);
    return noted;
}

HWND ReplaceNoteWithRichInk(HWND dialog, int noteEditId)
{
    // Each editor places its note where its own layout has room for it.
    HWND edit = GetDlgItem(dialog, noteEditId);
    RECT place = {};
    GetWindowRect(edit, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    ShowControl(dialog, noteEditId, false);
    return CreateRichInkControl(dialog, &place);
}

bool OnSharedEditorCommand(HWND dialog, int id, int code, HWND control, HWND note)
{
    if (id >= IDM_INPUT_METHOD_FIRST && id < IDM_INPUT_METHOD_FIRST + kMaxInputMethods) {
        ChooseInputMethodCommand(static_cast<UINT>(id));
        return true;
    }
    if (control && control == note) {
        if (code == EN_SETFOCUS)
            UseHangulInput(control);
        return true;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return true;
    }
    return false;
}

void ClearForNextItem(HWND dialog, const NextItemFields& fields, int32_t itemView)
{
    for (int id : fields.texts)
        SetDlgItemTextW(dialog, id, L"");
    SendDlgItemMessageW(dialog, fields.recurrenceList, CB_SETCURSEL, kChoiceOnce, 0);
    if (CurrentView == itemView) {
        AssigneeOid = 0;
        AssigneeName[0] = L'\0';
        SetDlgItemTextW(dialog, fields.personField, L"");
    }
    SetFocus(GetDlgItem(dialog, fields.titleField));
}

void PlaceEditorButtons(HWND dialog, bool update)
{
    std::span<const ButtonFace> faces = update ? std::span<const ButtonFace>(kUpdateFaces)
                                               : std::span<const ButtonFace>(kInsertFaces);
    int x = 1;
    for (const ButtonFace& face : faces) {
        MoveWindow(GetDlgItem(dialog, face.id), x, kButtonY, kButtonWidth, kButtonHeight, FALSE);
        x += kButtonPitch;
    }
    ShowControl(dialog, IDC_EDITOR_CONTINUE, !update);
}

bool DrawEditorButton(const DRAWITEMSTRUCT& item, bool update)
{
    if (update)
        return DrawButtonFace(AppInstance, item, kUpdateFaces);
    return DrawButtonFace(AppInstance, item, kInsertFaces);
}

void ShowEditorPictures(HWND dialog)
{
    const ControlPlace places[] = {{IDC_EDITOR_PEN, 205, 271, 20, 20}, {IDC_EDITOR_RIBBON, 225, 271, 12, 20}};
    SetPictureBitmap(AppInstance, dialog, IDC_EDITOR_PEN, IDB_EDITOR_PEN);
    SetPictureBitmap(AppInstance, dialog, IDC_EDITOR_RIBBON, IDB_EDITOR_RIBBON);
    PlaceControls(dialog, places);
}

void FreeEditorPictures(HWND dialog)
{
    FreePictureBitmap(dialog, IDC_EDITOR_PEN);
    FreePictureBitmap(dialog, IDC_EDITOR_RIBBON);
}
