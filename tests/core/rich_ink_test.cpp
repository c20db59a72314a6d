// Rich Ink helpers against the platform's control: creation and the messages
// it sends, the view settings, and RichInkBody streamed in and out.
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "tests/core/heap_check.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Messages sent to windows of this thread while a recorder is alive.
struct SentMessage { HWND window; UINT message; WPARAM wParam; LPARAM lParam; };
std::vector<SentMessage>* g_sent = nullptr;

LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_sent) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->message >= WM_USER)
            g_sent->push_back({sent->hwnd, sent->message, sent->wParam, sent->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class SentMessageRecorder {
public:
    SentMessageRecorder()
    {
        g_sent = &messages;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
    }
    ~SentMessageRecorder()
    {
        UnhookWindowsHookEx(hook_);
        g_sent = nullptr;
    }
    // The Rich Ink settings messages sent to that window, in order.
    std::vector<SentMessage> SettingsSentTo(HWND window) const
    {
        std::vector<SentMessage> result;
        for (const auto& m : messages) {
            if (m.window == window && (m.message == EM_SETVIEW || m.message == EM_SETPAGESTYLE ||
                                       m.message == EM_SETZOOMPERCENT || m.message == EM_SETINKMODE))
                result.push_back(m);
        }
        return result;
    }
    std::vector<SentMessage> messages;

private:
    HHOOK hook_ = nullptr;
};

Bytes MakeBody(const std::wstring& text, const Bytes& ink)
{
    DWORD size = 0;
    BYTE* body = InkBodyCreate(text.data(), static_cast<DWORD>(text.size()), ink.empty() ? nullptr : ink.data(),
                               static_cast<DWORD>(ink.size()), &size);
    Bytes bytes(body, body + size);
    LocalFree(body);
    return bytes;
}

// One stroke of three points, written field by field.
Bytes StrokeBytes()
{
    const short points[] = {10, 10, 40, 25, 80, 12};
    Bytes ink = {3, 0, 2, 0, 0x10, 0x20, 0x30, 0x00};
    for (short p : points) {
        ink.push_back(static_cast<BYTE>(p & 0xFF));
        ink.push_back(static_cast<BYTE>((p >> 8) & 0xFF));
    }
    return ink;
}

Bytes BodyBytes()
{
    return Bytes(RichInkBody.bytes, RichInkBody.bytes + RichInkBody.size);
}

std::wstring ControlText(HWND control)
{
    return testkit::WindowText(control);
}

class RichInkTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitRichInkDLL();
        host_ = testkit::CreateTestWindow(false);
        ASSERT_NE(host_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(host_);
        FreeRichInkBody();
        EXPECT_TRUE(coretest::HeapIsSound());
    }
    HWND NewControl()
    {
        const RECT rect = {0, 20, 240, 220};
        return CreateRichInkControl(host_, &rect);
    }
    HWND host_ = nullptr;
};

TEST(RichInkMissing, NoControlWithoutTheClass)
{
    // The class is registered only by InitRichInkDLL, which this case skips.
    HWND host = testkit::CreateTestWindow(false);
    SentMessageRecorder recorder;
    const RECT rect = {0, 0, 100, 100};
    EXPECT_EQ(CreateRichInkControl(host, &rect), nullptr);
    for (const auto& m : recorder.messages)
        EXPECT_FALSE(m.message == EM_SETPAGESTYLE || m.message == EM_SETZOOMPERCENT) << m.message;
    DestroyWindow(host);
}

TEST_F(RichInkTest, CreatedWithItsStyleAndSettings)
{
    SentMessageRecorder recorder;
    HWND control = NewControl();
    ASSERT_NE(control, nullptr);
    wchar_t className[32] = L"";
    GetClassNameW(control, className, 32);
    EXPECT_STREQ(className, L"RichInk");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & 0xFFFF0000u, 0x50A00000u);
    EXPECT_EQ(GetDlgCtrlID(control), 0);
    EXPECT_EQ(GetParent(control), host_);
    RECT placed = {};
    GetWindowRect(control, &placed);
    MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 20);
    EXPECT_EQ(placed.right - placed.left, 240);
    EXPECT_EQ(placed.bottom - placed.top, 200);

    const auto sent = recorder.SettingsSentTo(control);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].message, 1311u);
    EXPECT_EQ(sent[0].wParam, 16u);
    EXPECT_EQ(sent[1].message, 1314u);
    EXPECT_EQ(sent[1].wParam, 0u);
    EXPECT_EQ(sent[1].lParam, 100);
}

