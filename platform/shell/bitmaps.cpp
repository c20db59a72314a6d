#include "platform/shell/state.h"

CEAPI HBITMAP WINAPI SHLoadDIBitmap(LPCWSTR path)
{
    if (!path)
        return nullptr;
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}
