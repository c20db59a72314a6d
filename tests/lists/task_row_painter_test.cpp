// The task rows' painter: colours, marks, the title cut at 110 pixels and
// the due date, drawn into a memory canvas as the list's draw-item asks.
#include "lists/task_row_painter.h"

#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kMarkColours[4] = {RGB(0, 128, 0), RGB(0, 0, 160), RGB(200, 120, 0), RGB(120, 0, 160)};
constexpr int kRowWidth = 234;

// Four 16 x 16 marks, each one solid colour, so a pixel tells which was drawn.
HIMAGELIST MakeMarks()
{
    HIMAGELIST marks = ImageList_Create(16, 16, ILC_COLOR24, 4, 0);
    for (COLORREF colour : kMarkColours) {
        testkit::Canvas face(16, 16, colour);
        HBITMAP bitmap = CreateCompatibleBitmap(face.dc(), 16, 16);
        HDC copy = CreateCompatibleDC(face.dc());
        HGDIOBJ old = SelectObject(copy, bitmap);
        BitBlt(copy, 0, 0, 16, 16, face.dc(), 0, 0, SRCCOPY);
        SelectObject(copy, old);
        DeleteDC(copy);
        ImageList_Add(marks, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return marks;
}

TaskListRow Row(const wchar_t* subject, wchar_t importance, wchar_t complete, wchar_t overdue,
                const wchar_t* due = L"07-05-02", const wchar_t* contact = L"")
{
    TaskListRow row;
    row.subject = subject;
    row.importance = importance;
    row.complete = complete;
    row.overdue = overdue;
    row.dueText = due;
    row.contactName = contact;
    return row;
}

class TaskRowPainterTest : public testing::Test {
protected:
    void SetUp() override { marks = MakeMarks(); }
    void TearDown() override { ImageList_Destroy(marks); }

    // Paints the row as item 0 of a list, selected or not.
    void Paint(testkit::Canvas* canvas, const TaskListRow& row, bool selected)
    {
        TaskRowTable table;
        table.Add(row);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTVIEW;
        item.itemID = 0;
        item.itemState = selected ? ODS_SELECTED : 0;
        item.hDC = canvas->dc();
        item.rcItem = {0, 0, kRowWidth, kTaskRowHeight};
        PaintTaskRow(item, table, marks, clip);
    }
    // Pixels of the colour inside the rectangle.
    static int Count(const testkit::Canvas& canvas, COLORREF colour, int left, int right)
    {
        int count = 0;
        for (int y = 0; y < kTaskRowHeight; ++y)
            for (int x = left; x < right; ++x)
                count += canvas.At(x, y) == colour;
        return count;
    }

    HIMAGELIST marks = nullptr;
    HWND clip = nullptr;
};

TEST_F(TaskRowPainterTest, MarksAndColours)
{
    clip = testkit::CreateTestWindow(false);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    struct Case {
        const char* name;
        TaskListRow row;
        bool selected;
        COLORREF box;         // at the check box
        COLORREF importance;  // at the importance mark
        bool redText;
    };
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Case cases[] = {
        {"open, high, overdue", Row(L"보고서", L'3', L'F', L'T'), false, kMarkColours[2], kMarkColours[0], true},
        {"done, low", Row(L"보고서", L'1', L'T', L'F'), false, kMarkColours[3], kMarkColours[1], false},
        {"normal importance has no mark", Row(L"보고서", L'2', L'F', L'F'), false, kMarkColours[2], window, false},
        {"selected overdue is not red", Row(L"보고서", L'2', L'F', L'T'), true, kMarkColours[2], highlight, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testkit::Canvas canvas(kRowWidth, kTaskRowHeight, RGB(1, 2, 3));
        Paint(&canvas, c.row, c.selected);
        EXPECT_EQ(canvas.At(7, 7), c.box);
        EXPECT_EQ(canvas.At(21, 7), c.importance);
        // The background fills the rest of the row.
        EXPECT_EQ(canvas.At(kRowWidth - 1, kTaskRowHeight - 1), c.selected ? highlight : window);
        EXPECT_EQ(Count(canvas, RGB(255, 0, 0), 30, 170) > 0, c.redText);
        // The title starts at 30 and the due date at 170.
        EXPECT_GT(canvas.InkedPixels(30, 0, 100, kTaskRowHeight), 0);
        EXPECT_GT(canvas.InkedPixels(170, 0, kRowWidth, kTaskRowHeight), 0);
    }
    DestroyWindow(clip);
}

TEST_F(TaskRowPainterTest, NoDueDateLeavesItsPlaceEmpty)
{
    clip = testkit::CreateTestWindow(false);
    testkit::Canvas canvas(kRowWidth, kTaskRowHeight);
    Paint(&canvas, Row(L"x", L'2', L'F', L'F', L""), false);
    EXPECT_EQ(canvas.InkedPixels(170, 0, kRowWidth, kTaskRowHeight), 0);
    DestroyWindow(clip);
}

TEST_F(TaskRowPainterTest, TitleCutAfterTheTenthCharacterAt110Pixels)
{
    HDC measure = CreateCompatibleDC(nullptr);
    const std::wstring ten = L"가나다라마바사아자차";
    SIZE extent = {};
    GetTextExtentPoint32W(measure, ten.c_str(), 10, &extent);
    ASSERT_GT(extent.cx, 110) << "ten Hangul letters must be wider than the title's room";
    EXPECT_EQ(ShortenTaskTitle(measure, ten), ten);
    EXPECT_EQ(ShortenTaskTitle(measure, ten + L"카"), ten + L"...");
    EXPECT_EQ(ShortenTaskTitle(measure, ten + L"카타파하"), ten + L"...");
    // Narrow letters run further before the cut, and a title that never gets
    // wider than 110 pixels before its last letter is drawn whole.
    const std::wstring narrow(40, L'i');
    const std::wstring cut = ShortenTaskTitle(measure, narrow);
    ASSERT_GT(cut.size(), 13u);
    GetTextExtentPoint32W(measure, cut.c_str(), static_cast<int>(cut.size() - 3), &extent);
    EXPECT_GT(extent.cx, 110);
    GetTextExtentPoint32W(measure, cut.c_str(), static_cast<int>(cut.size() - 4), &extent);
    EXPECT_LE(extent.cx, 110);
    EXPECT_EQ(ShortenTaskTitle(measure, L"iiiiiiiiiiii"), L"iiiiiiiiiiii");
    DeleteDC(measure);
}

TEST(TaskRowTitle, ContactInParentheses)
{
    EXPECT_EQ(TaskRowTitle(Row(L"보고서", L'2', L'F', L'F', L"", L"홍길동")), L"(홍길동)보고서");
    EXPECT_EQ(TaskRowTitle(Row(L"보고서", L'2', L'F', L'F')), L"보고서");
}

}  // namespace
