// The key tables of the main window's lists, looked up by key, phone model
// and state.
#include "mainwindow/list_keys.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

constexpr int kNone = -1;  // no rule: the list handles the key itself

struct KeyCase {
    KeyTable table;
    int model;
    UINT key;
    bool inDetail;
    bool action;
    int effect;  // a KeyEffect, or kNone
    UINT command;
};

constexpr int Fx(KeyEffect effect)
{
    return static_cast<int>(effect);
}

using E = KeyEffect;
using T = KeyTable;

const KeyCase kKeyCases[] = {
    // Index tabs.
    {T::IndexTabs, 0, kKeyHash, false, true, Fx(E::NextIndexTab), 0},
    {T::IndexTabs, 0, kKeyStar, false, true, Fx(E::PreviousIndexTab), 0},
    {T::IndexTabs, 0, '3', false, true, kNone, 0},
    {T::IndexTabs, 2, kKeyNext136, false, true, Fx(E::NextIndexTab), 0},
    {T::IndexTabs, 0, kKeyNext136, false, true, kNone, 0},
    {T::IndexTabs, 2, kKeyPrevious137, false, true, Fx(E::PreviousIndexTab), 0},
    {T::IndexTabs, 3, kKeyProcess, false, true, Fx(E::PreviousIndexTab), 0},
    {T::IndexTabs, 1, kKeyProcess, false, true, kNone, 0},
    {T::IndexTabs, 3, VK_SPACE, false, true, Fx(E::NextIndexTab), 0},
    {T::IndexTabs, 4, VK_SPACE, false, true, Fx(E::NextIndexTab), 0},
    {T::IndexTabs, 2, VK_SPACE, false, true, Fx(E::SendToMain), 21001},
    {T::IndexTabs, 0, VK_SPACE, false, true, kNone, 0},
    {T::IndexTabs, 0, '0', false, true, Fx(E::SendToMain), 21001},
    {T::IndexTabs, 1, kKeyPeriod, false, true, Fx(E::SendToMain), 21001},
    {T::IndexTabs, 3, kKeyPeriod, false, true, kNone, 0},
    {T::IndexTabs, 4, VK_RETURN, false, false, Fx(E::PreviousIndexTab), 0},  // LG, no action key first
    {T::IndexTabs, 4, VK_RETURN, false, true, Fx(E::OpenPopup), 0},
    {T::IndexTabs, 0, VK_LEFT, false, true, Fx(E::SendLeft), 0},
    {T::IndexTabs, 0, VK_RIGHT, false, true, Fx(E::SendRight), 0},
    {T::IndexTabs, 0, VK_UP, false, true, kNone, 0},
    // Keypad.
    {T::Keypad, 0, '1', false, true, Fx(E::SendToMain), 20030},
    {T::Keypad, 0, '2', false, true, Fx(E::SendToMain), 20030},
    {T::Keypad, 2, '2', false, true, Fx(E::SendToMain), 20031},
    {T::Keypad, 3, '2', false, true, Fx(E::SendToMain), 20031},
    {T::Keypad, 0, '3', false, true, Fx(E::SendToMain), 20032},
    {T::Keypad, 0, kKeyHash, false, true, Fx(E::SendToMain), 20041},
    {T::Keypad, 0, '8', false, true, Fx(E::SendToMain), 20037},
    {T::Keypad, 0, kKeyStar, false, true, Fx(E::SendToMain), 20040},
    {T::Keypad, 0, '0', false, true, Fx(E::SendToMain), 20039},
    {T::Keypad, 0, 'A', false, true, Fx(E::SendToMain), 20031},
    {T::Keypad, 0, 'W', false, true, Fx(E::SendToMain), 20038},
    {T::Keypad, 2, 'Q', false, true, Fx(E::SendToMain), 20030},
    {T::Keypad, 0, 'Q', false, true, kNone, 0},
    {T::Keypad, 2, kKeyPeriod, false, true, Fx(E::SendToMain), 20030},
    {T::Keypad, 4, kKeyPeriod, false, true, Fx(E::SendToMain), 20039},
    {T::Keypad, 2, kKeyNext136, false, true, Fx(E::SendToMain), 20041},
    {T::Keypad, 2, kKeyPrevious137, false, true, Fx(E::SendToMain), 20040},
    {T::Keypad, 3, kKeyProcess, false, true, Fx(E::SendToMain), 20040},
    {T::Keypad, 4, VK_SPACE, false, true, Fx(E::SendToMain), 20041},
    {T::Keypad, 2, VK_SPACE, false, true, Fx(E::SendToMain), 20039},
    {T::Keypad, 1, VK_SPACE, false, true, kNone, 0},
    {T::Keypad, 0, VK_RETURN, false, true, Fx(E::OpenPopup), 0},
    {T::Keypad, 4, VK_RETURN, false, false, Fx(E::SendToMain), 20040},
    // Pick-list steppers.
    {T::PickStep, 0, kKeyHash, false, true, Fx(E::NextPick), 0},
    {T::PickStep, 2, kKeyNext136, false, true, Fx(E::NextPick), 0},
    {T::PickStep, 3, VK_SPACE, false, true, Fx(E::NextPick), 0},
    {T::PickStep, 0, VK_SPACE, false, true, kNone, 0},
    {T::PickStep, 0, kKeyStar, false, true, Fx(E::PreviousPick), 0},
    {T::PickStep, 3, kKeyProcess, false, true, Fx(E::PreviousPick), 0},
    {T::PickStep, 4, VK_RETURN, false, false, Fx(E::PreviousPick), 0},
    {T::PickStep, 0, VK_RETURN, true, true, Fx(E::OpenPopup), 0},
    {T::PickStep, 0, VK_UP, true, true, Fx(E::MoveUp), 0},
    {T::PickStep, 0, VK_DOWN, true, true, Fx(E::MoveDown), 0},
    {T::PickStep, 0, VK_DOWN, false, true, kNone, 0},
    // Schedule list.
    {T::Schedule, 0, kKeyHash, false, true, Fx(E::SendToToolbar), 10111},
    {T::Schedule, 0, kKeyHash, true, true, kNone, 0},
    {T::Schedule, 0, kKeyStar, false, true, Fx(E::SendToToolbar), 10110},
    {T::Schedule, 0, '0', false, true, Fx(E::SendToToolbar), 10115},
    {T::Schedule, 4, kKeyPeriod, false, true, Fx(E::SendToToolbar), 10115},
    {T::Schedule, 3, VK_SPACE, false, true, Fx(E::SendToToolbar), 10111},
    {T::Schedule, 2, VK_SPACE, false, true, Fx(E::SendToToolbar), 10115},
    {T::Schedule, 0, VK_RETURN, true, true, Fx(E::OpenPopup), 0},
    {T::Schedule, 4, VK_RETURN, false, false, Fx(E::SendToToolbar), 10110},
    {T::Schedule, 4, VK_RETURN, true, false, kNone, 0},
    {T::Schedule, 0, VK_UP, true, true, Fx(E::MoveUp), 0},
    {T::Schedule, 0, VK_UP, false, true, kNone, 0},
    {T::Schedule, 0, VK_RIGHT, false, true, Fx(E::SendRight), 0},
    // Card panels.
    {T::CardPanel, 0, VK_RETURN, false, true, Fx(E::OpenPopup), 0},
    {T::CardPanel, 4, VK_RETURN, false, false, kNone, 0},
    {T::CardPanel, 0, kKeyHash, false, true, kNone, 0},
    {T::CardPanel, 0, VK_LEFT, false, true, Fx(E::SendLeft), 0},
};

TEST(ListKeys, EachTableGivesTheEffectOfKeyModelAndState)
{
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(testing::Message() << "table " << static_cast<int>(c.table) << " model " << c.model << " key "
                                        << c.key << " detail " << c.inDetail << " action " << c.action);
        const KeyRule* rule = FindKeyRule(c.table, c.key, {c.model, c.inDetail, c.action});
        if (c.effect == kNone) {
            EXPECT_EQ(rule, nullptr);
            continue;
        }
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(static_cast<int>(rule->effect), c.effect);
        EXPECT_EQ(rule->command, c.command);
    }
}

TEST(ListKeys, EnterIsTheActionUnlessAnLgPhoneMissedItsActionKey)
{
    EXPECT_TRUE(EnterIsAction(0, false));
    EXPECT_TRUE(EnterIsAction(3, false));
    EXPECT_FALSE(EnterIsAction(4, false));
    EXPECT_TRUE(EnterIsAction(4, true));
}

}  // namespace
}  // namespace contactstest
