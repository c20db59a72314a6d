// The six shared fonts: their settings, a second creation replacing the
// first, and Hangul drawn with each.
#include "core/fonts.h"
#include "core/state.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

const wchar_t kSample[] = L"다이어리 Diary";

struct FontCase { const char* name; HFONT AppFontSet::*member; LONG height; LONG weight; bool underline; };
const FontCase kFonts[] = {
    {"normal", &AppFontSet::normal, 13, 0, false},
    {"underlined", &AppFontSet::underlined, 13, 0, true},
    {"bold", &AppFontSet::bold, 13, 600, false},
    {"bold underlined", &AppFontSet::boldUnderlined, 13, 600, true},
    {"large", &AppFontSet::large, 14, 0, false},
    {"large bold", &AppFontSet::largeBold, 14, 600, false},
};

std::vector<HFONT> CurrentFonts()
{
    std::vector<HFONT> fonts;
    for (const auto& f : kFonts)
        fonts.push_back(AppFonts.*f.member);
    return fonts;
}

class AppFontsTest : public testing::Test {
protected:
    void TearDown() override { DeleteAppFonts(); }
};

TEST_F(AppFontsTest, SettingsOfEachFont)
{
    ASSERT_TRUE(CreateAppFonts());
    for (const auto& f : kFonts) {
        SCOPED_TRACE(f.name);
        HFONT font = AppFonts.*f.member;
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        LOGFONTW lf = {};
        ASSERT_EQ(GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
        EXPECT_EQ(lf.lfHeight, f.height);
        EXPECT_EQ(lf.lfWeight, f.weight);
        EXPECT_EQ(lf.lfUnderline != 0, f.underline);
        EXPECT_EQ(lf.lfItalic, 0);
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_STREQ(lf.lfFaceName, L"굴림체");
    }
}

TEST_F(AppFontsTest, SecondCreationReplacesTheFirst)
{
    ASSERT_TRUE(CreateAppFonts());
    const std::vector<HFONT> first = CurrentFonts();
    ASSERT_TRUE(CreateAppFonts());
    const std::vector<HFONT> second = CurrentFonts();
    const std::set<HFONT> live(second.begin(), second.end());
    EXPECT_EQ(live.size(), 6u);
    for (HFONT font : second)
        EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    for (HFONT font : first) {
        if (!live.count(font)) {
            EXPECT_EQ(GetObjectType(font), 0u) << "a font of the first creation is still alive";
        }
    }
    DeleteAppFonts();
    for (HFONT font : second)
        EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(AppFonts.normal, nullptr);
}

TEST_F(AppFontsTest, HangulIsDrawnWithEveryFont)
{
    ASSERT_TRUE(CreateAppFonts());
    const int length = static_cast<int>(wcslen(kSample));
    int normalDark = 0;
    for (const auto& f : kFonts) {
        SCOPED_TRACE(f.name);
        testkit::Canvas canvas(120, 20, RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(canvas.dc(), AppFonts.*f.member);
        wchar_t face[LF_FACESIZE] = L"";
        GetTextFaceW(canvas.dc(), LF_FACESIZE, face);
        EXPECT_STREQ(face, L"굴림체");
        WORD glyphs[32] = {};
        ASSERT_EQ(GetGlyphIndicesW(canvas.dc(), kSample, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS),
                  static_cast<DWORD>(length));
        for (int i = 0; i < 4; ++i)
            EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i;

        TextOutW(canvas.dc(), 0, 0, kSample, length);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(canvas.dc(), &metrics);
        EXPECT_EQ(metrics.tmHeight, f.height);
        const int dark = canvas.InkedPixels(0, 0, 120, 20);
        EXPECT_GT(dark, 60);
        if (f.member == &AppFontSet::normal)
            normalDark = dark;
        if (f.member == &AppFontSet::bold) {
            EXPECT_GT(dark, normalDark) << "bold draws no heavier than normal";
        }
        // An underline is one row inked across most of the text's width.
        SIZE extent = {};
        GetTextExtentPoint32W(canvas.dc(), kSample, length, &extent);
        int longestRow = 0;
        for (int y = metrics.tmAscent; y < 20; ++y)
            longestRow = std::max(longestRow, canvas.InkedPixels(0, y, extent.cx, y + 1));
        EXPECT_EQ(longestRow > extent.cx * 3 / 4, f.underline) << longestRow << " of " << extent.cx;
        SelectObject(canvas.dc(), old);
    }
}

TEST_F(AppFontsTest, PictureOfTheSixFonts)
{
    ASSERT_TRUE(CreateAppFonts());
    testkit::Canvas canvas(240, 130, RGB(255, 255, 255));
    int y = 4;
    for (const auto& f : kFonts) {
        HGDIOBJ old = SelectObject(canvas.dc(), AppFonts.*f.member);
        TextOutW(canvas.dc(), 4, y, kSample, static_cast<int>(wcslen(kSample)));
        SelectObject(canvas.dc(), old);
        y += 20;
    }
    EXPECT_FALSE(testkit::SaveScreenshot(canvas.ToImage(), L"app_fonts").empty());
}

}  // namespace
