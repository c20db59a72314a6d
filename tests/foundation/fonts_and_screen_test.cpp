// The device's face resolves to a Hangul font, and Korean list rows are
// drawn and read back.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kDeviceFace[] = L"굴림체";
constexpr BYTE kDeviceCharset = 130;

HFONT CreateDeviceFont(int height)
{
    LOGFONTW lf = {};
    lf.lfHeight = height;
    lf.lfCharSet = kDeviceCharset;
    wcscpy(lf.lfFaceName, kDeviceFace);
    return CreateFontIndirectW(&lf);
}

}  // namespace

TEST(Fonts, DeviceFaceHasRealHangulGlyphs)
{
    HFONT font = CreateDeviceFont(13);
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);

    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    // The prefix gives the device's face to a Hangul font under its own name.
    EXPECT_STREQ(face, kDeviceFace);

    const wchar_t text[] = L"가나다라힣다이어리";
    WORD glyphs[16] = {};
    const int count = static_cast<int>(wcslen(text));
    ASSERT_EQ(GetGlyphIndicesW(dc, text, count, glyphs, GGI_MARK_NONEXISTING_GLYPHS), static_cast<DWORD>(count));
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i;
        EXPECT_NE(glyphs[i], 0) << "default glyph for character " << i;
    }
    SIZE extent = {};
    GetTextExtentPoint32W(dc, L"한", 1, &extent);
    EXPECT_GT(extent.cx, 6);

    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
}

TEST(Screen, IsTheDeviceSize)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 240);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 320);
}

TEST(Screen, KoreanListRowsAreShownAndReadBack)
{
    HWND host = testkit::CreateTestWindow(true, 240, 294);
    ASSERT_NE(host, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 240, 294, host,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    HFONT font = CreateDeviceFont(13);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);

    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 220;
    column.pszText = const_cast<wchar_t*>(L"이름");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));

    const wchar_t* rows[] = {L"홍길동", L"김철수", L"이영희", L"박민수"};
    for (int i = 0; i < 4; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(rows[i]);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    testkit::PumpFor(300);

    ASSERT_EQ(testkit::ListViewCount(list), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(testkit::ListViewText(list, i), rows[i]);
    EXPECT_EQ(testkit::ListViewSelection(list), 2);

    testkit::Image shot = testkit::CaptureScreen();
    EXPECT_FALSE(testkit::SaveScreenshot(shot, L"korean_list").empty());
    ASSERT_EQ(shot.width, 240);
    ASSERT_EQ(shot.height, 320);

    // The first row's text is drawn: dark pixels inside its label.
    RECT label = {};
    label.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&label));
    POINT origin = {label.left, label.top};
    ClientToScreen(list, &origin);
    int dark = 0;
    for (int y = origin.y; y < origin.y + (label.bottom - label.top); ++y) {
        for (int x = origin.x; x < origin.x + 60; ++x) {
            COLORREF c = shot.At(x, y);
            if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100)
                ++dark;
        }
    }
    EXPECT_GT(dark, 20) << "the row's Hangul text was not drawn; label " << label.left << "," << label.top
                        << "-" << label.right << "," << label.bottom << " at " << origin.x << "," << origin.y;

    DestroyWindow(host);
    DeleteObject(font);
}
