// The dialog unit of our templates ("굴림체" 9, as the device substitutes
// it) measures 1.75 pixels across and 1.75 down. Templates whose controls
// keep their units are sized and laid out inside these bounds, which are the
// screen's 240 pixels across and the 294 below the top bar.
#pragma once

#define SCREEN_WIDTH_UNITS 137
#define FULL_SCREEN_HEIGHT_UNITS 168
