// Reader and writer of the Rich Ink body (layout in ink_stream.h).
#include "platform/ce.h"
#include "platform/ceplat/byte_fields.h"

#include <cstring>

namespace {

const unsigned char kMagic[4] = {'R', 'I', 'N', 'K'};
constexpr uint64_t kFixedBytes = INKBODY_HEADER_BYTES + INKBODY_INK_LENGTH_BYTES;

uint64_t BodySize(DWORD textChars, DWORD inkBytes)
{
    if (textChars == 0 && inkBytes == 0)
        return 0;
    return kFixedBytes + 2ull * textChars + inkBytes;
}

void WriteFields(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes, BYTE* body)
{
    memcpy(body, kMagic, sizeof(kMagic));
    ce::StoreU16LE(body + 4, INKBODY_VERSION);
    ce::StoreU16LE(body + 6, 0);
    ce::StoreU32LE(body + 8, textChars);
    BYTE* at = body + INKBODY_HEADER_BYTES;
    for (DWORD i = 0; i < textChars; ++i, at += 2)
        ce::StoreU16LE(at, static_cast<uint16_t>(text[i]));
    ce::StoreU32LE(at, inkBytes);
    at += INKBODY_INK_LENGTH_BYTES;
    if (inkBytes)
        memcpy(at, ink, inkBytes);
}

bool ArgumentsValid(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes)
{
    return (text || textChars == 0) && (ink || inkBytes == 0);
}

}  // namespace

CEAPI BOOL WINAPI InkBodyMeasure(DWORD textChars, DWORD inkBytes, DWORD* bodyBytes)
{
    if (!bodyBytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const uint64_t size = BodySize(textChars, inkBytes);
    if (size > 0xFFFFFFFFull) {
        *bodyBytes = 0;
        SetLastError(ERROR_ARITHMETIC_OVERFLOW);
        return FALSE;
    }
    *bodyBytes = static_cast<DWORD>(size);
    return TRUE;
}

CEAPI BOOL WINAPI InkBodyWrite(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes, BYTE* body,
                               DWORD bodyCapacity, DWORD* bodyBytes)
{
    if (!bodyBytes || !ArgumentsValid(text, textChars, ink, inkBytes)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD size = 0;
    if (!InkBodyMeasure(textChars, inkBytes, &size))
        return FALSE;
    *bodyBytes = size;
    if (size > bodyCapacity || (size && !body)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (size)
        WriteFields(text, textChars, ink, inkBytes, body);
    return TRUE;
}

CEAPI BYTE* WINAPI InkBodyCreate(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes,
                                 DWORD* bodyBytes)
{
    DWORD size = 0;
    if (!bodyBytes || !ArgumentsValid(text, textChars, ink, inkBytes)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!InkBodyMeasure(textChars, inkBytes, &size) || size > 0xFFFFFFFFu - 2) {
        SetLastError(ERROR_ARITHMETIC_OVERFLOW);
        return nullptr;
    }
    BYTE* body = static_cast<BYTE*>(LocalAlloc(LPTR, size + 2));
    if (!body)
        return nullptr;
    if (size)
        WriteFields(text, textChars, ink, inkBytes, body);
    *bodyBytes = size;
    return body;
}

CEAPI BOOL WINAPI InkBodyRead(const BYTE* body, DWORD bodyBytes, INKBODYPARTS* parts)
{
    if (!parts || (bodyBytes && !body)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *parts = INKBODYPARTS{};
    if (bodyBytes == 0)
        return TRUE;
    const auto garbled = [] {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    };
    if (bodyBytes < kFixedBytes || memcmp(body, kMagic, sizeof(kMagic)) != 0 ||
        ce::LoadU16LE(body + 4) != INKBODY_VERSION || ce::LoadU16LE(body + 6) != 0)
        return garbled();
    const DWORD textChars = ce::LoadU32LE(body + 8);
    const uint64_t inkLengthAt = INKBODY_HEADER_BYTES + 2ull * textChars;
    if (inkLengthAt + INKBODY_INK_LENGTH_BYTES > bodyBytes)
        return garbled();
    const DWORD inkBytes = ce::LoadU32LE(body + inkLengthAt);
    if (BodySize(textChars, inkBytes) != bodyBytes)
        return garbled();  // short, trailing bytes, or a bare header
    parts->textChars = textChars;
    parts->textOffset = INKBODY_HEADER_BYTES;
    parts->inkBytes = inkBytes;
    parts->inkOffset = static_cast<DWORD>(inkLengthAt + INKBODY_INK_LENGTH_BYTES);
    return TRUE;
}

CEAPI DWORD WINAPI InkBodyCopyText(const BYTE* body, DWORD bodyBytes, WCHAR* text, DWORD textCount)
{
    if (!text || textCount == 0)
        return 0;
    text[0] = 0;
    INKBODYPARTS parts;
    if (!InkBodyRead(body, bodyBytes, &parts))
        return 0;
    const DWORD copied = parts.textChars < textCount - 1 ? parts.textChars : textCount - 1;
    for (DWORD i = 0; i < copied; ++i)
        text[i] = static_cast<WCHAR>(ce::LoadU16LE(body + parts.textOffset + 2 * i));
    text[copied] = 0;
    return copied;
}
