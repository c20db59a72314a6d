// Sets the main window's hooks that the pop-up menus, the go-to-month
// dialog and the message composer answer.
#pragma once

void SetRequestHooks();
