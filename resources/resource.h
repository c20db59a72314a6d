// Resource ids of the main program.
#pragma once

#define IDS_APP_TITLE        1
#define IDS_MAIN_CLASS       3
