// The one header the system includes for platform services: desktop Win32
// from <windows.h>, plus the Windows CE and Pocket PC interfaces that the
// desktop lacks, with the names and values the device uses. Where a desktop
// call behaves differently from the device, the difference is handled here,
// once, and call sites use the device's name.
#pragma once

#include <windows.h>

#if defined(CEPLAT_BUILD)
#define CEAPI extern "C" __declspec(dllexport)
#else
#define CEAPI extern "C" __declspec(dllimport)
#endif

#include "platform/ceplat/debug_log.h"
#include "platform/ceplat/device_profile.h"
#include "platform/ceplat/find_files.h"
#include "platform/ceplat/fonts.h"
#include "platform/ceplat/test_reset.h"
#include "platform/store/cedb.h"
#include "platform/shell/shell.h"
#include "platform/ime/ime.h"
#include "platform/richink/richink.h"
#include "platform/outlook/poom.h"
#include "platform/host_interfaces.h"
