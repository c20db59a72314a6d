// What the benchmarks share: Pocket Outlook and "\pim.vol" set up on the
// device, generated contacts, timing, and the bare walk their baselines make.
#pragma once

#include "core/state.h"

#include <functional>
#include <string>

namespace bench {

// Logs on Pocket Outlook into OutlookApp (which makes the system databases)
// and mounts "\pim.vol" as DiaryVolume with DiarySession. A fresh store
// deletes the volume first, so that every run measures the same records.
// False, said on stderr under the bench's name, when either is missing.
bool StartStore(const wchar_t* benchName, bool freshStore);
void StopStore();

// A repeatable run of numbers: the same seed gives the same records.
class Numbers {
public:
    explicit Numbers(unsigned seed) : seed_(seed) {}
    unsigned Below(unsigned bound);

private:
    unsigned seed_;
};

enum class ContactFields { kNamesAndCompany, kEveryField };

// Saves that many contacts through the object model: two random syllables
// under a common last name, a company for four in five; every field adds
// department, job title, three phones and categories. Returns the first
// contact's shown name (last name then first name).
std::wstring AddContacts(int count, Numbers& numbers, ContactFields fields);

// The month of the schedule benches, March 2007: 200 single appointments
// (every tenth linked to a contact), 30 over several days (a third of them
// all day), 8 weekly and 2 daily series, each with its second occurrence
// moved an hour on and its third deleted.
void WriteMonth(Numbers& numbers);
// The month's six weeks restricted through the object model with their
// occurrences, each item's start, end and subject read; the items walked.
int WalkMonth();

// Milliseconds of a steady clock.
double NowMs();
// The median of that many runs of the work, in milliseconds.
double MedianMs(const std::function<void()>& work, int runs);

// Every record of the open database from its first in the handle's order,
// read and dropped; the number read.
int ReadEveryRecord(HANDLE database);

}  // namespace bench
