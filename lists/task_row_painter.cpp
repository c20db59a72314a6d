#include "lists/task_row_painter.h"

#include <commctrl.h>

namespace {

constexpr COLORREF kOverdueText = RGB(255, 0, 0);
constexpr int kImportanceX = 14;
constexpr int kTitleX = 30;
constexpr int kDueX = 170;
constexpr int kTitleWidth = 110;
constexpr size_t kShortTitle = 10;
constexpr wchar_t kEllipsis[] = L"...";

enum TaskRowImage { kHighImportance = 0, kLowImportance = 1, kOpenBox = 2, kTickedBox = 3 };

void DrawClippedText(HDC dc, int x, int y, const std::wstring& text, const RECT& clip)
{
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

// The width the row painter measures titles with: the default font of a
// memory context like the item's.
std::wstring MeasuredTitle(HDC itemDc, const std::wstring& title)
{
    HDC measure = CreateCompatibleDC(itemDc);
    if (!measure)
        return title;
    std::wstring shown = ShortenTaskTitle(measure, title);
    DeleteDC(measure);
    return shown;
}

}  // namespace

std::wstring TaskRowTitle(const TaskListRow& row)
{
    return row.contactName.empty() ? row.subject : L"(" + row.contactName + L")" + row.subject;
}

std::wstring ShortenTaskTitle(HDC dc, const std::wstring& title)
{
    if (title.size() <= kShortTitle)
        return title;
    for (size_t length = kShortTitle; length < title.size(); ++length) {
        SIZE extent = {};
        GetTextExtentPoint32W(dc, title.c_str(), static_cast<int>(length), &extent);
        if (extent.cx > kTitleWidth)
            return title.substr(0, length) + kEllipsis;
    }
    return title;
}

void PaintTaskRow(const DRAWITEMSTRUCT& item, const TaskRowTable& table, HIMAGELIST images, HWND clipWindow)
{
    const TaskListRow* row = table.At(static_cast<int>(item.itemID));
    if (!row)
        return;
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    const COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                   : (row->overdue == L'T' ? kOverdueText : GetSysColor(COLOR_WINDOWTEXT));
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &area, brush);
    DeleteObject(brush);

    if (images) {
        ImageList_Draw(images, row->complete == L'T' ? kTickedBox : kOpenBox, dc, area.left, area.top,
                       ILD_TRANSPARENT);
        if (row->importance == L'3' || row->importance == L'1')
            ImageList_Draw(images, row->importance == L'3' ? kHighImportance : kLowImportance, dc,
                           area.left + kImportanceX, area.top, ILD_TRANSPARENT);
    }

    RECT clip = {};
    if (clipWindow)
        GetClientRect(clipWindow, &clip);
    const int oldMode = SetBkMode(dc, OPAQUE);
    const COLORREF oldBackground = SetBkColor(dc, background);
    const COLORREF oldText = SetTextColor(dc, text);
    DrawClippedText(dc, area.left + kTitleX, area.top, MeasuredTitle(dc, TaskRowTitle(*row)), clip);
    DrawClippedText(dc, area.left + kDueX, area.top, row->dueText, clip);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBackground);
    SetBkMode(dc, oldMode);
}
