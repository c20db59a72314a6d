#include "core/rich_ink_body.h"

#include <cstring>

RichInkBuffer RichInkBody = {0, nullptr};

namespace {

// The content is followed by a wide zero, so a text body can be read as a string.
constexpr SIZE_T kBodyTerminatorBytes = 2;

BYTE* AllocateBody(DWORD size)
{
    return static_cast<BYTE*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, SIZE_T{size} + kBodyTerminatorBytes));
}

}  // namespace

void FreeRichInkBody()
{
    if (RichInkBody.bytes)
        LocalFree(RichInkBody.bytes);
    RichInkBody = {0, nullptr};
}

BYTE* ResizeRichInkBody(DWORD size)
{
    FreeRichInkBody();
    BYTE* bytes = AllocateBody(size);
    if (bytes)
        RichInkBody = {size, bytes};
    return bytes;
}

bool SetRichInkBody(const void* bytes, DWORD size)
{
    // The copy is made before the old body goes, so a part of the body itself
    // may be passed.
    BYTE* copy = (bytes || size == 0) ? AllocateBody(size) : nullptr;
    if (copy && size)
        memcpy(copy, bytes, size);
    FreeRichInkBody();
    if (copy)
        RichInkBody = {size, copy};
    return copy != nullptr;
}
