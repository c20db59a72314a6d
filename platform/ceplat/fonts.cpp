#include "platform/ce.h"

#undef CreateFontIndirectW

CEAPI HFONT WINAPI CeCreateFontIndirectW(const LOGFONTW* font)
{
    if (!font)
        return nullptr;
    LOGFONTW adjusted = *font;
    if (adjusted.lfCharSet == JOHAB_CHARSET)
        adjusted.lfCharSet = HANGUL_CHARSET;
    return ::CreateFontIndirectW(&adjusted);
}
