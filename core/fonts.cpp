#include "core/fonts.h"

#include "core/state.h"

#include <cwchar>

AppFontSet AppFonts = {};

namespace {

const wchar_t kAppFontFace[] = L"굴림체";
constexpr BYTE kAppFontCharset = 130;
constexpr LONG kRegularHeight = 13;
constexpr LONG kLargeHeight = 14;
constexpr LONG kBoldWeight = 600;

struct AppFontDef {
    HFONT AppFontSet::*member;
    LONG height;
    LONG weight;
    bool underline;
};

const AppFontDef kAppFontDefs[] = {
    {&AppFontSet::normal, kRegularHeight, FW_DONTCARE, false},
    {&AppFontSet::underlined, kRegularHeight, FW_DONTCARE, true},
    {&AppFontSet::bold, kRegularHeight, kBoldWeight, false},
    {&AppFontSet::boldUnderlined, kRegularHeight, kBoldWeight, true},
    {&AppFontSet::large, kLargeHeight, FW_DONTCARE, false},
    {&AppFontSet::largeBold, kLargeHeight, kBoldWeight, false},
};

}  // namespace

void DeleteAppFonts()
{
    for (const auto& entry : kAppFontDefs) {
        HFONT& font = AppFonts.*entry.member;
        if (font)
            DeleteObject(font);
        font = nullptr;
    }
}

bool CreateAppFonts()
{
    DeleteAppFonts();
    LOGFONTW base = {};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(base), &base);
    // Glyphs scale with the height alone; the desktop's system font carries a
    // fixed average width that would stretch the device's face.
    base.lfWidth = 0;
    base.lfItalic = FALSE;
    base.lfCharSet = kAppFontCharset;
    wcsncpy(base.lfFaceName, kAppFontFace, LF_FACESIZE - 1);
    base.lfFaceName[LF_FACESIZE - 1] = 0;

    bool allCreated = true;
    for (const auto& entry : kAppFontDefs) {
        LOGFONTW font = base;
        font.lfHeight = entry.height;
        font.lfWeight = entry.weight;
        font.lfUnderline = entry.underline ? TRUE : FALSE;
        AppFonts.*entry.member = CreateFontIndirectW(&font);
        allCreated = allCreated && AppFonts.*entry.member;
    }
    return allCreated;
}
