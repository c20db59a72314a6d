#include "tests/hardening/time_limit.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace hardening {

namespace {

constexpr DWORD kPollMs = 20;
constexpr UINT kHungExitCode = 3;

struct Watch {
    std::mutex lock;
    bool active = false;
    std::string what;
    ULONGLONG started = 0;
    DWORD limitMs = 0;
};

Watch& TheWatch()
{
    static Watch watch;
    return watch;
}

void Report(const char* how, const std::string& what)
{
    fprintf(stderr, "\nhardening: %s: %s\n", how, what.c_str());
    fflush(stderr);
}

void WatchLoop()
{
    for (;;) {
        Sleep(kPollMs);
        Watch& watch = TheWatch();
        std::lock_guard<std::mutex> guard(watch.lock);
        if (watch.active && GetTickCount64() - watch.started > watch.limitMs) {
            char limit[32];
            snprintf(limit, sizeof(limit), "%lu ms", static_cast<unsigned long>(watch.limitMs));
            Report((std::string("ran past its limit of ") + limit).c_str(), watch.what);
            TerminateProcess(GetCurrentProcess(), kHungExitCode);
        }
    }
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* info)
{
    DWORD code = info->ExceptionRecord->ExceptionCode;
    if (code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_STACK_OVERFLOW) {
        Watch& watch = TheWatch();
        if (watch.active)
            Report(code == EXCEPTION_STACK_OVERFLOW ? "stack overflow in" : "access violation in", watch.what);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

void StartWatcherOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        AddVectoredExceptionHandler(1, OnException);
        std::thread(WatchLoop).detach();
    });
}

}  // namespace

void StartWatch(const std::string& what, DWORD limitMs)
{
    StartWatcherOnce();
    Watch& watch = TheWatch();
    std::lock_guard<std::mutex> guard(watch.lock);
    watch.active = true;
    watch.what = what;
    watch.limitMs = limitMs;
    watch.started = GetTickCount64();
}

void StopWatch()
{
    Watch& watch = TheWatch();
    std::lock_guard<std::mutex> guard(watch.lock);
    watch.active = false;
}

DWORD LimitFromEnvironment(const wchar_t* name, DWORD fallback)
{
    const wchar_t* text = _wgetenv(name);
    if (!text || !*text)
        return fallback;
    unsigned long value = wcstoul(text, nullptr, 10);
    return value > 0 ? static_cast<DWORD>(value) : fallback;
}

}  // namespace hardening
