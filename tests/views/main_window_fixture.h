// One main window started in this process and shared by the cases of the
// executable, with what they need around it: a start with chosen settings,
// a record of the item commands that reach the toolbar window, and the
// visible controls read back as a table.
#pragma once

#include "core/settings.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace views {

// Starts a fresh main window after writing a settings file with the
// defaults as changed by `adjust`; stops a running one first. The window is
// shown and painted.
HWND StartMainWindow(const std::function<void(DiarySettings&)>& adjust = nullptr);
// The running main window, or a fresh one with the default settings.
HWND EnsureMainWindow();
// Destroys the main window and takes the quit message its destruction
// posts; true when there was one.
bool StopMainWindow();

// The item commands that reached the toolbar window since the last reset,
// in order.
const std::vector<UINT>& ItemCommandsSeen();
// Every item command is recorded and does nothing else.
void RecordItemCommands();

// A control as the tests compare it: id, class, rectangle in the main
// window's client area; a height of kAnyHeight is not compared (combo
// boxes size themselves).
constexpr int kAnyHeight = -1;
struct ControlPlace {
    int id;
    std::wstring cls;
    int x, y, width, height;
};
bool operator<(const ControlPlace& a, const ControlPlace& b);
bool operator==(const ControlPlace& a, const ControlPlace& b);
void PrintTo(const ControlPlace& place, std::ostream* out);

// The main window's visible children, sorted.
std::vector<ControlPlace> VisibleControls();
// The toolbars of the toolbar window that are visible.
std::vector<HWND> VisibleToolbars();

// A face bitmap as it comes from the resources (empty when missing).
testkit::Image FaceBitmap(int number);
// The pixels of the rectangle of an image.
testkit::Image Region(const testkit::Image& image, int x, int y, int width, int height);
bool SamePixels(const testkit::Image& a, const testkit::Image& b);

// Back to the contact view's list layout with every hook empty and every
// item command recorded.
void ResetViews();

// The schedule's mode letters and the item commands that rebuild the
// schedule view in them.
struct ModeCommand {
    char mode;
    UINT command;
};
extern const ModeCommand kScheduleModeCommands[3];

// The fixture of most cases: the shared window, reset views.
class ViewsTest : public testing::Test {
protected:
    void SetUp() override;
};

// The controls that every view shows: the view tabs (with the tab of
// ContactSubView in the shared slot) and the toolbar window.
std::vector<ControlPlace> AlwaysShown(int subViewTab);

}  // namespace views
