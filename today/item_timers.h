// The item window's timers and the checks they run.
#pragma once

#include "today/state.h"

void OnItemTimer(HWND window, UINT timer);

// The countdown of timer 2: the current view is rebuilt at its second tick,
// so notices close together give one rebuild.
void ArmRebuildCountdown();

// "\Windows\Quillon2.qmk" (data changed): deleted, and the rebuild armed;
// 1 when it was there.
int CheckDataChangedMarker();
// "\Windows\Quillon3.qmk" (settings changed): deleted, the settings read
// again, the list views shown again and the item repainted; 1 when it was
// there.
int CheckSettingsChangedMarker();
// A new day: today's date, the span and the view follow it. Without past
// items, once a row of today has begun the schedule view is rebuilt.
void RefreshOnDateChange();
