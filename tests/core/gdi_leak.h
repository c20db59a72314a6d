// Runs a drawing step more often than the process has GDI handles: a step
// that leaks one pen or brush per call exhausts them, and a new brush fails.
#pragma once

#include <windows.h>

#include <functional>

namespace coretest {

constexpr int kMoreThanGdiHandles = 66000;

inline bool LeavesGdiHandlesFree(const std::function<void()>& step)
{
    for (int i = 0; i < kMoreThanGdiHandles; ++i)
        step();
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    if (!probe)
        return false;
    DeleteObject(probe);
    return true;
}

}  // namespace coretest
