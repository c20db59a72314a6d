// The Rich Ink control: class registration, streaming in and out, typing,
// pen ink, notifications and what it shows.
#include "tests/input/richink_test_support.h"

#include <gtest/gtest.h>

namespace {

using inktest::Bytes;

class RichInk : public testing::Test {
protected:
    void SetUp() override
    {
        InitRichInkDLL();
        host = inktest::CreateRecordingHost(false);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override { DestroyWindow(host); }
    HWND host = nullptr;
};

Bytes PatternBytes(size_t size, int seed)
{
    Bytes out(size);
    for (size_t i = 0; i < size; ++i)
        out[i] = static_cast<uint8_t>(i * 31 + seed);
    return out;
}

std::wstring HangulText(size_t count)
{
    std::wstring text(count, L'\0');
    for (size_t i = 0; i < count; ++i)
        text[i] = static_cast<wchar_t>(i % 40 == 39 ? L'\n' : 0xAC00 + (i * 37) % 11172);
    return text;
}

TEST(RichInkClass, ExistsOnlyAfterInitialisation)
{
    CeResetForTests();
    HWND host = testkit::CreateTestWindow(false);
    EXPECT_EQ(inktest::CreateInk(host), nullptr);
    InitRichInkDLL();
    InitRichInkDLL();  // a second call is harmless
    for (DWORD style : {0x50A00000u, 0x50200000u}) {
        HWND ink = inktest::CreateInk(host, style);
        ASSERT_NE(ink, nullptr) << std::hex << style;
        wchar_t name[32] = L"";
        GetClassNameW(ink, name, 32);
        EXPECT_STREQ(name, L"RichInk");
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(ink, GWL_STYLE)) & 0xFFFF0000u, style);
        DestroyWindow(ink);
    }
    DestroyWindow(host);
}

struct RoundTripCase {
    const char* name;
    std::wstring text;
    Bytes ink;
};