TEST_F(RichInkTest, ViewSettingsOfBothModes)
{
    struct Case { const char* mode; int inkFlag; int view; };
    const Case cases[] = {{"ink", 1, 2}, {"typing", 0, 3}};
    HWND control = NewControl();
    ASSERT_NE(control, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SentMessageRecorder recorder;
        ApplyRichInkViewSettings(control, c.inkFlag, c.view);
        const auto sent = recorder.SettingsSentTo(control);
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0].message, 1353u);
        EXPECT_EQ(sent[0].wParam, static_cast<WPARAM>(c.inkFlag));
        EXPECT_EQ(sent[1].message, 1308u);
        EXPECT_EQ(sent[1].wParam, static_cast<WPARAM>(c.view));
    }
}

TEST_F(RichInkTest, RoundTripIntoAFreshControl)
{
    struct Case { const char* name; std::wstring text; Bytes ink; };
    const Case cases[] = {
        {"Korean text", L"오늘의 메모\r\n둘째 줄", {}},
        {"text and ink", L"잉크와 글", StrokeBytes()},
        {"ink only", L"", StrokeBytes()},
        {"several stream blocks", std::wstring(9000, L'가') + L"\r\n" + std::wstring(3000, L'x'), StrokeBytes()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes body = MakeBody(c.text, c.ink);
        ASSERT_FALSE(body.empty());
        ASSERT_TRUE(SetRichInkBody(body.data(), static_cast<DWORD>(body.size())));

        HWND first = NewControl();
        ASSERT_TRUE(StreamTextIntoRichInk(first));
        EXPECT_EQ(ControlText(first), c.text);
        ASSERT_TRUE(StreamTextOutOfRichInk(first));
        EXPECT_EQ(BodyBytes(), body);
        EXPECT_EQ(LocalSize(RichInkBody.bytes), body.size() + 2);
        EXPECT_EQ(RichInkBody.bytes[body.size()] | RichInkBody.bytes[body.size() + 1], 0);

        HWND fresh = NewControl();
        ASSERT_TRUE(StreamTextIntoRichInk(fresh));
        ASSERT_TRUE(StreamTextOutOfRichInk(fresh));
        EXPECT_EQ(BodyBytes(), body);
        EXPECT_EQ(ControlText(fresh), c.text);
        DestroyWindow(first);
        DestroyWindow(fresh);
    }
}

TEST_F(RichInkTest, EmptyControlAndEmptyBodies)
{
    HWND control = NewControl();
    ASSERT_TRUE(SetRichInkBody("stale", 5));
    ASSERT_TRUE(StreamTextOutOfRichInk(control));
    EXPECT_EQ(RichInkBody.size, 0u);
    ASSERT_NE(RichInkBody.bytes, nullptr);
    EXPECT_EQ(LocalSize(RichInkBody.bytes), 2u);
    EXPECT_EQ(RichInkBody.bytes[0] | RichInkBody.bytes[1], 0);

    // Streaming in an empty body, with or without its two zero bytes, empties a control.
    const Bytes full = MakeBody(L"지울 글", {});
    for (bool withBuffer : {true, false}) {
        SCOPED_TRACE(withBuffer ? "two-byte zero buffer" : "no buffer");
        ASSERT_TRUE(SetRichInkBody(full.data(), static_cast<DWORD>(full.size())));
        ASSERT_TRUE(StreamTextIntoRichInk(control));
        ASSERT_EQ(ControlText(control), L"지울 글");
        if (withBuffer) {
            ASSERT_TRUE(SetRichInkBody(nullptr, 0));
        } else {
            FreeRichInkBody();
        }
        EXPECT_TRUE(StreamTextIntoRichInk(control));
        EXPECT_EQ(ControlText(control), L"");
    }
}

TEST_F(RichInkTest, NotAControl)
{
    ASSERT_TRUE(SetRichInkBody("keep", 4));
    EXPECT_FALSE(StreamTextOutOfRichInk(nullptr));
    EXPECT_EQ(RichInkBody.size, 4u);
    EXPECT_FALSE(StreamTextIntoRichInk(nullptr));
}

TEST_F(RichInkTest, StreamingOutReplacesTheOldBody)
{
    HWND control = NewControl();
    const Bytes body = MakeBody(L"반복", StrokeBytes());
    ASSERT_TRUE(SetRichInkBody(body.data(), static_cast<DWORD>(body.size())));
    ASSERT_TRUE(StreamTextIntoRichInk(control));
    auto streamOutOften = [&] {
        for (int i = 0; i < 200; ++i) {
            if (!StreamTextOutOfRichInk(control))
                return false;
        }
        return true;
    };
    ASSERT_TRUE(streamOutOften());
    const SIZE_T before = coretest::HeapBytesInUse();
    ASSERT_TRUE(streamOutOften());
    EXPECT_EQ(coretest::HeapBytesInUse(), before);
    EXPECT_EQ(BodyBytes(), body);
    EXPECT_TRUE(coretest::HeapIsSound());
}

// The callbacks alone: requests smaller than the body, and a copy pass cut
// to the room its counting pass found.
TEST(RichInkCallbacks, StreamInInSmallRequests)
{
    Bytes body(1000);
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<BYTE>(i * 7);
    struct Case { LONG request; };
    for (const Case c : {Case{1}, Case{7}, Case{999}, Case{1000}, Case{4096}}) {
        SCOPED_TRACE(c.request);
        RichInkInCookie cookie = {body.data(), body.data(), static_cast<DWORD>(body.size())};
        Bytes read;
        BYTE block[4096];
        for (int calls = 0; calls < 2000; ++calls) {
            LONG done = -1;
            EXPECT_EQ(RichInkStreamInCallback(reinterpret_cast<DWORD_PTR>(&cookie), block, c.request, &done), 0u);
            ASSERT_GE(done, 0);
            ASSERT_LE(done, c.request);
            if (done == 0)
                break;
            read.insert(read.end(), block, block + done);
        }
        EXPECT_EQ(read, body);
    }
    RichInkInCookie empty = {nullptr, nullptr, 0};
    LONG done = -1;
    BYTE block[8];
    EXPECT_EQ(RichInkStreamInCallback(reinterpret_cast<DWORD_PTR>(&empty), block, 8, &done), 0u);
    EXPECT_EQ(done, 0);
}

TEST(RichInkCallbacks, CountingThenCopying)
{
    const Bytes blocks[] = {Bytes(4096, 1), Bytes(4096, 2), Bytes(17, 3)};
    RichInkOutCookie counting = {nullptr, 0, 0};
    for (const auto& b : blocks) {
        LONG done = 0;
        EXPECT_EQ(RichInkStreamOutCallback(reinterpret_cast<DWORD_PTR>(&counting), const_cast<BYTE*>(b.data()),
                                           static_cast<LONG>(b.size()), &done), 0u);
        EXPECT_EQ(done, static_cast<LONG>(b.size()));
    }
    EXPECT_EQ(counting.position, 4096u * 2 + 17);

    // A copy pass with less room than the content keeps what fits.
    Bytes room(5000, 0xEE);
    RichInkOutCookie copying = {room.data(), 4100, 0};
    for (const auto& b : blocks) {
        LONG done = 0;
        RichInkStreamOutCallback(reinterpret_cast<DWORD_PTR>(&copying), const_cast<BYTE*>(b.data()),
                                 static_cast<LONG>(b.size()), &done);
        EXPECT_EQ(done, static_cast<LONG>(b.size()));
    }
    EXPECT_EQ(copying.position, 4100u);
    EXPECT_EQ(room[4095], 1);
    EXPECT_EQ(room[4096], 2);
    EXPECT_EQ(room[4099], 2);
    EXPECT_EQ(room[4100], 0xEE);
}

}  // namespace
