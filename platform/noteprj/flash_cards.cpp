// The notes library's storage-card listing, exported by ordinal only (7 the
// first card, 8 the next): the platform's own listing, with rooted names.
#include "platform/ce.h"

extern "C" HANDLE WINAPI NoteFindFirstFlashCard(LPWIN32_FIND_DATAW data)
{
    return FindFirstFlashCard(data);
}

extern "C" BOOL WINAPI NoteFindNextFlashCard(HANDLE find, LPWIN32_FIND_DATAW data)
{
    return FindNextFlashCard(find, data);
}
