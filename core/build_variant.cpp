#include "core/build_variant.h"

#include "core/registry.h"
#include "core/state.h"

bool OlderPlatformBuild = false;
LinkedDialFunction LinkedPhoneDial = nullptr;

LPCWSTR TodayItemRegistryKey()
{
    return OlderPlatformBuild ? kOlderTodayItemRegistryKey : kTodayItemRegistryKey;
}

void UseObjectStoreForDiary()
{
    CREATE_SYSTEMGUID(&DiaryVolume);
    DiarySession = nullptr;
}
