#include "core/hangul_search.h"

#include <cwchar>

namespace {

// Syllables are grouped by initial consonant in blocks of 21 vowels x 28
// finals. The search knows the 2,350 common syllables only, so the last
// block ends at U+D79D and the six syllables after it have no initial.
constexpr wchar_t kFirstSyllable = 0xAC00;
constexpr wchar_t kLastSearchedSyllable = 0xD79D;
constexpr int kSyllablesPerInitial = 21 * 28;

struct InitialConsonant {
    wchar_t jamo;          // compatibility jamo shown for the initial
    char digitByLayout[4]; // basic, Samsung, LG/HP, Pose
};

// In syllable block order: ㄱ ㄲ ㄴ ㄷ ㄸ ㄹ ㅁ ㅂ ㅃ ㅅ ㅆ ㅇ ㅈ ㅉ ㅊ ㅋ ㅌ ㅍ ㅎ.
const InitialConsonant kInitials[19] = {
    {0x3131, {'1', '4', '1', '1'}},  // ㄱ
    {0x3131, {'1', '4', '1', '1'}},  // ㄲ
    {0x3134, {'2', '5', '2', '2'}},  // ㄴ
    {0x3137, {'2', '6', '2', '3'}},  // ㄷ
    {0x3137, {'2', '6', '2', '3'}},  // ㄸ
    {0x3139, {'2', '5', '4', '2'}},  // ㄹ
    {0x3141, {'3', '0', '5', '0'}},  // ㅁ
    {0x3142, {'4', '7', '5', '7'}},  // ㅂ
    {0x3142, {'4', '7', '5', '7'}},  // ㅃ
    {0x3145, {'5', '8', '7', '0'}},  // ㅅ
    {0x3145, {'5', '8', '7', '0'}},  // ㅆ
    {0x3147, {'6', '0', '8', '5'}},  // ㅇ
    {0x3148, {'7', '9', '7', '9'}},  // ㅈ
    {0x3148, {'7', '9', '7', '9'}},  // ㅉ
    {0x314A, {'8', '9', '7', '9'}},  // ㅊ
    {0x314B, {'9', '4', '1', '1'}},  // ㅋ
    {0x314C, {'9', '6', '2', '3'}},  // ㅌ
    {0x314D, {'9', '7', '5', '7'}},  // ㅍ
    {0x314E, {'0', '8', '8', '5'}},  // ㅎ
};

const InitialConsonant* InitialOf(wchar_t c)
{
    if (c < kFirstSyllable || c > kLastSearchedSyllable)
        return nullptr;
    return &kInitials[(c - kFirstSyllable) / kSyllablesPerInitial];
}

int LayoutColumn(int keypadLayout)
{
    switch (keypadLayout) {
    case kKeypadSamsung: return 1;
    case kKeypadLgHp: return 2;
    case kKeypadPose: return 3;
    }
    return 0;
}

// Writes the mapped characters of source into destination, bounded, and
// returns the source length. mapCharacter returns 0 to drop a character.
template <typename MapCharacter>
int TransformText(wchar_t* destination, size_t destinationCount, const wchar_t* source, MapCharacter mapCharacter)
{
    const size_t length = source ? wcslen(source) : 0;
    if (destinationCount == 0)
        return static_cast<int>(length);
    size_t written = 0;
    for (size_t i = 0; i < length && written + 1 < destinationCount; ++i) {
        const wchar_t mapped = mapCharacter(source[i]);
        if (mapped)
            destination[written++] = mapped;
    }
    destination[written] = 0;
    return static_cast<int>(length);
}

}  // namespace

int KeepDialDigits(wchar_t* destination, size_t destinationCount, const wchar_t* source)
{
    return TransformText(destination, destinationCount, source, [](wchar_t c) -> wchar_t {
        return ((c >= L'0' && c <= L'9') || c == L'#') ? c : 0;
    });
}

int HangulToKeypadDigits(wchar_t* destination, size_t destinationCount, const wchar_t* source, int keypadLayout)
{
    const int column = LayoutColumn(keypadLayout);
    return TransformText(destination, destinationCount, source, [column](wchar_t c) -> wchar_t {
        const InitialConsonant* initial = InitialOf(c);
        return initial ? static_cast<wchar_t>(initial->digitByLayout[column]) : 0;
    });
}

int HangulToInitials(wchar_t* destination, size_t destinationCount, const wchar_t* source)
{
    return TransformText(destination, destinationCount, source, [](wchar_t c) -> wchar_t {
        const InitialConsonant* initial = InitialOf(c);
        return initial ? initial->jamo : c;
    });
}