TEST_F(RichInk, StreamsOutExactlyWhatWasStreamedIn)
{
    const RoundTripCase cases[] = {
        {"empty", L"", {}},
        {"Korean text", L"오늘 회의는 3시\r\n장소: 본관 2층", {}},
        {"strokes", L"", inktest::StrokeBytes(2, RGB(0, 0, 0), {{1, 2}, {30, 40}, {-5, 7}})},
        {"opaque ink", L"", PatternBytes(999, 3)},
        {"text with a lone LF and a zero", std::wstring(L"a\nb\0c", 5), PatternBytes(10, 1)},
        {"64 KiB of text", HangulText(40000), {}},
        {"text and 200 KiB of ink", L"메모", PatternBytes(200 * 1024 + 7, 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes body = inktest::Body(c.text, c.ink);
        HWND first = inktest::CreateInk(host);
        const auto in = inktest::StreamIn(first, body, 1000);
        EXPECT_EQ(in.error, 0u);
        EXPECT_EQ(in.result, static_cast<LRESULT>(body.size()));
        EXPECT_EQ(in.blocks.back(), RICHINK_STREAM_BLOCK);  // the last read gave 0 bytes and ended it

        const auto out = inktest::StreamOut(first);
        EXPECT_EQ(out.error, 0u);
        EXPECT_EQ(out.result, static_cast<LRESULT>(body.size()));
        EXPECT_TRUE(out.bytes == body);
        const size_t expectedBlocks = (body.size() + RICHINK_STREAM_BLOCK - 1) / RICHINK_STREAM_BLOCK;
        EXPECT_EQ(out.blocks.size(), expectedBlocks);
        for (size_t i = 0; i + 1 < out.blocks.size(); ++i)
            EXPECT_EQ(out.blocks[i], RICHINK_STREAM_BLOCK);

        // Into a fresh control and out again: still the same bytes.
        HWND second = inktest::CreateInk(host, 0x50200000);
        inktest::StreamIn(second, out.bytes);
        EXPECT_TRUE(inktest::StreamOut(second).bytes == body);

        EXPECT_EQ(testkit::WindowText(first), c.text);
        EXPECT_EQ(SendMessageW(first, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(c.text.size()));
        DestroyWindow(first);
        DestroyWindow(second);
    }
}

// The system's two passes: count, allocate, copy.
struct TwoPass {
    Bytes copy;
    size_t counted = 0;
    size_t written = 0;
};

DWORD CALLBACK CountingPass(DWORD_PTR cookie, LPBYTE, LONG count, LONG* done)
{
    reinterpret_cast<TwoPass*>(cookie)->counted += static_cast<size_t>(count);
    *done = count;
    return 0;
}

DWORD CALLBACK CopyPass(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* pass = reinterpret_cast<TwoPass*>(cookie);
    size_t room = pass->copy.size() - pass->written;
    size_t take = static_cast<size_t>(count) < room ? static_cast<size_t>(count) : room;
    memcpy(pass->copy.data() + pass->written, buffer, take);
    pass->written += take;
    *done = count;
    return 0;
}

TEST_F(RichInk, CountingAndCopyPassesGiveTheSameBytes)
{
    for (size_t textChars : {0u, 1u, 2046u, 2047u, 30000u}) {
        SCOPED_TRACE(textChars);
        const Bytes body = inktest::Body(HangulText(textChars), PatternBytes(textChars / 3, 5));
        HWND ink = inktest::CreateInk(host);
        inktest::StreamIn(ink, body);
        TwoPass pass;
        EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&pass), 0, CountingPass};
        SendMessageW(ink, EM_STREAMOUT, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
        EXPECT_EQ(pass.counted, body.size());
        pass.copy.assign(pass.counted, 0);
        stream = {reinterpret_cast<DWORD_PTR>(&pass), 0, CopyPass};
        SendMessageW(ink, EM_STREAMOUT, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
        EXPECT_EQ(pass.written, pass.counted);
        EXPECT_TRUE(pass.copy == body);
        DestroyWindow(ink);
    }
}

TEST_F(RichInk, EmptyControlStreamsOutNothing)
{
    HWND ink = inktest::CreateInk(host);
    const auto out = inktest::StreamOut(ink);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.error, 0u);
    EXPECT_TRUE(out.blocks.empty());
    // Emptied again by streaming in an empty body.
    inktest::StreamIn(ink, inktest::Body(L"가", {}));
    EXPECT_EQ(inktest::StreamIn(ink, {}).error, 0u);
    EXPECT_TRUE(inktest::StreamOut(ink).blocks.empty());
    DestroyWindow(ink);
}

TEST_F(RichInk, CallbackResultAbortsAndFailedStreamsKeepTheContent)
{
    HWND ink = inktest::CreateInk(host);
    const Bytes kept = inktest::Body(L"그대로", PatternBytes(100, 2));
    inktest::StreamIn(ink, kept);
    const Bytes big = inktest::Body(L"", PatternBytes(10000, 4));

    const struct {
        const char* name;
        Bytes body;
        int failAt;
        DWORD failWith;
        WPARAM format;
        DWORD error;
    } cases[] = {
        {"aborted on the first read", big, 1, 5, SF_RICHINK_BODY, 5},
        {"aborted after two blocks", big, 3, ERROR_READ_FAULT, SF_RICHINK_BODY, ERROR_READ_FAULT},
        {"not a body", Bytes{'h', 'e', 'l', 'l', 'o'}, 0, 0, SF_RICHINK_BODY, ERROR_INVALID_DATA},
        {"cut short", Bytes(big.begin(), big.end() - 1), 0, 0, SF_RICHINK_BODY, ERROR_INVALID_DATA},
        {"other format", big, 0, 0, SF_TEXT, ERROR_INVALID_PARAMETER},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto in = inktest::StreamIn(ink, c.body, 0x7FFFFFFF, c.failAt, c.failWith, c.format);
        EXPECT_EQ(in.result, 0);
        EXPECT_EQ(in.error, c.error);
        if (c.failAt) {
            EXPECT_EQ(in.blocks.size(), static_cast<size_t>(c.failAt));  // no read after the abort
        }
        EXPECT_TRUE(inktest::StreamOut(ink).bytes == kept);
    }

    // Stream-out stops at the block whose callback fails.
    inktest::StreamIn(ink, big);
    const auto out = inktest::StreamOut(ink, 2, 7);
    EXPECT_EQ(out.error, 7u);
    EXPECT_EQ(out.blocks.size(), 2u);
    EXPECT_EQ(out.result, RICHINK_STREAM_BLOCK);
    DestroyWindow(ink);
}

TEST_F(RichInk, TypedTextIsEditedAndStreamedWithTheInk)
{
    HWND titled = CreateWindowExW(0, WC_RICHINKW, L"처음 글", 0x50200000, 0, 0, 100, 50, host, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(inktest::StreamOut(titled).bytes == inktest::Body(L"처음 글", {}));
    DestroyWindow(titled);

    HWND ink = inktest::CreateInk(host);
    const Bytes stroke = inktest::StrokeBytes(3, RGB(0, 0, 255), {{5, 5}, {6, 9}});
    inktest::StreamIn(ink, inktest::Body(L"", stroke));
    SetFocus(ink);
    HWND page = inktest::PageOf(ink);
    EXPECT_EQ(GetFocus(), page);
    inktest::ParentEvents().clear();
    testkit::TypeText(page, L"ab\r");
    testkit::TypeText(page, L"한");
    EXPECT_EQ(testkit::WindowText(ink), L"ab\r\n한");
    EXPECT_GE(inktest::CountEvents(WM_COMMAND, EN_CHANGE), 1);
    EXPECT_TRUE(inktest::StreamOut(ink).bytes == inktest::Body(L"ab\r\n한", stroke));

    // WM_SETTEXT replaces the text and keeps the ink.
    SetWindowTextW(ink, L"새 글");
    EXPECT_TRUE(inktest::StreamOut(ink).bytes == inktest::Body(L"새 글", stroke));

    // Read-only: typing changes nothing.
    SendMessageW(ink, EM_SETREADONLY, TRUE, 0);
    testkit::TypeText(page, L"x");
    EXPECT_EQ(testkit::WindowText(ink), L"새 글");
    DestroyWindow(ink);
}

void Drag(HWND page, std::initializer_list<POINT> points)
{
    const POINT* p = points.begin();
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p->x, p->y));
    for (++p; p + 1 < points.end(); ++p)
        SendMessageW(page, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p->x, p->y));
    SendMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(p->x, p->y));
}

