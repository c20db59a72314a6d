// Ownership of RichInkBody: it always holds its own local-heap copy.
#pragma once

#include "core/state.h"

// Replaces the body with a copy of size bytes (the old copy is freed first).
// A size of 0 gives the empty body. False, leaving the body empty, when the
// copy cannot be allocated or bytes is null with a non-zero size.
bool SetRichInkBody(const void* bytes, DWORD size);

// Replaces the body with size zero bytes for the caller to fill and returns
// them; nullptr, leaving the body empty, when they cannot be allocated. A size
// of 0 leaves the body empty and returns nullptr.
BYTE* ResizeRichInkBody(DWORD size);

// Frees the body and leaves it empty; an empty body is left alone.
void FreeRichInkBody();
