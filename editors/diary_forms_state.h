// State of the diary forms (the contact, anniversary and memo editors and
// the contact import) that their callers read.
#pragma once

// Set by the contact import when the user confirmed an import; cleared when
// it opens. Its caller reads it after the dialog returned.
extern int ContactsImported;
