#include "platform/store/store_state.h"

namespace store {

namespace {

// A critical section rather than a standard mutex: under this platform's
// thread library every call of the store paid a slower lock and unlock.
class StoreLock {
public:
    StoreLock() { InitializeCriticalSection(&section_); }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    void Enter() { EnterCriticalSection(&section_); }
    void Leave() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};

StoreLock& Lock()
{
    static StoreLock lock;  // recursive, as one entry point may call another
    return lock;
}

}  // namespace

StoreGuard::StoreGuard()
{
    Lock().Enter();
}

StoreGuard::~StoreGuard()
{
    Lock().Leave();
}

}  // namespace store
