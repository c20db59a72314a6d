// The main program's resources: strings, accelerators, the menu and its
// menu-bar record, the bitmaps and the icon.
#include "resources/resource.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HINSTANCE Module()
{
    return GetModuleHandleW(nullptr);
}

std::wstring StringResource(UINT id)
{
    wchar_t text[100] = L"";
    LoadStringW(Module(), id, text, 100);
    return text;
}

TEST(Resources, Strings)
{
    const std::pair<UINT, const wchar_t*> cases[] = {
        {IDS_APP_TITLE, L"다이어리"}, {IDS_MAIN_CLASS, L"QUILLON"}, {IDS_MENU_FILE, L"파일"}, {IDS_MENU_HELP, L"도움말"}};
    for (const auto& [id, text] : cases)
        EXPECT_EQ(StringResource(id), text) << "string " << id;
}

TEST(Resources, AcceleratorTable3HasCtrlAAndCtrlQ)
{
    HACCEL table = LoadAcceleratorsW(Module(), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 4), 2);
    const BYTE flags = FVIRTKEY | FCONTROL | FNOINVERT;
    EXPECT_EQ(entries[0].fVirt & ~0x80, flags);
    EXPECT_EQ(entries[0].key, 'A');
    EXPECT_EQ(entries[0].cmd, IDM_ABOUT);
    EXPECT_EQ(entries[1].fVirt & ~0x80, flags);
    EXPECT_EQ(entries[1].key, 'Q');
    EXPECT_EQ(entries[1].cmd, IDM_QUIT);
    DestroyAcceleratorTable(table);
}

struct Item {
    UINT id;
    std::wstring text;  // empty for a separator
};

std::vector<Item> PopupItems(HMENU popup)
{
    std::vector<Item> items;
    for (const testkit::MenuEntry& entry : testkit::MenuEntries(popup))
        items.push_back({entry.separator ? 0u : entry.id, entry.text});
    return items;
}

TEST(Resources, Menu102HasTheFileAndHelpPopups)
{
    HMENU menu = LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    const std::vector<std::vector<Item>> expected = {
        {{IDM_BACKUP, L"다이어리 자료백업"}, {IDM_RESTORE, L"다이어리 자료복원"}, {IDM_CONTACT_IMPORT, L"연락처 가져오기"},
         {0, L""}, {IDM_PREFERENCES, L"환경설정"}, {0, L""}, {IDM_EXIT, L"종료"}},
        {{IDM_ABOUT, L"Vestamor 다이어리 정보"}},
    };
    for (int p = 0; p < 2; ++p) {
        std::vector<Item> items = PopupItems(GetSubMenu(menu, p));
        ASSERT_EQ(items.size(), expected[p].size()) << "pop-up " << p;
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].id, expected[p][i].id) << "pop-up " << p << " item " << i;
            EXPECT_EQ(items[i].text, expected[p][i].text) << "pop-up " << p << " item " << i;
        }
    }
    DestroyMenu(menu);
}

TEST(Resources, MenuBarRecordIsByteExact)
{
    HRSRC found = FindResourceW(Module(), MAKEINTRESOURCEW(IDR_MAIN_MENU), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    std::vector<BYTE> record(bytes, bytes + SizeofResource(Module(), found));
    const std::vector<BYTE> expected = {
        0x66, 0x00, 0x02, 0x00,                                                  // menu 102, two buttons
        0xFE, 0xFF, 0x49, 0x9C, 0x04, 0x00, 0x18, 0x00, 0x4B, 0x9C, 0x00, 0x00, 0x00, 0x00,  // 40009 "파일" pop-up 0
        0xFE, 0xFF, 0x46, 0x9C, 0x04, 0x00, 0x18, 0x00, 0x48, 0x9C, 0x00, 0x00, 0x01, 0x00,  // 40006 "도움말" pop-up 1
    };
    EXPECT_EQ(record, expected);
}

TEST(Resources, BitmapsAndIcon)
{
    struct BitmapCase {
        UINT id;
        int width, height;
    };
    for (const BitmapCase& c : {BitmapCase{IDB_TOOLBAR, 448, 16}, BitmapCase{IDB_OK_BUTTON, 50, 20}}) {
        HBITMAP bitmap = LoadBitmapW(Module(), MAKEINTRESOURCEW(c.id));
        ASSERT_NE(bitmap, nullptr) << c.id;
        BITMAP info = {};
        GetObjectW(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, c.width) << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << c.id;
        DeleteObject(bitmap);
    }
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 28, 1);
    HBITMAP strip = LoadBitmapW(Module(), MAKEINTRESOURCEW(IDB_TOOLBAR));
    EXPECT_EQ(ImageList_AddMasked(images, strip, RGB(255, 0, 255)), 0);
    EXPECT_EQ(ImageList_GetImageCount(images), 28);
    DeleteObject(strip);
    ImageList_Destroy(images);
    EXPECT_NE(LoadIconW(Module(), MAKEINTRESOURCEW(IDI_QUILLON)), nullptr);
}

TEST(Resources, ToolbarImagesAreDrawnWhereTheToolbarsUseThem)
{
    // Used images have ink; the others are all mask colour.
    const int used[] = {0, 1, 2, 3, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26};
    HBITMAP strip = LoadBitmapW(Module(), MAKEINTRESOURCEW(IDB_TOOLBAR));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, strip);
    for (int image = 0; image < 28; ++image) {
        int ink = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ink += GetPixel(dc, image * 16 + x, y) != RGB(255, 0, 255);
        bool isUsed = std::find(std::begin(used), std::end(used), image) != std::end(used);
        EXPECT_EQ(ink > 0, isUsed) << "image " << image;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(strip);
}

}  // namespace
