// Fonts as on the device. The device's faces are asked for with the Johab
// character set (130); desktop font matching then prefers any font that
// declares Johab over the face asked for, so the platform asks for the
// Hangul set instead, which every Hangul face has. Text is wide throughout,
// so the character set only steers the match.
#pragma once

CEAPI HFONT WINAPI CeCreateFontIndirectW(const LOGFONTW* font);

#undef CreateFontIndirect
#define CreateFontIndirect CeCreateFontIndirectW
#define CreateFontIndirectW CeCreateFontIndirectW
