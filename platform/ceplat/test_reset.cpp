#include "platform/ce.h"

namespace {

constexpr int kMaxHooks = 32;
CeResetHook g_hooks[kMaxHooks];
int g_hookCount = 0;

}  // namespace

CEAPI void WINAPI CeRegisterTestReset(CeResetHook hook)
{
    if (!hook || g_hookCount >= kMaxHooks)
        return;
    for (int i = 0; i < g_hookCount; ++i) {
        if (g_hooks[i] == hook)
            return;
    }
    g_hooks[g_hookCount++] = hook;
}

CEAPI void WINAPI CeResetForTests()
{
    for (int i = g_hookCount - 1; i >= 0; --i)
        g_hooks[i]();
}