TEST_F(RichInk, PenWritesInkOnlyInInkViewWithInkModeAndNotReadOnly)
{
    // One stroke of three points, width 2, black, at zoom 100.
    const Bytes kStroke = {0x03, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                           10, 0, 10, 0, 30, 0, 20, 0, 50, 0, 30, 0};
    const struct {
        WPARAM view;
        WPARAM inkMode;
        BOOL readOnly;
        bool inks;
    } cases[] = {
        {RIV_INK, 1, FALSE, true},
        {RIV_INK, 0, FALSE, false},
        {RIV_TYPING, 1, FALSE, false},
        {RIV_INK, 1, TRUE, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.view << " ink mode " << c.inkMode << " read-only "
                                        << c.readOnly);
        HWND ink = inktest::CreateInk(host);
        SendMessageW(ink, EM_SETINKMODE, c.inkMode, 0);
        SendMessageW(ink, EM_SETVIEW, c.view, 0);
        SendMessageW(ink, EM_SETREADONLY, c.readOnly, 0);
        inktest::ParentEvents().clear();
        Drag(inktest::PageOf(ink), {{10, 10}, {30, 20}, {50, 30}});
        EXPECT_EQ(inktest::CountEvents(WM_NOTIFY, NM_CLICK), 1);
        EXPECT_TRUE(inktest::StreamOut(ink).bytes == (c.inks ? inktest::Body(L"", kStroke) : Bytes{}));
        DestroyWindow(ink);
    }
}

