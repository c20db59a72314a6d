// The main program's Pocket Outlook work as it runs on a device: OutlookApp
// logged on, the diary volume "\pim.vol" mounted with the own databases, a
// fresh store for every test; and the items read back through the object
// model and the link tables read straight from the store.
#pragma once

#include "core/outlook_items.h"
#include "core/state.h"
#include "tests/outlook/poom_fixture.h"
#include "tests/startup/volume_probe.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace commandstest {

// An item's recurrence pattern as the object model gives it back.
struct StoredPattern {
    long type = olRecursNone;
    long interval = 0, mask = 0, dayOfMonth = 0, monthOfYear = 0, instance = 0, occurrences = 0;
    bool noEnd = false;
    std::wstring patternStart, patternEnd;  // "yyyy-mm-dd"
};

// An appointment as the object model gives it back.
struct StoredAppointment : StoredPattern {
    bool found = false;
    std::wstring subject, location, body;
    std::wstring start, end;  // "yyyy-mm-dd hh:mm"
    bool allDay = false;
    bool reminderSet = false;
    long reminderMinutes = 0;
};

struct StoredTask : StoredPattern {
    bool found = false;
    std::wstring subject, body;
    std::wstring startDate, dueDate, reminderTime;  // "yyyy-mm-dd", reminder with " hh:mm"
    bool reminderSet = false, complete = false;
    long importance = -1;
};

struct StoredContact {
    bool found = false;
    std::wstring firstName, lastName, fileAs, company, department, jobTitle, categories, postalCode, state, city,
        street, businessPhone, homePhone, fax, mobile, email;
};

// (contact, item) of every link record, in store order.
using Links = std::vector<std::pair<long, long>>;

using poomtest::DateText;  // "yyyy-mm-dd hh:mm" of an object-model date
using poomtest::FormRequests;

// OutlookApp is the fixture's application object.
class CommandsTest : public poomtest::PoomTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh start inside a test, for one row of a table.
    void Restart()
    {
        TearDown();
        SetUp();
    }

    // Items made straight through the object model, saved; their object ids.
    CEOID MakeContact(const wchar_t* last, const wchar_t* first, const wchar_t* businessPhone = L"",
                      const wchar_t* homePhone = L"");
    // Start and end as "yyyy-mm-dd hh:mm"; a weekly series of `weeks`
    // occurrences when weeks > 0.
    CEOID MakeAppointment(const wchar_t* subject, const wchar_t* start, const wchar_t* end, bool allDay = false,
                          int weeks = 0);
    // A daily task series of `days` occurrences when days > 0.
    CEOID MakeTask(const wchar_t* subject, int days = 0);

    StoredAppointment ReadAppointment(CEOID oid);
    StoredTask ReadTask(CEOID oid);
    StoredContact ReadContact(CEOID oid);
    // The starts ("yyyy-mm-dd hh:mm") of a series' occurrences in the days given.
    std::vector<std::wstring> OccurrenceStarts(const wchar_t* firstDay, const wchar_t* lastDay);

    Links PlanLinks();
    Links TaskLinks();
    // The record count as the change watch reads it.
    int WatchedCount(const wchar_t* database);
    // True when the watch has seen the database's present count (no reload).
    bool WatchInStep(OutlookWatchIndex which, const wchar_t* database);
};

// An object-model date from "yyyy-mm-dd hh:mm".
DATE DateOf(const wchar_t* text);

}  // namespace commandstest
