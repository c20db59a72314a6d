#include "platform/shell/menu_bar_resource.h"

namespace {

constexpr size_t kHeaderWords = 2;
constexpr size_t kWordsPerButton = 7;

WORD WordAt(const BYTE* bytes, size_t index)
{
    return static_cast<WORD>(bytes[index * 2] | (bytes[index * 2 + 1] << 8));
}

}  // namespace

namespace shell {

bool ReadMenuBarLayout(const BYTE* bytes, size_t size, MenuBarLayout* layout)
{
    if (!bytes || !layout || size < kHeaderWords * 2)
        return false;
    WORD count = WordAt(bytes, 1);
    if (count > kMaxMenuBarButtons || size < (kHeaderWords + count * kWordsPerButton) * 2)
        return false;
    layout->menuId = WordAt(bytes, 0);
    layout->count = count;
    for (int i = 0; i < count; ++i) {
        size_t at = kHeaderWords + i * kWordsPerButton;
        WORD state = WordAt(bytes, at + 2);
        WORD style = WordAt(bytes, at + 3);
        if (state > 0xFF || style > 0xFF)
            return false;
        MenuBarButton& button = layout->buttons[i];
        button.image = static_cast<short>(WordAt(bytes, at));
        button.command = WordAt(bytes, at + 1);
        button.state = static_cast<BYTE>(state);
        button.style = static_cast<BYTE>(style);
        button.caption = WordAt(bytes, at + 4);
        button.popup = WordAt(bytes, at + 6);
    }
    return true;
}

bool LoadMenuBarLayout(HINSTANCE module, UINT id, MenuBarLayout* layout)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    return bytes && ReadMenuBarLayout(bytes, SizeofResource(module, found), layout);
}

}  // namespace shell
