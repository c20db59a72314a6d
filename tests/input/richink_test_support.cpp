#include "tests/input/richink_test_support.h"

namespace inktest {

namespace {

std::vector<ParentEvent> g_events;

LRESULT CALLBACK RecordingHostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        g_events.push_back({WM_COMMAND, HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        g_events.push_back({WM_NOTIFY, static_cast<int>(header->code), header->hwndFrom});
        return 0;
    }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

struct Cookie {
    const Bytes* in = nullptr;
    size_t position = 0;
    LONG maxPerRead = 0;
    int calls = 0;
    int failAtCall = 0;
    DWORD failWith = 0;
    StreamLog* log = nullptr;
};

DWORD CALLBACK ReadCallback(DWORD_PTR cookieValue, LPBYTE buffer, LONG count, LONG* done)
{
    auto* cookie = reinterpret_cast<Cookie*>(cookieValue);
    cookie->log->blocks.push_back(count);
    if (++cookie->calls == cookie->failAtCall) {
        *done = 0;
        return cookie->failWith;
    }
    size_t take = cookie->in->size() - cookie->position;
    if (take > static_cast<size_t>(count))
        take = static_cast<size_t>(count);
    if (take > static_cast<size_t>(cookie->maxPerRead))
        take = static_cast<size_t>(cookie->maxPerRead);
    memcpy(buffer, cookie->in->data() + cookie->position, take);
    cookie->position += take;
    *done = static_cast<LONG>(take);
    return 0;
}

DWORD CALLBACK WriteCallback(DWORD_PTR cookieValue, LPBYTE buffer, LONG count, LONG* done)
{
    auto* cookie = reinterpret_cast<Cookie*>(cookieValue);
    cookie->log->blocks.push_back(count);
    if (++cookie->calls == cookie->failAtCall) {
        *done = 0;
        return cookie->failWith;
    }
    cookie->log->bytes.insert(cookie->log->bytes.end(), buffer, buffer + count);
    *done = count;
    return 0;
}

void PutU16(Bytes& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

HWND CreateRecordingHost(bool visible)
{
    g_events.clear();
    return testkit::CreateTestWindow(visible, 240, 294, RecordingHostProc);
}

std::vector<ParentEvent>& ParentEvents()
{
    return g_events;
}

int CountEvents(UINT message, int code)
{
    int count = 0;
    for (const auto& e : g_events)
        count += e.message == message && e.code == code;
    return count;
}

HWND CreateInk(HWND parent, DWORD style, int width, int height, int id)
{
    return CreateWindowExW(0, WC_RICHINKW, L"", style, 0, 0, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

HWND PageOf(HWND ink)
{
    return GetWindow(ink, GW_CHILD);
}

namespace {

// Sends one stream message with the cookie; the callback fills the log.
StreamLog RunStream(HWND ink, UINT message, WPARAM format, Cookie& cookie, EDITSTREAMCALLBACK callback)
{
    StreamLog log;
    cookie.log = &log;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = callback;
    log.result = SendMessageW(ink, message, format, reinterpret_cast<LPARAM>(&stream));
    log.error = stream.dwError;
    return log;
}

}  // namespace

StreamLog StreamIn(HWND ink, const Bytes& body, LONG maxPerRead, int failAtCall, DWORD failWith, WPARAM format)
{
    Cookie cookie;
    cookie.in = &body;
    cookie.maxPerRead = maxPerRead;
    cookie.failAtCall = failAtCall;
    cookie.failWith = failWith;
    return RunStream(ink, EM_STREAMIN, format, cookie, ReadCallback);
}

StreamLog StreamOut(HWND ink, int failAtCall, DWORD failWith)
{
    Cookie cookie;
    cookie.failAtCall = failAtCall;
    cookie.failWith = failWith;
    return RunStream(ink, EM_STREAMOUT, SF_RICHINK_BODY, cookie, WriteCallback);
}

Bytes Body(const std::wstring& text, const Bytes& ink)
{
    DWORD size = 0;
    InkBodyMeasure(static_cast<DWORD>(text.size()), static_cast<DWORD>(ink.size()), &size);
    Bytes body(size);
    InkBodyWrite(text.data(), static_cast<DWORD>(text.size()), ink.data(), static_cast<DWORD>(ink.size()),
                 body.data(), size, &size);
    return body;
}

Bytes StrokeBytes(uint16_t width, COLORREF colour, const std::vector<POINT>& points)
{
    Bytes out;
    PutU16(out, static_cast<uint16_t>(points.size()));
    PutU16(out, width);
    PutU16(out, static_cast<uint16_t>(colour & 0xFFFF));
    PutU16(out, static_cast<uint16_t>(colour >> 16));
    for (const POINT& p : points) {
        PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(p.x)));
        PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(p.y)));
    }
    return out;
}

}  // namespace inktest
