// The conversion mode of each input context, as the platform keeps it.
#pragma once

#include "platform/ce.h"

namespace ime {

// Whether the window's input context is in Hangul mode.
bool IsHangulMode(HWND window);
// Every context back to Latin mode (test reset).
void ResetConversionModes();

}  // namespace ime
