// The Pocket PC shell and device status: geometry, menu bars, full-screen
// dialogs, message boxes, property sheets, tap-and-hold, input panel, device
// status, the device's requests, locale, shortcuts and bitmaps.
#pragma once

#include "platform/shell/geometry.h"
#include "platform/shell/system_parameters.h"
#include "platform/shell/device_status.h"
#include "platform/shell/storage_cards.h"
#include "platform/shell/folders.h"
#include "platform/shell/device_requests.h"
#include "platform/shell/locale.h"
#include "platform/shell/menu_bar.h"
#include "platform/shell/dialogs.h"
#include "platform/shell/file_dialogs.h"
#include "platform/shell/message_box.h"
#include "platform/shell/property_sheets.h"
#include "platform/shell/input_panel.h"
#include "platform/shell/activation.h"
#include "platform/shell/foreground.h"
#include "platform/shell/gestures.h"
#include "platform/shell/shortcuts.h"
#include "platform/shell/bitmaps.h"
