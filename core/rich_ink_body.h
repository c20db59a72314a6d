// Ownership of RichInkBody: it always holds its own local-heap copy.
#pragma once

#include "core/state.h"

// Replaces the body with a copy of size bytes, followed by two zero bytes
// (a size of 0 gives a count of 0 with a two-byte zero buffer), and frees the
// old copy. False, leaving the body empty, when the copy cannot be allocated
// or bytes is null with a non-zero size.
bool SetRichInkBody(const void* bytes, DWORD size);

// Replaces the body with size + 2 zero bytes for the caller to fill and
// returns them; nullptr, leaving the body empty, when they cannot be
// allocated.
BYTE* ResizeRichInkBody(DWORD size);

// Frees the body and leaves it empty; an empty body is left alone.
void FreeRichInkBody();
