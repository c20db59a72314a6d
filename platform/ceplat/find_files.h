// File listing as on the device: no "." or ".." entries, and a listing that
// finds nothing (an empty folder, or a pattern that matches nothing in an
// existing folder) fails with ERROR_NO_MORE_FILES (18). Plain folders carry
// exactly FILE_ATTRIBUTE_DIRECTORY; hidden, system and read-only bits stay.
#pragma once

CEAPI HANDLE WINAPI CeFindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data);
CEAPI BOOL WINAPI CeFindNextFileW(HANDLE find, LPWIN32_FIND_DATAW data);

#undef FindFirstFile
#undef FindNextFile
#define FindFirstFile CeFindFirstFileW
#define FindFirstFileW CeFindFirstFileW
#define FindNextFile CeFindNextFileW
#define FindNextFileW CeFindNextFileW
