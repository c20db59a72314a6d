// The keys of the device's keyboard and phone keypad in the main window's
// lists: one table of rules per kind of list, looked up by key, phone model
// and state.
#pragma once

#include "platform/ce.h"

#include <initializer_list>

// Key codes of the tables besides the usual virtual keys.
constexpr UINT kKeyShift = VK_SHIFT;
constexpr UINT kKeyAction = 134;       // the LG action key (PhoneModel 4)
constexpr UINT kKeyNext136 = 136;
constexpr UINT kKeyPrevious137 = 137;
constexpr UINT kKeyProcess = 229;      // a key the input method took
constexpr UINT kKeyPeriod = 190;
// '3' and '8' after Shift.
constexpr UINT kKeyHash = 0x10000 + '#';
constexpr UINT kKeyStar = 0x10000 + '*';

// The kinds of list, each with its own table; pick lists have none.
enum class KeyTable { None, IndexTabs, Keypad, PickStep, Schedule, CardPanel };

// What a key does.
enum class KeyEffect {
    SendToMain,        // the rule's command to the main window
    SendToToolbar,     // the rule's command to the toolbar window
    NextIndexTab,
    PreviousIndexTab,
    NextPick,          // the list's pick list one row on, wrapping
    PreviousPick,
    OpenPopup,         // the list's popup menu, as tap-and-hold
    SendLeft,          // the list's own Left / Right command
    SendRight,
    MoveUp,            // the selection one row up or down in a detail layout
    MoveDown,
};

// When a rule applies, besides its key and models.
enum KeyCondition : unsigned {
    kAlways = 0,
    kOnAction = 1u << 0,     // Enter taken as action
    kOnClear = 1u << 1,      // Enter taken as clear
    kNotInDetail = 1u << 2,  // the list's view is not in its detail layout
    kInDetail = 1u << 3,
};

struct KeyRule {
    UINT key;
    BYTE models;  // bit n: PhoneModel n
    unsigned when;
    KeyEffect effect;
    UINT command;
};

constexpr BYTE kAnyModel = 0x1F;
constexpr BYTE Models(std::initializer_list<int> models)
{
    BYTE bits = 0;
    for (int model : models)
        bits = static_cast<BYTE>(bits | (1u << model));
    return bits;
}

// The state a key is judged in.
struct KeyState {
    int phoneModel;
    bool inDetail;
    bool action;  // Enter counts as action (else clear)
};

// The rule the key takes in the table, or null when the table names none
// (the list then handles the key as usual).
const KeyRule* FindKeyRule(KeyTable table, UINT key, const KeyState& state);

// Enter is the action key unless an LG phone's action key was not pressed
// before it.
bool EnterIsAction(int phoneModel, bool actionKeyPending);
