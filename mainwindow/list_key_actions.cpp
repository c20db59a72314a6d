#include "mainwindow/list_key_actions.h"

#include "lists/list_refill.h"
#include "mainwindow/device_class.h"
#include "mainwindow/list_popups.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

namespace {

void SendToMain(UINT command)
{
    SendMessageW(MainWindow, WM_COMMAND, command, 0);
}

// The index tab one on or back, wrapping between all (0) and search (15).
void StepIndexTab(int step)
{
    IndexTab = (IndexTab + step + kIndexTabCount) % kIndexTabCount;
    SendToMain(IDC_INDEX_TAB_FIRST + IndexTab);
}

// The pick list one row on or back, wrapping; its row change sets the
// choice before the governed list is refilled with it.
void StepPick(const PickStepper& stepper, HWND governed, int step)
{
    int count = *stepper.count > 0 ? *stepper.count : 1;
    int row = (*stepper.row + step + count) % count;
    SelectListRow(*stepper.pickList, row);
    *stepper.row = row;
    stepper.refill();
    if (governed)
        SetFocus(governed);
}

UINT NeighbourCommand(UINT command)
{
    if (command != kContactSubViewTab)
        return command;
    switch (ContactSubView) {
    case 'C': return IDC_COMPANY_VIEW_TAB;
    case 'G': return IDC_GROUP_VIEW_TAB;
    }
    return IDC_SEARCH_VIEW_TAB;
}

// Up and Down in a detail layout move by one row, never past an end; the
// preview follows (also at an end).
void MoveInDetail(const MainListDef& def, HWND list, NMLVKEYDOWN* key, int step)
{
    int& selection = *def.selection;
    int row = selection + step;
    if (row >= 0 && row < *def.rowCount) {
        selection = row;
        key->wVKey = 0;
        SelectListRow(list, row);
    }
    if (def.preview)
        def.preview();
}

void Run(const KeyRule& rule, const MainListDef& def, HWND list, NMLVKEYDOWN* key)
{
    switch (rule.effect) {
    case KeyEffect::SendToMain: SendToMain(rule.command); break;
    case KeyEffect::SendToToolbar: SendItemCommand(rule.command); break;
    case KeyEffect::NextIndexTab: StepIndexTab(1); break;
    case KeyEffect::PreviousIndexTab: StepIndexTab(-1); break;
    case KeyEffect::NextPick:
        if (def.stepper)
            StepPick(*def.stepper, list, 1);
        break;
    case KeyEffect::PreviousPick:
        if (def.stepper)
            StepPick(*def.stepper, list, -1);
        break;
    case KeyEffect::OpenPopup: OpenListPopup(def, PopupPointOfSelection(list)); break;
    case KeyEffect::SendLeft: SendToMain(NeighbourCommand(def.left)); break;
    case KeyEffect::SendRight: SendToMain(NeighbourCommand(def.right)); break;
    case KeyEffect::MoveUp: MoveInDetail(def, list, key, -1); break;
    case KeyEffect::MoveDown: MoveInDetail(def, list, key, 1); break;
    }
}

// Shift makes the next '3' or '8' a '#' or '*' in every list but the card's
// panels; in the schedule list only outside its detail layout.
bool TakesShift(const MainListDef& def, bool inDetail)
{
    return def.keys != KeyTable::CardPanel && !(def.keys == KeyTable::Schedule && inDetail);
}

UINT ShiftedKey(const MainListDef& def, UINT key)
{
    if (def.keys == KeyTable::CardPanel || !KeypadShiftPending || (key != '3' && key != '8'))
        return key;
    KeypadShiftPending = false;
    return key == '3' ? kKeyHash : kKeyStar;
}

}  // namespace

void OnListKeyDown(const MainListDef& def, NMLVKEYDOWN* key)
{
    HWND list = key->hdr.hwndFrom;
    SetLatinInputSamsung(list);
    bool inDetail = InDetailLayout(def);
    UINT code = key->wVKey;
    if (code == kKeyShift) {
        if (TakesShift(def, inDetail))
            KeypadShiftPending = true;
        return;
    }
    if (code == kKeyAction && PhoneModel == kPhoneLg) {
        ActionKeyPending = true;
        return;
    }
    code = ShiftedKey(def, code);
    bool action = true;
    if (code == VK_RETURN) {
        action = EnterIsAction(PhoneModel, ActionKeyPending);
        ActionKeyPending = false;
    }
    if (const KeyRule* rule = FindKeyRule(def.keys, code, {PhoneModel, inDetail, action}))
        Run(*rule, def, list, key);
}
