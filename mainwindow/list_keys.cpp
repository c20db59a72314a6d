#include "mainwindow/list_keys.h"

#include "resources/resource.h"

namespace {

constexpr BYTE kHp = Models({1});
constexpr BYTE kHarrowell = Models({2});
constexpr BYTE kSamsung = Models({3});
constexpr BYTE kSamsungOrLg = Models({3, 4});
constexpr BYTE kHpOrLg = Models({1, 4});
constexpr BYTE kHarrowellOrSamsung = Models({2, 3});
constexpr BYTE kNotHarrowell = kAnyModel & ~kHarrowell;
constexpr BYTE kNotHarrowellOrSamsung = kAnyModel & ~kHarrowellOrSamsung;
constexpr int kLgPhone = 4;

using E = KeyEffect;

// The index tabs of the contact view's list.
const KeyRule kIndexTabKeys[] = {
    {kKeyHash, kAnyModel, kAlways, E::NextIndexTab, 0},
    {kKeyStar, kAnyModel, kAlways, E::PreviousIndexTab, 0},
    {kKeyNext136, kHarrowell, kAlways, E::NextIndexTab, 0},
    {kKeyPrevious137, kHarrowell, kAlways, E::PreviousIndexTab, 0},
    {kKeyProcess, kSamsung, kAlways, E::PreviousIndexTab, 0},
    {VK_SPACE, kSamsungOrLg, kAlways, E::NextIndexTab, 0},
    {VK_SPACE, kHarrowell, kAlways, E::SendToMain, IDC_INDEX_TAB_FIRST},
    {'0', kAnyModel, kAlways, E::SendToMain, IDC_INDEX_TAB_FIRST},
    {kKeyPeriod, kHpOrLg, kAlways, E::SendToMain, IDC_INDEX_TAB_FIRST},
    {VK_RETURN, kAnyModel, kOnAction, E::OpenPopup, 0},
    {VK_RETURN, kAnyModel, kOnClear, E::PreviousIndexTab, 0},
    {VK_LEFT, kAnyModel, kAlways, E::SendLeft, 0},
    {VK_RIGHT, kAnyModel, kAlways, E::SendRight, 0},
};

// The keypad view's result list: the keypad's own buttons.
const KeyRule kKeypadKeys[] = {
    {'1', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1},
    {'2', kHarrowellOrSamsung, kAlways, E::SendToMain, IDC_KEY_1 + 1},
    {'2', kNotHarrowellOrSamsung, kAlways, E::SendToMain, IDC_KEY_1},
    {'3', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 2},
    {kKeyHash, kAnyModel, kAlways, E::SendToMain, IDC_KEY_FIELD},
    {'4', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 3},
    {'5', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 4},
    {'6', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 5},
    {'7', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 6},
    {'8', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 7},
    {kKeyStar, kAnyModel, kAlways, E::SendToMain, IDC_KEY_BACK},
    {'9', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 8},
    {'0', kAnyModel, kAlways, E::SendToMain, IDC_KEY_0},
    {'A', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 1},
    {'D', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 2},
    {'G', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 3},
    {'J', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 4},
    {'M', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 5},
    {'P', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 6},
    {'T', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 7},
    {'W', kAnyModel, kAlways, E::SendToMain, IDC_KEY_1 + 8},
    {'Q', kHarrowell, kAlways, E::SendToMain, IDC_KEY_1},
    {kKeyPeriod, kHarrowell, kAlways, E::SendToMain, IDC_KEY_1},
    {kKeyPeriod, kNotHarrowell, kAlways, E::SendToMain, IDC_KEY_0},
    {kKeyNext136, kHarrowell, kAlways, E::SendToMain, IDC_KEY_FIELD},
    {kKeyPrevious137, kHarrowell, kAlways, E::SendToMain, IDC_KEY_BACK},
    {kKeyProcess, kSamsung, kAlways, E::SendToMain, IDC_KEY_BACK},
    {VK_SPACE, kSamsungOrLg, kAlways, E::SendToMain, IDC_KEY_FIELD},
    {VK_SPACE, kHarrowell, kAlways, E::SendToMain, IDC_KEY_0},
    {VK_RETURN, kAnyModel, kOnAction, E::OpenPopup, 0},
    {VK_RETURN, kAnyModel, kOnClear, E::SendToMain, IDC_KEY_BACK},
    {VK_LEFT, kAnyModel, kAlways, E::SendLeft, 0},
    {VK_RIGHT, kAnyModel, kAlways, E::SendRight, 0},
};

// Lists governed by a pick list: the company, group, anniversary, task and
// memo lists.
const KeyRule kPickStepKeys[] = {
    {kKeyHash, kAnyModel, kAlways, E::NextPick, 0},
    {kKeyNext136, kHarrowell, kAlways, E::NextPick, 0},
    {VK_SPACE, kSamsungOrLg, kAlways, E::NextPick, 0},
    {kKeyStar, kAnyModel, kAlways, E::PreviousPick, 0},
    {kKeyPrevious137, kHarrowell, kAlways, E::PreviousPick, 0},
    {kKeyProcess, kSamsung, kAlways, E::PreviousPick, 0},
    {VK_RETURN, kAnyModel, kOnAction, E::OpenPopup, 0},
    {VK_RETURN, kAnyModel, kOnClear, E::PreviousPick, 0},
    {VK_LEFT, kAnyModel, kAlways, E::SendLeft, 0},
    {VK_RIGHT, kAnyModel, kAlways, E::SendRight, 0},
    {VK_UP, kAnyModel, kInDetail, E::MoveUp, 0},
    {VK_DOWN, kAnyModel, kInDetail, E::MoveDown, 0},
};

// The schedule list; its commands go to the toolbar window.
const KeyRule kScheduleKeys[] = {
    {kKeyHash, kAnyModel, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_NEXT_PERIOD},
    {kKeyNext136, kHarrowell, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_NEXT_PERIOD},
    {kKeyStar, kAnyModel, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_PREVIOUS_PERIOD},
    {kKeyPrevious137, kHarrowell, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_PREVIOUS_PERIOD},
    {kKeyProcess, kSamsung, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_PREVIOUS_PERIOD},
    {'0', kAnyModel, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_TODAY},
    {kKeyPeriod, kHpOrLg, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_TODAY},
    {VK_SPACE, kSamsungOrLg, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_NEXT_PERIOD},
    {VK_SPACE, kHarrowell, kNotInDetail, E::SendToToolbar, ID_SCHEDULE_TODAY},
    {VK_RETURN, kAnyModel, kOnAction, E::OpenPopup, 0},
    {VK_RETURN, kAnyModel, kOnClear | kNotInDetail, E::SendToToolbar, ID_SCHEDULE_PREVIOUS_PERIOD},
    {VK_LEFT, kAnyModel, kAlways, E::SendLeft, 0},
    {VK_RIGHT, kAnyModel, kAlways, E::SendRight, 0},
    {VK_UP, kAnyModel, kInDetail, E::MoveUp, 0},
    {VK_DOWN, kAnyModel, kInDetail, E::MoveDown, 0},
};

// The contact card's three panels.
const KeyRule kCardPanelKeys[] = {
    {VK_RETURN, kAnyModel, kOnAction, E::OpenPopup, 0},
    {VK_LEFT, kAnyModel, kAlways, E::SendLeft, 0},
    {VK_RIGHT, kAnyModel, kAlways, E::SendRight, 0},
};

struct TableSpan {
    const KeyRule* first;
    size_t count;
};

template <size_t N>
constexpr TableSpan SpanOf(const KeyRule (&rules)[N])
{
    return {rules, N};
}

TableSpan RulesOf(KeyTable table)
{
    switch (table) {
    case KeyTable::None: return {nullptr, 0};
    case KeyTable::IndexTabs: return SpanOf(kIndexTabKeys);
    case KeyTable::Keypad: return SpanOf(kKeypadKeys);
    case KeyTable::PickStep: return SpanOf(kPickStepKeys);
    case KeyTable::Schedule: return SpanOf(kScheduleKeys);
    case KeyTable::CardPanel: return SpanOf(kCardPanelKeys);
    }
    return {nullptr, 0};
}

bool Holds(unsigned when, const KeyState& state)
{
    if ((when & kOnAction) && !state.action)
        return false;
    if ((when & kOnClear) && state.action)
        return false;
    if ((when & kNotInDetail) && state.inDetail)
        return false;
    if ((when & kInDetail) && !state.inDetail)
        return false;
    return true;
}

}  // namespace

const KeyRule* FindKeyRule(KeyTable table, UINT key, const KeyState& state)
{
    if (state.phoneModel < 0 || state.phoneModel > 4)
        return nullptr;
    TableSpan rules = RulesOf(table);
    for (size_t i = 0; i < rules.count; ++i) {
        const KeyRule& rule = rules.first[i];
        if (rule.key == key && (rule.models & (1u << state.phoneModel)) && Holds(rule.when, state))
            return &rule;
    }
    return nullptr;
}

bool EnterIsAction(int phoneModel, bool actionKeyPending)
{
    return phoneModel != kLgPhone || actionKeyPending;
}
