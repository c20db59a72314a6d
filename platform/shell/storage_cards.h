// Storage cards as on the device, from the device profile's [Cards] section
// (Count, CardN = the card's folder under the device root, CardNTotal and
// CardNFree in kilobytes). A listed card is inserted: its folder is made when
// it is missing.
#pragma once

// One card at a time, each as a find record whose file name is the card's
// rooted folder ("\Storage Card") with the directory and temporary
// attributes; the end is ERROR_NO_MORE_FILES. The handle is closed with
// FindClose.
CEAPI HANDLE WINAPI FindFirstFlashCard(LPWIN32_FIND_DATAW data);
CEAPI BOOL WINAPI FindNextFlashCard(HANDLE find, LPWIN32_FIND_DATAW data);

// FindClose for card listings as well as file listings.
CEAPI BOOL WINAPI CeFindClose(HANDLE find);
#undef FindClose
#define FindClose CeFindClose

// Free space as on the device: a card's folder (or anything inside it)
// reports the card's size and free space, the root "\" the object store's;
// other paths are asked of the desktop.
CEAPI BOOL WINAPI CeGetDiskFreeSpaceExW(LPCWSTR path, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                        PULARGE_INTEGER totalFree);
#undef GetDiskFreeSpaceEx
#define GetDiskFreeSpaceEx CeGetDiskFreeSpaceExW
#define GetDiskFreeSpaceExW CeGetDiskFreeSpaceExW
