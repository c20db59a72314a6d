// The editors as the dispatcher runs them: the program's resources, the
// Pocket Outlook store of the commands tests, a stand-in toolbar window that
// records the commands it gets, and hooks that count the reloads.
#pragma once

#include "core/item_form.h"
#include "tests/commands/commands_fixture.h"
#include "tests/support/dialog_driver.h"

#include <string>
#include <vector>

namespace editorstest {

using commandstest::StoredAppointment;
using commandstest::StoredTask;
using dialogdriver::Driver;

// What the editors asked of the main window.
struct Reloads {
    std::vector<UINT> toolbarCommands;
    int taskList = 0, contactTaskList = 0, contactSchedule = 0, forgetSchedule = 0;
};
extern Reloads Seen;

class EditorsTest : public commandstest::CommandsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the editor (159 or 320) as the dispatcher does, in the mode.
    static void RunEditor(int dialogId, wchar_t mode);
    // A form loaded as the dispatcher loads it for an update.
    static bool LoadAppointment(CEOID oid, bool single = false, const wchar_t* rowDate = nullptr,
                                const wchar_t* rowTime = nullptr);
    static bool LoadTask(CEOID oid);
    // The object id of the only appointment (task) in the store; 0 unless one.
    CEOID OnlyAppointment();
    CEOID OnlyTask();
    int AppointmentCount();
    int TaskCount();

    HWND toolbar_ = nullptr;
};

// Makes every later stream-out of that Rich Ink control fail.
void FailStreamOut(HWND richInk);

// A driver step's failures go to the test.
void ExpectRan(Driver& driver, bool ran);

}  // namespace editorstest
