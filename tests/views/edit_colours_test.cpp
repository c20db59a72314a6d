// The colours the main window answers for its frames and labels, row by
// row of the colour table and by the week start.
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

namespace views {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDark = RGB(57, 56, 74);
constexpr COLORREF kLavender = RGB(215, 214, 244);
constexpr COLORREF kCream = RGB(239, 235, 189);
constexpr COLORREF kSteel = RGB(181, 195, 214);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kUnset = 0x01020304;

struct Answer {
    bool brush;
    COLORREF text, background, brushColour;
};

Answer AskColours(HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, kUnset);
    SetBkColor(dc, kUnset);
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        SendMessageW(MainWindow, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    Answer answer = {brush != nullptr, GetTextColor(dc), GetBkColor(dc), kUnset};
    LOGBRUSH info = {};
    if (brush && GetObjectW(brush, sizeof(info), &info))
        answer.brushColour = info.lbColor;
    DeleteDC(dc);
    return answer;
}

struct ColourCase {
    const char* what;
    HWND* control;
    COLORREF text, background;
};

TEST_F(ViewsTest, FramesAndLabelsGetTheirColours)
{
    const ColourCase cases[] = {
        {"keypad inner frame", &KeypadInnerFrame, kDark, kCream},
        {"search row frame", &SearchRowFrame, kBlack, kLavender},
        {"keypad frame", &KeypadFrame, kBlack, kLavender},
        {"range start", &RangeStartLabel, kBlack, kLavender},
        {"range end", &RangeEndLabel, kBlack, kLavender},
        {"range spare", &RangeSpareLabel, kBlack, kLavender},
        {"detail text", &DetailTextBox2, kWhite, kSteel},
        {"schedule inner frame", &ScheduleInnerFrame, kDark, kWhite},
        {"schedule frame", &ScheduleFrame, kBlack, kWhite},
        {"grid year", &GridYearLabel, kNavy, kWhite},
        {"grid month", &GridMonthLabel, kNavy, kWhite},
        {"anniversary year", &AnniversaryYearLabel, kNavy, kWhite},
        {"anniversary age", &AnniversaryAgeLabel, kNavy, kWhite},
        {"grid date", &GridDateLabel, kGrey, kWhite},
        {"grid lunar date", &GridLunarLabel, kGrey, kWhite},
        {"anniversary frame", &AnniversaryHeaderFrame, kGrey, kWhite},
        {"anniversary lunar date", &AnniversaryLunarLabel, kGrey, kWhite},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.what);
        Answer answer = AskColours(*c.control);
        EXPECT_TRUE(answer.brush);
        EXPECT_EQ(answer.text, c.text);
        EXPECT_EQ(answer.background, c.background);
        EXPECT_EQ(answer.brushColour, c.background);
    }
}

TEST_F(ViewsTest, DayNamesAreRedOnSundayAndBlueOnSaturdayByTheWeekStart)
{
    const COLORREF dayNames[kWeekDays] = {kRed, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue};
    for (int day = 0; day < kWeekDays; ++day) {
        for (HWND label : {ScheduleDayNameLabels[day], AnniversaryDayNameLabels[day]}) {
            Answer answer = AskColours(label);
            EXPECT_EQ(answer.text, dayNames[day]) << "day " << day;
            EXPECT_EQ(answer.brushColour, kWhite) << "day " << day;
        }
    }
    const struct {
        int weekStart;
        COLORREF text[kWeekDays];
    } starts[] = {{0, {kRed, kDark, kDark, kDark, kDark, kDark, kBlue}},
                  {1, {kDark, kDark, kDark, kDark, kDark, kBlue, kRed}}};
    const int saved = ActiveWeekStart;
    for (const auto& s : starts) {
        ActiveWeekStart = s.weekStart;
        for (int i = 0; i < kWeekDays; ++i) {
            Answer answer = AskColours(WeekdayHeaderWindows[i]);
            EXPECT_EQ(answer.text, s.text[i]) << "week start " << s.weekStart << ", header " << i;
            EXPECT_EQ(answer.background, kLavender);
        }
    }
    ActiveWeekStart = saved;
}

TEST_F(ViewsTest, OtherControlsAreLeftToTheirDefaults)
{
    for (HWND control : {ContactSearchBox, KeypadTextBox, CardTaskFilterHeading, ContactListFrame, DetailFrame}) {
        Answer answer = AskColours(control);
        EXPECT_FALSE(answer.brush) << GetDlgCtrlID(control);
        EXPECT_EQ(answer.text, kUnset);
        EXPECT_EQ(answer.background, kUnset);
    }
}

}  // namespace
}  // namespace views
