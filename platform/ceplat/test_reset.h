// Between the cases of one test executable the platform closes and unmounts
// everything it holds, so that each case starts as a fresh process would.
#pragma once

typedef void (*CeResetHook)();

// Each platform service registers its own reset once (at DLL load).
CEAPI void WINAPI CeRegisterTestReset(CeResetHook hook);
// Runs every registered reset, newest first.
CEAPI void WINAPI CeResetForTests();
