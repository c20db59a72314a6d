#include "platform/store/store_state.h"

#include <mutex>

namespace store {

namespace {

std::recursive_mutex& Lock()
{
    static std::recursive_mutex lock;
    return lock;
}

}  // namespace

StoreGuard::StoreGuard()
{
    Lock().lock();
}

StoreGuard::~StoreGuard()
{
    Lock().unlock();
}

}  // namespace store
