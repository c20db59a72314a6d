// Shortcut files, the icon of a shortcut's target, bitmap files and the
// file listing's times.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const char* text)
{
    return std::vector<uint8_t>(text, text + strlen(text));
}

std::vector<uint8_t> Le16(int v) { return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }
std::vector<uint8_t> Le32(uint32_t v)
{
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}
void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A 16 x 16 icon of one colour, 32 bits a pixel, as an .ico file.
std::vector<uint8_t> SolidIcon(uint8_t red, uint8_t green, uint8_t blue)
{
    const uint32_t image = 40 + 16 * 16 * 4 + 16 * 4;
    std::vector<uint8_t> ico;
    Append(ico, Le16(0));
    Append(ico, Le16(1));  // an icon
    Append(ico, Le16(1));  // one image
    Append(ico, {16, 16, 0, 0});
    Append(ico, Le16(1));
    Append(ico, Le16(32));
    Append(ico, Le32(image));
    Append(ico, Le32(6 + 16));
    Append(ico, Le32(40));
    Append(ico, Le32(16));
    Append(ico, Le32(32));  // colour and mask
    Append(ico, Le16(1));
    Append(ico, Le16(32));
    for (int i = 0; i < 6; ++i)
        Append(ico, Le32(0));
    for (int i = 0; i < 16 * 16; ++i)
        Append(ico, {blue, green, red, 0xFF});
    ico.insert(ico.end(), 16 * 4, 0);  // all opaque
    return ico;
}

int CountPixels(HICON icon, COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all = {0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    int count = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            count += GetPixel(dc, x, y) == colour ? 1 : 0;
    }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return count;
}

std::wstring ReadTarget(const wchar_t* shortcut, int chars = 300)
{
    std::vector<wchar_t> target(static_cast<size_t>(chars), L'?');
    if (!SHGetShortcutTarget(const_cast<wchar_t*>(shortcut), target.data(), chars))
        return L"<failed>";
    return target.data();
}

}  // namespace

TEST(Shortcuts, WrittenAsLengthHashTarget)
{
    struct WriteCase {
        const wchar_t* shortcut;
        const wchar_t* target;
        const char* bytes;
    };
    const WriteCase cases[] = {
        {L"\\Windows\\시작 메뉴\\프로그램\\Vestamor 다이어리.lnk", L"\"\\Program Files\\Quillon\\Quillon.exe\"",
         "36#\"\\Program Files\\Quillon\\Quillon.exe\""},
        {L"\\Windows\\메모.lnk", L"\"\\Windows\\메모.exe\" -x", "20#\"\\Windows\\\xB8\xDE\xB8\xF0.exe\" -x"},
        {L"\\Temp\\plain.lnk", L"\\Windows\\ctlpnl.exe", "19#\\Windows\\ctlpnl.exe"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.shortcut)));
        ASSERT_TRUE(SHCreateShortcut(const_cast<wchar_t*>(c.shortcut), const_cast<wchar_t*>(c.target)));
        EXPECT_EQ(testkit::ReadFileBytes(c.shortcut), Bytes(c.bytes));
        EXPECT_EQ(ReadTarget(c.shortcut), c.target);
        // An existing shortcut is left as it is.
        EXPECT_FALSE(SHCreateShortcut(const_cast<wchar_t*>(c.shortcut), const_cast<wchar_t*>(L"\"\\other.exe\"")));
        EXPECT_EQ(testkit::ReadFileBytes(c.shortcut), Bytes(c.bytes));
        DeleteFileW(c.shortcut);
    }
    std::wstring tooLong = L"\"\\" + std::wstring(260, L'a') + L"\"";
    EXPECT_FALSE(SHCreateShortcut(const_cast<wchar_t*>(L"\\Temp\\long.lnk"), tooLong.data()));
    EXPECT_FALSE(testkit::FileExists(L"\\Temp\\long.lnk"));
    EXPECT_FALSE(SHCreateShortcut(const_cast<wchar_t*>(L"\\Temp\\empty.lnk"), const_cast<wchar_t*>(L"")));
}

TEST(Shortcuts, ReadOnlyWhenInTheForm)
{
    struct ReadCase {
        const char* bytes;
        int chars;
        const wchar_t* target;  // "<failed>" when refused
    };
    const ReadCase cases[] = {
        {"10#\"\\a\\b.exe\"", 300, L"\"\\a\\b.exe\""},
        {"10#\"\\a\\b.exe\"\r\n", 300, L"\"\\a\\b.exe\""},  // a line end is not part of it
        {"4#\"\\ab.exe\"", 300, L"\"\\ab"},                  // the length decides
        {"11#\"\\a\\b.exe\"", 300, L"<failed>"},             // longer than the text
        {"#\"\\a.exe\"", 300, L"<failed>"},
        {"10\"\\a\\b.exe\"", 300, L"<failed>"},
        {"0#", 300, L"<failed>"},
        {"", 300, L"<failed>"},
        {"x2#ab", 300, L"<failed>"},
        {"10#\"\\a\\b.exe\"", 10, L"<failed>"},  // no room for the zero
        {"10#\"\\a\\b.exe\"", 11, L"\"\\a\\b.exe\""},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes << " into " << c.chars);
        ASSERT_TRUE(testkit::WriteFileBytes(L"\\Temp\\read.lnk", Bytes(c.bytes)));
        EXPECT_EQ(ReadTarget(L"\\Temp\\read.lnk", c.chars), c.target);
    }
    EXPECT_EQ(ReadTarget(L"\\Temp\\missing.lnk"), L"<failed>");
    DeleteFileW(L"\\Temp\\read.lnk");
}

