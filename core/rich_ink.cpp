#include "core/rich_ink.h"

#include "core/rich_ink_body.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kRichInkStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL;
static_assert(kRichInkStyle == 0x50A00000);
constexpr int kRichInkControlId = 0;
constexpr LPARAM kFullZoomPercent = 100;

bool StreamOutPass(HWND control, RichInkOutCookie* cookie)
{
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(cookie);
    stream.pfnCallback = RichInkStreamOutCallback;
    SendMessageW(control, EM_STREAMOUT, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

}  // namespace

HWND CreateRichInkControl(HWND parent, const RECT* rect)
{
    HWND control = CreateWindowExW(0, WC_RICHINKW, L"", kRichInkStyle, rect->left, rect->top,
                                   rect->right - rect->left, rect->bottom - rect->top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRichInkControlId)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control)
        return nullptr;
    SendMessageW(control, EM_SETPAGESTYLE, RIPS_LINED, 0);
    SendMessageW(control, EM_SETZOOMPERCENT, 0, kFullZoomPercent);
    return control;
}

void ApplyRichInkViewSettings(HWND control, int inkFlag, int view)
{
    SendMessageW(control, EM_SETINKMODE, static_cast<WPARAM>(inkFlag), 0);
    SendMessageW(control, EM_SETVIEW, static_cast<WPARAM>(view), 0);
}

void ApplyRichInkPreviewView(HWND control)
{
    constexpr int kPreviewZoom = 100;
    ApplyRichInkViewSettings(control, 1, RIV_INK);
    SendMessageW(control, EM_SETZOOMPERCENT, 0, kPreviewZoom);
    SendMessageW(control, EM_SETPAGESTYLE, RIPS_PREVIEW, 0);
}

DWORD CALLBACK RichInkStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* in = reinterpret_cast<RichInkInCookie*>(cookie);
    const DWORD left = in->total - static_cast<DWORD>(in->position - in->start);
    const DWORD bytes = std::min<DWORD>(count > 0 ? static_cast<DWORD>(count) : 0, left);
    if (bytes)
        memcpy(buffer, in->position, bytes);
    in->position += bytes;
    *done = static_cast<LONG>(bytes);
    return 0;
}

DWORD CALLBACK RichInkStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* out = reinterpret_cast<RichInkOutCookie*>(cookie);
    const DWORD block = count > 0 ? static_cast<DWORD>(count) : 0;
    if (out->buffer) {
        const DWORD bytes = std::min(block, out->limit - out->position);
        memcpy(out->buffer + out->position, buffer, bytes);
        out->position += bytes;
    } else {
        out->position += block;
    }
    *done = static_cast<LONG>(block);
    return 0;
}

bool StreamTextIntoRichInk(HWND control)
{
    RichInkInCookie cookie = {RichInkBody.bytes, RichInkBody.bytes, RichInkBody.bytes ? RichInkBody.size : 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = RichInkStreamInCallback;
    SendMessageW(control, EM_STREAMIN, SF_RICHINK_BODY, reinterpret_cast<LPARAM>(&stream));
    return IsWindow(control) && stream.dwError == 0;
}

bool StreamTextOutOfRichInk(HWND control)
{
    if (!IsWindow(control))
        return false;
    RichInkOutCookie counting = {nullptr, 0, 0};
    if (!StreamOutPass(control, &counting)) {
        FreeRichInkBody();
        return false;
    }
    BYTE* buffer = ResizeRichInkBody(counting.position);
    if (!buffer)
        return false;
    RichInkOutCookie copying = {buffer, counting.position, 0};
    if (!StreamOutPass(control, &copying)) {
        FreeRichInkBody();
        return false;
    }
    return true;
}
