// The programs are also built for Windows CE 3.0 from these same sources:
// the older builds' entry points (compiled with QUILLON_OLDER_BUILD, and the
// main program's phone-linked one also with QUILLON_PHONE_LINKED) set these
// before anything else runs; the newer build leaves them as they are.
#pragma once

#include "platform/ce.h"

// Windows CE 3.0 build: own databases in the object store (no "\pim.vol",
// no session), category names by bit mask, no watch on the Pocket Outlook
// databases, backups without the contact picture fields, the Today item's
// key unquoted and no "no person in charge" line in the contact detail.
extern bool OlderPlatformBuild;

// The phone-linked build's dial export of Telvo.dll, bound at load time;
// null in the other builds.
using LinkedDialFunction = int (*)(const wchar_t* number, int type, const wchar_t* text);
extern LinkedDialFunction LinkedPhoneDial;

// The Today item's key under HKEY_LOCAL_MACHINE for this build.
LPCWSTR TodayItemRegistryKey();

// Points DiaryVolume at the object store with no session: where the older
// builds keep their own databases.
void UseObjectStoreForDiary();
