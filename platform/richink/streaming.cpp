#include "platform/richink/streaming.h"

namespace richink {

namespace {

// Far beyond any memo; stops a callback that never ends the stream.
constexpr size_t kMaxBodyBytes = 64u << 20;

bool StreamUsable(WPARAM format, EDITSTREAM* stream)
{
    if (!stream || !stream->pfnCallback)
        return false;
    stream->dwError = 0;
    if (format != SF_RICHINK_BODY) {
        stream->dwError = ERROR_INVALID_PARAMETER;
        return false;
    }
    return true;
}

}  // namespace

LRESULT StreamIn(Control& control, WPARAM format, EDITSTREAM* stream)
{
    if (!StreamUsable(format, stream))
        return 0;
    std::vector<BYTE> body;
    for (;;) {
        const size_t at = body.size();
        if (at >= kMaxBodyBytes) {
            stream->dwError = ERROR_BUFFER_OVERFLOW;
            return 0;
        }
        body.resize(at + RICHINK_STREAM_BLOCK);
        LONG got = 0;
        const DWORD result = stream->pfnCallback(stream->dwCookie, body.data() + at, RICHINK_STREAM_BLOCK, &got);
        if (result != 0) {
            stream->dwError = result;
            return 0;
        }
        if (got < 0 || got > RICHINK_STREAM_BLOCK)
            got = got < 0 ? 0 : RICHINK_STREAM_BLOCK;
        body.resize(at + static_cast<size_t>(got));
        if (got == 0)
            break;
    }
    INKBODYPARTS parts;
    if (!InkBodyRead(body.data(), static_cast<DWORD>(body.size()), &parts)) {
        stream->dwError = ERROR_INVALID_DATA;
        return 0;
    }
    std::wstring text(parts.textChars + 1, L'\0');
    InkBodyCopyText(body.data(), static_cast<DWORD>(body.size()), text.data(), parts.textChars + 1);
    text.resize(parts.textChars);
    const BYTE* ink = body.data() + parts.inkOffset;
    ReplaceContent(control, text, std::vector<BYTE>(ink, ink + parts.inkBytes));
    return static_cast<LRESULT>(body.size());
}

LRESULT StreamOut(Control& control, WPARAM format, EDITSTREAM* stream)
{
    if (!StreamUsable(format, stream))
        return 0;
    const std::wstring& text = ContentText(control);
    DWORD size = 0;
    if (!InkBodyMeasure(static_cast<DWORD>(text.size()), static_cast<DWORD>(control.ink.size()), &size)) {
        stream->dwError = GetLastError();
        return 0;
    }
    std::vector<BYTE> body(size);
    if (size)
        InkBodyWrite(text.data(), static_cast<DWORD>(text.size()), control.ink.data(),
                     static_cast<DWORD>(control.ink.size()), body.data(), size, &size);
    DWORD sent = 0;
    while (sent < size) {
        const LONG block = static_cast<LONG>(size - sent < RICHINK_STREAM_BLOCK ? size - sent : RICHINK_STREAM_BLOCK);
        LONG done = 0;
        const DWORD result = stream->pfnCallback(stream->dwCookie, body.data() + sent, block, &done);
        if (result != 0) {
            stream->dwError = result;
            break;
        }
        if (done < block) {
            // A receiver that takes less than a block has lost bytes.
            sent += done > 0 ? static_cast<DWORD>(done) : 0;
            stream->dwError = ERROR_WRITE_FAULT;
            break;
        }
        sent += static_cast<DWORD>(block);
    }
    return static_cast<LRESULT>(sent);
}

}  // namespace richink
