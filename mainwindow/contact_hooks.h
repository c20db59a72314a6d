// The contact filters and pick lists in the main window's hooks.
#pragma once

// Sets the contact hooks of the view switch and the commands; called by the
// main window's creation before its first view.
void SetContactHooks();
