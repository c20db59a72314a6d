#include "tests/support/testkit.h"

namespace testkit {

void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpPending();
        if (condition())
            return true;
        ULONGLONG now = GetTickCount64();
        if (now >= end)
            return false;
        DWORD left = static_cast<DWORD>(end - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? left : 10, QS_ALLINPUT);
    }
}

bool TakeQuitMessage()
{
    MSG msg;
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            quit = true;
        else
            DispatchMessageW(&msg);
    }
    return quit;
}

}  // namespace testkit
