// Resource ids of the main program.
#pragma once

#define IDS_APP_TITLE        1
#define IDS_MAIN_CLASS       3

// The input-method pop-up: its placeholder item is replaced by one item per
// installed method, commands IDM_INPUT_METHOD_FIRST + n.
#define IDR_INPUT_METHOD_MENU   382
#define IDM_INPUT_METHOD_FIRST  41000
