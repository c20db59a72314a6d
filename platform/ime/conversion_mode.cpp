#include "platform/ime/conversion_mode.h"

#include "platform/ime/edit_composer.h"

// The desktop calls, which are kept informed.
#undef ImmSetConversionStatus
#undef ImmGetConversionStatus

namespace ime {

namespace {

// A thread has one default context that all its windows share; a few more
// slots cover contexts made by ImmCreateContext.
constexpr int kMaxContexts = 16;

struct ContextMode {
    HIMC context;
    DWORD conversion;
    DWORD sentence;
};

ContextMode g_modes[kMaxContexts];
int g_modeCount = 0;

ContextMode* FindMode(HIMC context)
{
    for (int i = 0; i < g_modeCount; ++i) {
        if (g_modes[i].context == context)
            return &g_modes[i];
    }
    return nullptr;
}

ContextMode* FindOrAddMode(HIMC context)
{
    if (ContextMode* mode = FindMode(context))
        return mode;
    if (g_modeCount == kMaxContexts)
        g_modeCount = kMaxContexts - 1;  // the oldest extra context gives way
    g_modes[g_modeCount] = ContextMode{context, 0, 0};
    return &g_modes[g_modeCount++];
}

}  // namespace

bool IsHangulMode(HWND window)
{
    HIMC context = ImmGetContext(window);
    if (!context)
        return false;
    const ContextMode* mode = FindMode(context);
    ImmReleaseContext(window, context);
    return mode && (mode->conversion & IME_CMODE_HANGUL);
}

void ResetConversionModes()
{
    g_modeCount = 0;
}

}  // namespace ime

CEAPI BOOL WINAPI CeImmSetConversionStatus(HIMC context, DWORD conversion, DWORD sentence)
{
    if (!context) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    ime::ContextMode* mode = ime::FindOrAddMode(context);
    const bool wasHangul = mode->conversion & IME_CMODE_HANGUL;
    mode->conversion = conversion;
    mode->sentence = sentence;
    ImmSetConversionStatus(context, conversion, sentence);
    if (wasHangul && !(conversion & IME_CMODE_HANGUL))
        ime::CommitComposition();
    return TRUE;
}

CEAPI BOOL WINAPI CeImmGetConversionStatus(HIMC context, LPDWORD conversion, LPDWORD sentence)
{
    if (!context) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const ime::ContextMode* mode = ime::FindMode(context);
    if (conversion)
        *conversion = mode ? mode->conversion : 0;
    if (sentence)
        *sentence = mode ? mode->sentence : 0;
    return TRUE;
}
