// The Today item's world for a test: a fresh store, the item's own Pocket
// Outlook session and databases, default settings, an item window under a
// hidden parent, and the stand-in main program as "Quillon InstallDir".
#pragma once

#include "platform/outlook/client_values.h"
#include "tests/support/testkit.h"
#include "today/state.h"

#include <gtest/gtest.h>

#include <string>

namespace todaytest {

using poomclient::Date;

// What a new appointment or task holds.
struct AppointmentDef {
    const wchar_t* subject;
    DATE start;
    DATE end;
    bool allDay = false;
    bool reminder = false;
    const wchar_t* body = L"";
};
struct TaskDef {
    const wchar_t* subject;
    DATE start;
    DATE due;
    bool complete = false;
    long importance = olImportanceNormal;
};

class TodayTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Poses as a handset of that CE major version from now on, on a fresh store.
    void PoseAsVersion(int major);
    // Today as the item sees it (its date text, day and span start).
    void SetToday(int year, int month, int day);

    CEOID AddAppointment(const AppointmentDef& def);
    // A daily appointment of count occurrences.
    CEOID AddDailyAppointment(const wchar_t* subject, DATE start, int minutes, int count);
    CEOID AddTask(const TaskDef& def);
    CEOID AddContact(const wchar_t* last, const wchar_t* first);
    bool DeleteContact(CEOID oid);

    // Starts of the stand-in main program seen in the device log.
    static int MainProgramStarts();
    // Waits (pumping) until there are that many starts, then a little more
    // to see that no further one comes; the count seen.
    static int WaitForMainProgramStarts(int expected);
    // The stand-in's folder as the registry names it.
    static std::wstring StandinFolder();

    HWND parent_ = nullptr;
    int major_ = 5;
};

// The request file as it stands, empty when there is none.
std::vector<uint8_t> RequestFileBytes();
void RemoveRequestFile();

// The item state of a fresh item: settings of a missing settings file,
// white as the Today text colour, the views at their start.
void ResetItemState();

}  // namespace todaytest