TEST(Shortcuts, TheSmallIconIsTheTargets)
{
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\red.ico", SolidIcon(255, 0, 0)));
    ASSERT_TRUE(SHCreateShortcut(const_cast<wchar_t*>(L"\\Windows\\빨강.lnk"),
                                 const_cast<wchar_t*>(L"\"\\Windows\\red.ico\" -open")));
    SHFILEINFOW info = {};
    ASSERT_NE(SHGetFileInfoW(L"\\Windows\\빨강.lnk", 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON), 0u);
    ASSERT_NE(info.hIcon, nullptr);
    EXPECT_EQ(CountPixels(info.hIcon, RGB(255, 0, 0)), 256);
    DestroyIcon(info.hIcon);

    // A shortcut whose target is gone has no icon.
    ASSERT_TRUE(SHCreateShortcut(const_cast<wchar_t*>(L"\\Windows\\gone.lnk"),
                                 const_cast<wchar_t*>(L"\"\\Windows\\gone.exe\"")));
    SHFILEINFOW none = {};
    EXPECT_EQ(SHGetFileInfoW(L"\\Windows\\gone.lnk", 0, &none, sizeof(none), SHGFI_ICON | SHGFI_SMALLICON), 0u);
    EXPECT_EQ(none.hIcon, nullptr);
    for (const wchar_t* file : {L"\\Windows\\red.ico", L"\\Windows\\빨강.lnk", L"\\Windows\\gone.lnk"})
        DeleteFileW(file);
}

TEST(Bitmaps, BmpFilesLoadAsDeviceIndependentBitmaps)
{
    // 4 x 2 pixels, 24 bits, rows bottom-up and padded to four bytes.
    std::vector<uint8_t> bmp;
    Append(bmp, {'B', 'M'});
    Append(bmp, Le32(14 + 40 + 2 * 12));
    Append(bmp, Le32(0));
    Append(bmp, Le32(14 + 40));
    Append(bmp, Le32(40));
    Append(bmp, Le32(4));
    Append(bmp, Le32(2));
    Append(bmp, Le16(1));
    Append(bmp, Le16(24));
    for (int i = 0; i < 6; ++i)
        Append(bmp, Le32(0));
    Append(bmp, {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255});  // bottom: red green blue white
    Append(bmp, {0, 0, 0, 255, 0, 255, 255, 255, 0, 128, 128, 128});  // top: black magenta cyan grey
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Temp\\picture.bmp", bmp));

    HBITMAP bitmap = SHLoadDIBitmap(L"\\Temp\\picture.bmp");
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));  // a DIB section
    EXPECT_EQ(dib.dsBm.bmWidth, 4);
    EXPECT_EQ(dib.dsBm.bmHeight, 2);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF top[] = {RGB(0, 0, 0), RGB(255, 0, 255), RGB(0, 255, 255), RGB(128, 128, 128)};
    const COLORREF bottom[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(GetPixel(dc, x, 0), top[x]) << x;
        EXPECT_EQ(GetPixel(dc, x, 1), bottom[x]) << x;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);

    EXPECT_EQ(SHLoadDIBitmap(L"\\Windows\\missing.bmp"), nullptr);
    bmp.resize(20);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Temp\\picture.bmp", bmp));
    EXPECT_EQ(SHLoadDIBitmap(L"\\Temp\\picture.bmp"), nullptr);
    DeleteFileW(L"\\Temp\\picture.bmp");
}

TEST(FileListing, LastWriteTimesAndAttributesAsStored)
{
    ASSERT_TRUE(CreateDirectoryW(L"\\My Documents\\메모", nullptr));
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\My Documents\\메모\\a.pwi", {1, 2, 3}));
    ASSERT_TRUE(CreateDirectoryW(L"\\My Documents\\메모\\보관", nullptr));
    SYSTEMTIME stamp = {2008, 3, 5, 7, 13, 45, 30, 0};
    FILETIME written = {};
    SystemTimeToFileTime(&stamp, &written);
    HANDLE file = CreateFileW(L"\\My Documents\\메모\\a.pwi", FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);

    WIN32_FIND_DATAW data = {};
    HANDLE find = FindFirstFileW(L"\\My Documents\\메모\\*.*", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int seen = 0;
    do {
        ++seen;
        if (wcscmp(data.cFileName, L"a.pwi") == 0) {
            SYSTEMTIME read = {};
            FileTimeToSystemTime(&data.ftLastWriteTime, &read);
            EXPECT_EQ(read.wYear, 2008);
            EXPECT_EQ(read.wMonth, 3);
            EXPECT_EQ(read.wDay, 7);
            EXPECT_EQ(read.wHour, 13);
            EXPECT_EQ(read.wMinute, 45);
        } else {
            EXPECT_STREQ(data.cFileName, L"보관");
            EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    EXPECT_EQ(seen, 2);
    DeleteFileW(L"\\My Documents\\메모\\a.pwi");
    RemoveDirectoryW(L"\\My Documents\\메모\\보관");
    RemoveDirectoryW(L"\\My Documents\\메모");
}
