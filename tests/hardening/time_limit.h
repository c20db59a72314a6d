// Time limits for work that once hung: a watchdog thread ends the process,
// naming the work, when one piece runs past its limit, so that a hang fails
// the run at once instead of stalling it; an access violation inside the
// work is named the same way before it goes on to the test runner.
#pragma once

#include <windows.h>

#include <string>

namespace hardening {

// Starts the watch over one piece of work; the last call's limit stands
// until StopWatch.
void StartWatch(const std::string& what, DWORD limitMs);
void StopWatch();

// Watches the work done in its scope.
class Watched {
public:
    Watched(const std::string& what, DWORD limitMs) { StartWatch(what, limitMs); }
    ~Watched() { StopWatch(); }
    Watched(const Watched&) = delete;
    Watched& operator=(const Watched&) = delete;
};

// Milliseconds from the environment variable, else the default.
DWORD LimitFromEnvironment(const wchar_t* name, DWORD fallback);

}  // namespace hardening
