#include "today/icon_lists.h"

#include "core/registry.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kIconPrefixValue[] = L"Quillon Icon";
constexpr int kIconPrefixChars = 96;  // 95 and the terminator
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

struct IconStrip {
    HIMAGELIST* list;
    const wchar_t* suffix;
    int size;
    int initialCount;
};

const IconStrip kStrips[] = {
    {&MarkIcons, L"12.bmp", 12, 5},
    {&TitleIcons, L"16.bmp", 16, 34},
    {&WeatherIconsSmall, L"16W.bmp", 16, 39},
    {&WeatherIconsLarge, L"32W.bmp", 32, 39},
};

HIMAGELIST LoadStrip(const wchar_t* prefix, const IconStrip& strip)
{
    HIMAGELIST list = ImageList_Create(strip.size, strip.size, ILC_COLOR24 | ILC_MASK, strip.initialCount, 1);
    if (!list)
        return nullptr;
    wchar_t path[MAX_PATH];
    if (FAILED(StringCchPrintfW(path, MAX_PATH, L"\\Windows\\%ls%ls", prefix, strip.suffix)))
        return list;
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) {
        NKDbgPrintfW(L"Glimmor: no icons in %ls\r\n", path);
        return list;
    }
    ImageList_AddMasked(list, bitmap, kMaskColour);
    DeleteObject(bitmap);
    return list;
}

}  // namespace

void LoadIconImageLists()
{
    wchar_t prefix[kIconPrefixChars] = L"";
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kIconPrefixValue, L"", prefix, sizeof(prefix));
    for (const IconStrip& strip : kStrips) {
        if (!*strip.list)
            *strip.list = LoadStrip(prefix, strip);
    }
    if (!WhiteBrush)
        WhiteBrush = CreateSolidBrush(RGB(255, 255, 255));
}

void FreeShortcutIcons()
{
    for (int i = 0; i < kShortcutSlots; ++i) {
        if (ShortcutIcons[i])
            DestroyIcon(ShortcutIcons[i]);
        ShortcutIcons[i] = nullptr;
        ShortcutIconFetched[i] = false;
    }
}

void FreeIconImageLists()
{
    for (const IconStrip& strip : kStrips) {
        if (*strip.list)
            ImageList_Destroy(*strip.list);
        *strip.list = nullptr;
    }
    if (WhiteBrush)
        DeleteObject(WhiteBrush);
    WhiteBrush = nullptr;
}
