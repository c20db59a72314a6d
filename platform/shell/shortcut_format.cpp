#include "platform/shell/shortcut_format.h"

#include "platform/ce.h"

#include <cstdio>

namespace {

constexpr size_t kMaxCountDigits = 4;

}  // namespace

namespace shell {

bool EncodeShortcut(LPCWSTR target, char* out, size_t outBytes, size_t* written)
{
    size_t length = target ? wcslen(target) : 0;
    if (length == 0 || length > CE_SHORTCUT_TARGET_CHARS || outBytes == 0)
        return false;
    int prefix = snprintf(out, outBytes, "%u#", static_cast<unsigned>(length));
    if (prefix <= 0 || static_cast<size_t>(prefix) >= outBytes)
        return false;
    BOOL lossy = FALSE;
    int bytes = WideCharToMultiByte(CP_ACP, 0, target, static_cast<int>(length), out + prefix,
                                    static_cast<int>(outBytes - prefix), nullptr, &lossy);
    if (bytes <= 0 || lossy)
        return false;
    *written = static_cast<size_t>(prefix + bytes);
    return true;
}

bool DecodeShortcut(const char* bytes, size_t size, wchar_t* target, size_t chars)
{
    if (!bytes || !target || chars == 0 || size > kMaxShortcutBytes)
        return false;
    size_t at = 0;
    size_t count = 0;
    while (at < size && at < kMaxCountDigits && bytes[at] >= '0' && bytes[at] <= '9')
        count = count * 10 + static_cast<size_t>(bytes[at++] - '0');
    if (at == 0 || at >= size || bytes[at] != '#' || count == 0)
        return false;
    ++at;
    // A line end after the target is not part of it.
    size_t end = size;
    while (end > at && (bytes[end - 1] == '\r' || bytes[end - 1] == '\n'))
        --end;
    wchar_t text[kMaxShortcutBytes];
    int available = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes + at, static_cast<int>(end - at), text,
                                        static_cast<int>(kMaxShortcutBytes));
    if (available <= 0 || count > static_cast<size_t>(available) || count >= chars)
        return false;
    CopyMemory(target, text, count * sizeof(wchar_t));
    target[count] = 0;
    return true;
}

}  // namespace shell