TEST_F(RichInk, ZoomScalesPenInputToPagePixels)
{
    HWND ink = inktest::CreateInk(host);
    SendMessageW(ink, EM_SETINKMODE, 1, 0);
    SendMessageW(ink, EM_SETVIEW, RIV_INK, 0);
    SendMessageW(ink, EM_SETZOOMPERCENT, 0, 200);
    const Bytes before = inktest::StrokeBytes(1, RGB(255, 0, 0), {{1, 1}});
    inktest::StreamIn(ink, inktest::Body(L"", before));
    Drag(inktest::PageOf(ink), {{20, 40}, {60, 80}});
    // New strokes are appended after the ink that was there, in page pixels.
    Bytes expected = before;
    const Bytes added = inktest::StrokeBytes(2, RGB(0, 0, 0), {{10, 20}, {30, 40}});
    expected.insert(expected.end(), added.begin(), added.end());
    EXPECT_TRUE(inktest::StreamOut(ink).bytes == inktest::Body(L"", expected));
    DestroyWindow(ink);
}

TEST_F(RichInk, TellsTheParentOfFocus)
{
    HWND other = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 0, 250, 20, 20, host, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HWND ink = inktest::CreateInk(host, 0x50200000, 240, 100, 21020);
    ShowWindow(host, SW_SHOW);
    SetForegroundWindow(host);
    SetFocus(other);
    inktest::ParentEvents().clear();
    SetFocus(ink);
    EXPECT_EQ(inktest::CountEvents(WM_COMMAND, EN_SETFOCUS), 1);
    EXPECT_EQ(inktest::CountEvents(WM_NOTIFY, NM_SETFOCUS), 1);
    for (const auto& e : inktest::ParentEvents())
        EXPECT_EQ(e.from, ink);
    SetFocus(other);
    EXPECT_EQ(inktest::CountEvents(WM_COMMAND, EN_KILLFOCUS), 1);
    DestroyWindow(ink);
}

// A Notes file holds the body's bytes as they are.
struct FileCookie {
    HANDLE file;
};

DWORD CALLBACK WriteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<FileCookie*>(cookie)->file, buffer, static_cast<DWORD>(count), &written, nullptr))
        return GetLastError();
    *done = static_cast<LONG>(written);
    return 0;
}

DWORD CALLBACK ReadFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    DWORD read = 0;
    if (!ReadFile(reinterpret_cast<FileCookie*>(cookie)->file, buffer, static_cast<DWORD>(count), &read, nullptr))
        return GetLastError();
    *done = static_cast<LONG>(read);
    return 0;
}

TEST_F(RichInk, NotesFileHoldsTheStreamBytes)
{
    const Bytes body = inktest::Body(L"장보기\r\n우유, 빵", inktest::StrokeBytes(2, 0, {{0, 0}, {9, 9}}));
    HWND ink = inktest::CreateInk(host);
    inktest::StreamIn(ink, body);
    const wchar_t path[] = L"\\My Documents\\장보기.pwi";
    FileCookie cookie = {CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    ASSERT_NE(cookie.file, INVALID_HANDLE_VALUE);
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, WriteFileCallback};
    SendMessageW(ink, EM_STREAMOUT, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
    CloseHandle(cookie.file);
    EXPECT_TRUE(testkit::ReadFileBytes(testkit::DeviceHostDir() + L"\\My Documents\\장보기.pwi") == body);

    HWND other = inktest::CreateInk(host);
    cookie.file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(cookie.file, INVALID_HANDLE_VALUE);
    stream = {reinterpret_cast<DWORD_PTR>(&cookie), 0, ReadFileCallback};
    EXPECT_EQ(SendMessageW(other, EM_STREAMIN, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream)),
              static_cast<LRESULT>(body.size()));
    CloseHandle(cookie.file);
    EXPECT_EQ(testkit::WindowText(other), L"장보기\r\n우유, 빵");
    EXPECT_TRUE(inktest::StreamOut(other).bytes == body);
    DestroyWindow(ink);
    DestroyWindow(other);
}

}  // namespace
