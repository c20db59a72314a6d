// The Pocket PC shell: geometry, menu bars, full-screen dialogs, property sheets, tap-and-hold, input panel, device status.
#pragma once
