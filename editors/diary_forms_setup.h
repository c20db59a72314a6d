// Registers the contact, anniversary and memo editors for their dialogs
// with the item command dispatcher, and the contact import for command
// 40030.
#pragma once

void RegisterDiaryForms();
