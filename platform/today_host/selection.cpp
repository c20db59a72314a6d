#include "platform/today_host/selection.h"

#include "platform/today_host/layout.h"

namespace todayhost {

namespace {

LRESULT SendToItem(int index, UINT message, WPARAM wParam)
{
    return SendMessageW(Items[static_cast<size_t>(index)]->Window(), message, wParam, 0);
}

bool HasSelection()
{
    return SelectedItem >= 0 && SelectedItem < static_cast<int>(Items.size());
}

// Offers the selection to the next selectable item in the direction; the
// first that takes it is selected. Nothing changes when none does.
void MoveSelection(int step, UINT key)
{
    int count = static_cast<int>(Items.size());
    for (int i = HasSelection() ? SelectedItem + step : (step > 0 ? 0 : count - 1); i >= 0 && i < count; i += step) {
        if (Items[static_cast<size_t>(i)]->registered.selectability == kNotSelectable)
            continue;
        if (!SendToItem(i, WM_TODAYCUSTOM_RECEIVEDSELECTION, key))
            continue;
        if (HasSelection())
            SendToItem(SelectedItem, WM_TODAYCUSTOM_LOSTSELECTION, 0);
        SelectedItem = i;
        ScrollIntoView(i);
        return;
    }
}

}  // namespace

void OnHostKey(UINT virtualKey)
{
    if (virtualKey == VK_RETURN) {
        if (HasSelection())
            SendToItem(SelectedItem, WM_TODAYCUSTOM_ACTION, 0);
        return;
    }
    if (HasSelection() && Items[static_cast<size_t>(SelectedItem)]->registered.selectability == kItemHandlesKeys &&
        SendToItem(SelectedItem, WM_TODAYCUSTOM_USERNAVIGATION, virtualKey))
        return;  // the item kept the key
    if (virtualKey == VK_DOWN)
        MoveSelection(1, virtualKey);
    else if (virtualKey == VK_UP)
        MoveSelection(-1, virtualKey);
}

}  // namespace todayhost
