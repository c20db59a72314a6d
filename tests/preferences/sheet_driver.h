// Drives the modal preferences sheet and the dialogs it opens from inside
// their own message loops, and records what the apply sends around.
#pragma once

#include "core/settings.h"
#include "tests/support/testkit.h"

#include <functional>
#include <string>
#include <vector>

namespace prefs {

// Opens the sheet through the main window's 40032 on the start page and
// runs `act` once the sheet is up; `act` ends it (a page's OK or Cancel).
// A sheet still open after 20 s is cancelled, and the result is false.
bool RunSheet(int startPage, const std::function<void(HWND sheet)>& act);
// The sheet's page window for an index, creating the page when needed.
HWND ShowPage(HWND sheet, int index);
// A page's OK or Cancel pressed.
void PressOk(HWND page);
void PressCancel(HWND page);

// Runs `act` on the next modal dialog this thread shows (by its caption)
// while `open` runs; false when none came within 10 s.
bool WithDialog(const wchar_t* caption, const std::function<void()>& open,
                const std::function<void(HWND dialog)>& act);

// Answers every message box of this thread with OK while it lives, and
// keeps their texts.
class NoticeCounter {
public:
    NoticeCounter();
    ~NoticeCounter();
    const std::vector<std::wstring>& texts() const;
    std::vector<HWND> owners() const;
};

// A hidden top-level window that records each WM_WININICHANGE with the
// Today item's "Enabled" value read when it arrives.
class BroadcastProbe {
public:
    BroadcastProbe();
    ~BroadcastProbe();
    struct Seen {
        WPARAM wParam;
        DWORD enabled;
    };
    std::vector<Seen> seen;
    HWND window = nullptr;
};

// The settings file's bytes.
std::string SettingsFileBytes();
// The record of the settings as they would be saved.
std::string RecordOf(const DiarySettings& settings);

void SetCombo(HWND page, int id, int item);
void SetCheck(HWND page, int id, bool checked);
// A control's command as a click would send it.
void Click(HWND page, int id, int code = BN_CLICKED);

}  // namespace prefs
