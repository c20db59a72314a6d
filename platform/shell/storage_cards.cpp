#include "platform/shell/state.h"

#include <strsafe.h>

#undef FindClose
#undef GetDiskFreeSpaceExW

namespace {

constexpr int kMaxCards = 16;
constexpr int kMaxOpenListings = 8;
constexpr int kNameChars = MAX_PATH;

// An open card listing; its handle is the slot's address.
struct CardListing {
    bool open;
    int next;  // profile index (1-based) of the next card to report
};
CardListing g_listings[kMaxOpenListings];

// Without a profile the device has the one card of the default profile.
constexpr int kDefaultCardTotal = 262144;
constexpr int kDefaultCardFree = 131072;

int CardCount()
{
    int count = CeProfileInt(L"Cards", L"Count", 1);
    return count < 0 ? 0 : (count > kMaxCards ? kMaxCards : count);
}

bool CardName(int index, wchar_t* name, size_t chars)
{
    wchar_t key[16];
    StringCchPrintfW(key, ARRAYSIZE(key), L"Card%d", index);
    CeProfileString(L"Cards", key, index == 1 ? L"Storage Card" : L"", name, static_cast<DWORD>(chars));
    // A card folder is one plain name below the root.
    return name[0] != 0 && !wcschr(name, L'\\') && !wcschr(name, L'/');
}

ULONGLONG CardKilobytes(int index, LPCWSTR suffix, int firstCardFallback)
{
    wchar_t key[24];
    StringCchPrintfW(key, ARRAYSIZE(key), L"Card%d%ls", index, suffix);
    int value = CeProfileInt(L"Cards", key, index == 1 ? firstCardFallback : 0);
    return static_cast<ULONGLONG>(value < 0 ? 0 : value) * 1024;
}

// The listing slot a handle names, open or not; null for any other handle.
CardListing* SlotOf(HANDLE find)
{
    for (CardListing& listing : g_listings) {
        if (find == &listing)
            return &listing;
    }
    return nullptr;
}

// Fills the find record with the next card from the listing's position.
bool ReportNextCard(CardListing* listing, LPWIN32_FIND_DATAW data)
{
    int count = CardCount();
    wchar_t name[kNameChars];
    while (listing->next <= count) {
        int index = listing->next++;
        if (!CardName(index, name, kNameChars))
            continue;
        wchar_t rooted[kNameChars + 1];
        StringCchPrintfW(rooted, kNameChars + 1, L"\\%ls", name);
        CreateDirectoryW(rooted, nullptr);
        ZeroMemory(data, sizeof(*data));
        WIN32_FILE_ATTRIBUTE_DATA folder = {};
        if (GetFileAttributesExW(rooted, GetFileExInfoStandard, &folder)) {
            data->ftCreationTime = folder.ftCreationTime;
            data->ftLastAccessTime = folder.ftLastAccessTime;
            data->ftLastWriteTime = folder.ftLastWriteTime;
        }
        data->dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY;
        StringCchCopyW(data->cFileName, MAX_PATH, rooted);
        return true;
    }
    return false;
}

// The profile index of the card a device path lies on, or 0.
int CardOfPath(LPCWSTR path)
{
    if (path[0] && path[1] == L':')
        path += 2;
    if (path[0] != L'\\')
        return 0;
    ++path;
    int count = CardCount();
    wchar_t name[kNameChars];
    for (int index = 1; index <= count; ++index) {
        if (!CardName(index, name, kNameChars))
            continue;
        size_t length = wcslen(name);
        if (_wcsnicmp(path, name, length) == 0 && (path[length] == 0 || path[length] == L'\\'))
            return index;
    }
    return 0;
}

bool IsRoot(LPCWSTR path)
{
    if (path[0] && path[1] == L':')
        path += 2;
    return path[0] == L'\\' && path[1] == 0;
}

void Report(PULARGE_INTEGER field, ULONGLONG value)
{
    if (field)
        field->QuadPart = value;
}

void ResetCardListings()
{
    for (CardListing& listing : g_listings)
        listing.open = false;
}

const bool kResetRegistered = (CeRegisterTestReset(ResetCardListings), true);

}  // namespace

CEAPI HANDLE WINAPI FindFirstFlashCard(LPWIN32_FIND_DATAW data)
{
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    for (CardListing& listing : g_listings) {
        if (listing.open)
            continue;
        listing.next = 1;
        if (!ReportNextCard(&listing, data)) {
            SetLastError(ERROR_NO_MORE_FILES);
            return INVALID_HANDLE_VALUE;
        }
        listing.open = true;
        return &listing;
    }
    SetLastError(ERROR_NO_MORE_FILES);
    return INVALID_HANDLE_VALUE;
}

CEAPI BOOL WINAPI FindNextFlashCard(HANDLE find, LPWIN32_FIND_DATAW data)
{
    CardListing* listing = SlotOf(find);
    if (!listing || !listing->open || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!ReportNextCard(listing, data)) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

CEAPI BOOL WINAPI CeFindClose(HANDLE find)
{
    if (CardListing* listing = SlotOf(find)) {
        if (!listing->open) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        listing->open = false;
        return TRUE;
    }
    return ::FindClose(find);
}

CEAPI BOOL WINAPI CeGetDiskFreeSpaceExW(LPCWSTR path, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total,
                                        PULARGE_INTEGER totalFree)
{
    if (path) {
        if (int card = CardOfPath(path)) {
            ULONGLONG size = CardKilobytes(card, L"Total", kDefaultCardTotal);
            ULONGLONG free = CardKilobytes(card, L"Free", kDefaultCardFree);
            if (free > size)
                free = size;
            Report(freeToCaller, free);
            Report(total, size);
            Report(totalFree, free);
            return TRUE;
        }
        if (IsRoot(path)) {
            STORE_INFORMATION store = {};
            GetStoreInformation(&store);
            Report(freeToCaller, store.dwFreeSize);
            Report(total, store.dwStoreSize);
            Report(totalFree, store.dwFreeSize);
            return TRUE;
        }
    }
    return ::GetDiskFreeSpaceExW(path, freeToCaller, total, totalFree);
}
