// The pop-up tests' world: the Today item's test world (a fresh store, an
// item window, the stand-in main program) with Rich Ink and the calendar
// class registered, the item's icons loaded, the device clock on
// 2024-05-07 09:00, and the pop-ups destroyed after each case.
#pragma once

#include "tests/today/request_bytes.h"
#include "tests/today/today_fixture.h"

#include <functional>
#include <string>

namespace popuptest {

using todaytest::Bytes;

class PopupTest : public todaytest::TodayTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static HWND Popup(PopupKind kind) { return PopupWindows[kind]; }
    static bool Shown(PopupKind kind);
    static std::wstring Title(PopupKind kind);
    static std::wstring Text(PopupKind kind, int id);
    static bool ControlShown(PopupKind kind, int id);
    // Taps the pop-up's button as the pen does.
    static void Press(PopupKind kind, int buttonId);
    // The detail pop-up's Rich Ink page: its typed text, and how many pages
    // the pop-up holds.
    static std::wstring PageText();
    static int PagesInDetail();

    // The schedule view of the span index (0 one day, 4 seven days).
    void ShowSchedule(int spanIndex);
    void ShowTasks();
    void ShowMemos(int memoSource);
    // The entry of the current view whose subject (or title) is that text.
    static int EntryOf(const std::wstring& subject);
    // Taps the part of the entry's row; the entry must be on the screen.
    static void TapRow(int entry, RowZonePart part);

    // A contact with the card's fields; its object id.
    CEOID AddCardContact();
    // A weekly task (every Monday from 2024-05-06) with its object id.
    CEOID AddWeeklyTask(const wchar_t* subject);
};

// An object id as a request file holds it.
Bytes ObjectId(uint32_t id);

// The request file written by the action (removed first).
Bytes Requested(const std::function<void()>& action);

}  // namespace popuptest
