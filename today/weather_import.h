// Timer 1's import of "\Windows\Weather.dat". A file that stays after its
// import (read-only, or held open by whoever wrote it) is stored once, not
// again at every tick: only a changed file is imported again.
#pragma once

void ImportWeatherFileOnce();
