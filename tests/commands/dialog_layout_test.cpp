// The main program's own dialogs opened as the user opens them, over the
// running main window, and measured as the screen shows them: every visible
// control inside 240 x 320, none over another but where their places stack
// them, every text whole in its control and not painted over by another.
#include "lists/state.h"
#include "mainwindow/go_to_month.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/layout_check.h"
#include "tests/support/testkit.h"
#include "tests/views/main_window_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace commandstest {
namespace {

using namespace dialogdriver;

// Writes "dialog, control, class, rectangle" for every visible control.
void SaveControlTable(HWND dialog, const std::wstring& name)
{
    const std::wstring path = testkit::TestRunDir() + L"\\layout-" + name + L".txt";
    FILE* file = _wfopen(path.c_str(), L"w");
    if (!file)
        return;
    for (const layout::ControlBox& box : layout::VisibleControls(dialog))
        fprintf(file, "%s\t%d\t%s\t%ld,%ld,%ld,%ld\n", layout::Utf8(name).c_str(), box.id,
                layout::Utf8(box.cls).c_str(), box.rect.left, box.rect.top, box.rect.right - box.rect.left,
                box.rect.bottom - box.rect.top);
    fclose(file);
}

std::wstring TextOf(HWND control)
{
    wchar_t text[512] = L"";
    GetWindowTextW(control, text, ARRAYSIZE(text));
    return text;
}

// Where the control's text is drawn, in screen pixels: its lines as the
// control wraps them from its top left.
RECT TextArea(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT area = {0, 0, client.right, 0};
    const std::wstring text = TextOf(control);
    DrawTextW(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    IntersectRect(&area, &area, &client);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// The pixels of the area that differ between the screen and the control's
// own face (drawn alone into a bitmap of its size).
int PixelsNotItsOwn(HWND control, const RECT& area)
{
    RECT client = {};
    GetClientRect(control, &client);
    testkit::Canvas face(client.right, client.bottom, RGB(255, 0, 255));
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.dc()), PRF_CLIENT | PRF_ERASEBKGND);
    const testkit::Image screen = testkit::CaptureScreen();
    POINT origin = {0, 0};
    ClientToScreen(control, &origin);
    int differing = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            differing += screen.At(x, y) != face.At(x - origin.x, y - origin.y);
    return differing;
}

// Each text control's text whole on the screen after every other control
// over it has painted itself again (as after a box closed over the dialog).
std::vector<std::wstring> TextsPaintedOver(HWND dialog, const std::wstring& name)
{
    std::vector<std::wstring> found;
    const std::vector<layout::ControlBox> boxes = layout::VisibleControls(dialog);
    for (const layout::ControlBox& box : boxes) {
        HWND control = GetDlgItem(dialog, box.id);
        if (box.id <= 0 || !control || _wcsicmp(box.cls.c_str(), L"Static") != 0 || TextOf(control).empty())
            continue;
        const RECT area = TextArea(control);
        for (const layout::ControlBox& other : boxes) {
            RECT both = {};
            if (other.id == box.id || !IntersectRect(&both, &area, &other.rect))
                continue;
            HWND painter = GetDlgItem(dialog, other.id);
            if (!painter)
                continue;
            RedrawWindow(painter, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            testkit::PumpPending();
            const int differing = PixelsNotItsOwn(control, area);
            if (differing > 0) {
                wchar_t detail[160];
                _snwprintf(detail, ARRAYSIZE(detail), L"%ls: the text of control %d is painted over by control %d (%d px)",
                           name.c_str(), box.id, other.id, differing);
                found.push_back(detail);
            }
        }
    }
    return found;
}

struct DialogCase {
    const wchar_t* name;
    int controlId;  // a control of the dialog, to know it by
    int closeId;    // the button that ends it
    std::function<void()> open;
    layout::Rules rules;
};

class DialogLayoutTest : public testing::Test {
protected:
    void SetUp() override { views::EnsureMainWindow(); }
    void Measure(const DialogCase& c)
    {
        SCOPED_TRACE(layout::Utf8(c.name));
        std::vector<std::wstring> breaches;
        Driver driver;
        driver.Then("measure", DialogWith(c.controlId), [&](HWND dialog) {
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            testkit::PumpFor(100);
            SaveControlTable(dialog, c.name);
            testkit::SaveScreenshot(testkit::CaptureScreen(), std::wstring(L"layout-") + c.name);
            breaches = layout::Breaches(dialog, c.name, c.rules);
            for (const std::wstring& breach : TextsPaintedOver(dialog, c.name))
                breaches.push_back(breach);
            PostMessageW(dialog, WM_COMMAND, c.closeId, 0);
        });
        EXPECT_TRUE(driver.Run(c.open)) << layout::Utf8(c.name) << " did not open";
        for (const std::wstring& breach : breaches)
            ADD_FAILURE() << layout::Utf8(breach);
    }
};

TEST_F(DialogLayoutTest, TheAboutBoxShowsEveryTextWhole)
{
    DialogCase c = {L"about", IDC_ABOUT_DESCRIPTION, IDOK, [] { testkit::ChooseCommand(MainWindow, IDM_ABOUT); }, {}};
    // The given places of the title and the three lines meet.
    c.rules.stacked = {{IDC_ABOUT_TITLE, IDC_ABOUT_DESCRIPTION},
                       {IDC_ABOUT_DESCRIPTION, IDC_ABOUT_VERSION},
                       {IDC_ABOUT_VERSION, IDC_ABOUT_EMPTY}};
    Measure(c);
}

// Opened from the month the grid shows; its places are all given.
TEST_F(DialogLayoutTest, TheGoToMonthDialogFitsTheScreen)
{
    GridYear = 2026;
    GridMonth = 12;
    Measure({L"go-to-month", IDC_GO_TO_YEAR, IDCANCEL, [] { RunGoToMonthDialog(MainWindow); }, {}});
}

}  // namespace
}  // namespace commandstest
