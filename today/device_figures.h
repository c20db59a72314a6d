// Battery, program memory and storage as the status line and the refresh
// query read them. Sizes are 64-bit: a card of many gigabytes, or memory
// times a percentage, does not fit 32 bits.
#pragma once

#include "today/state.h"

#include <cstdint>

struct PowerFigures {
    BYTE percent;   // 255 = no reading
    bool onAc;
    bool charging;
};
PowerFigures ReadPowerFigures();

struct MemoryFigures {
    uint64_t totalKilobytes;
    uint64_t freeKilobytes;  // total x (100 - load) / 100
    int load;                // percent used
};
MemoryFigures ReadMemoryFigures();

// The object store plus every storage card; false when the store's
// information cannot be read.
struct StorageFigures {
    uint64_t totalKilobytes;
    uint64_t freeKilobytes;
};
bool ReadStorageFigures(StorageFigures* figures);

// "%.1fM" of kilobytes / 1024.
void FormatMegabytes(uint64_t kilobytes, wchar_t* out, size_t chars);
// The used share in percent, 0 for a total of 0.
int UsedPercent(uint64_t total, uint64_t free);
