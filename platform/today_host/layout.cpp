#include "platform/today_host/layout.h"

#include <algorithm>

namespace todayhost {

namespace {

constexpr int kLineStep = 16;  // pixels per scroll-bar arrow

bool g_laying = false;  // showing the bar resizes the window, which lays out again

int StackHeight()
{
    int height = 0;
    for (const auto& item : Items)
        height += static_cast<int>(item->record.cyp);
    return height;
}

int ClientHeight()
{
    RECT client = {};
    GetClientRect(HostWindow, &client);
    return client.bottom;
}

int MaxScroll()
{
    return std::max(0, StackHeight() - ClientHeight());
}

void PlaceItems()
{
    RECT client = {};
    GetClientRect(HostWindow, &client);
    int y = -ScrollTop;
    for (const auto& item : Items) {
        int height = static_cast<int>(item->record.cyp);
        SetWindowPos(item->Window(), nullptr, 0, y, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
        y += height;
    }
}

void UpdateScrollBar()
{
    // The range past the page shows the bar (and WS_VSCROLL); within it the
    // bar goes.
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(0, StackHeight() - 1);
    info.nPage = static_cast<UINT>(ClientHeight());
    info.nPos = ScrollTop;
    SetScrollInfo(HostWindow, SB_VERT, &info, TRUE);
}

}  // namespace

void LayoutItems()
{
    if (g_laying || !HostWindow)
        return;
    g_laying = true;
    ScrollTop = std::clamp(ScrollTop, 0, MaxScroll());
    UpdateScrollBar();
    PlaceItems();
    for (const auto& item : Items)
        InvalidateRect(item->Window(), nullptr, TRUE);
    InvalidateRect(HostWindow, nullptr, TRUE);
    g_laying = false;
}

void ScrollTo(int top)
{
    top = std::clamp(top, 0, MaxScroll());
    if (top == ScrollTop)
        return;
    ScrollTop = top;
    SetScrollPos(HostWindow, SB_VERT, ScrollTop, TRUE);
    PlaceItems();
    InvalidateRect(HostWindow, nullptr, TRUE);
}

void OnVerticalScroll(UINT request)
{
    int page = ClientHeight();
    switch (request) {
    case SB_LINEUP: ScrollTo(ScrollTop - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(ScrollTop + kLineStep); break;
    case SB_PAGEUP: ScrollTo(ScrollTop - page); break;
    case SB_PAGEDOWN: ScrollTo(ScrollTop + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(MaxScroll()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(HostWindow, SB_VERT, &info))
            ScrollTo(info.nTrackPos);
        break;
    }
    }
}

void ScrollIntoView(int index)
{
    if (index < 0 || index >= static_cast<int>(Items.size()))
        return;
    int top = 0;
    for (int i = 0; i < index; ++i)
        top += static_cast<int>(Items[static_cast<size_t>(i)]->record.cyp);
    int bottom = top + static_cast<int>(Items[static_cast<size_t>(index)]->record.cyp);
    int page = ClientHeight();
    if (top < ScrollTop)
        ScrollTo(top);
    else if (bottom > ScrollTop + page)
        ScrollTo(std::min(top, bottom - page));
}

}  // namespace todayhost
