// A device posing as a handset of one CE version, with Pocket Outlook for
// the appointments, the program's own databases on "\pim.vol" for holidays,
// links and anniversaries, and list controls to fill.
#pragma once

#include "lists/state.h"
#include "tests/schedule/list_rows.h"
#include "tests/outlook/poom_fixture.h"

#include <string>
#include <vector>

namespace scheduletest {

using poomtest::Date;
using poomtest::Ref;
using poomtest::Text;

class ScheduleTest : public poomtest::PoomTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fresh stores posing as that CE major version, and the program's
    // version read at start-up the same; OutlookApp, DiaryVolume and
    // DiarySession are this test's.
    void Pose(int major);

    // Saved appointments; their object ids.
    CEOID Timed(const wchar_t* subject, DATE start, DATE end, const wchar_t* location = L"");
    CEOID AllDay(const wchar_t* subject, int year, int month, int firstDay, int days, const wchar_t* location = L"");
    // A series kept open for changes to its occurrences.
    Ref<IAppointment> Series(const wchar_t* subject, DATE start, DATE end, long type, long dayMask, long dayOfMonth);
    void MoveOccurrence(IAppointment* series, DATE from, DATE to, DATE toEnd);
    void DeleteOccurrence(IAppointment* series, DATE at);
    CEOID ContactNamed(const wchar_t* last, const wchar_t* first);
    CEOID OidOf(IAppointment* item);

    // A report list with the given column count, in a hidden host window.
    HWND NewList(int columns);

    HWND host_ = nullptr;
    DWORD savedOsMajorVersion_ = 0;
};

}  // namespace scheduletest
