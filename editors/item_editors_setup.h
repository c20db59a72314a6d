// Registers the schedule and task editors for their dialogs with the item
// command dispatcher.
#pragma once

void RegisterScheduleAndTaskEditors();
