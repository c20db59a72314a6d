// Entry point of the main program. The Windows CE 3.0 builds compile this
// same file with QUILLON_OLDER_BUILD, the phone-linked one also with
// QUILLON_PHONE_LINKED (it then imports the dial export of Telvo.dll).
#include "backup/commands.h"
#include "core/build_variant.h"
#include "editors/diary_forms_setup.h"
#include "editors/item_editors_setup.h"
#include "mainwindow/message_loop.h"
#include "mainwindow/startup.h"
#include "resources/resource.h"

#if defined(QUILLON_PHONE_LINKED)
#include "telvo/telvo.h"
#endif

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    InstallBackupHooks();
#if defined(QUILLON_OLDER_BUILD)
    OlderPlatformBuild = true;
#endif
#if defined(QUILLON_PHONE_LINKED)
    LinkedPhoneDial = Telvo_EXT_Dial;
#endif
    RegisterScheduleAndTaskEditors();
    RegisterDiaryForms();
    if (!InitInstance(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return RunMessageLoop(accelerators);
}
