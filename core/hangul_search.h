// Text transforms for the contact searches: Hangul syllables to their
// initial consonants or to phone-keypad digits, and phone texts to dial
// digits. Each writes at most destinationCount - 1 characters and a
// terminator (nothing when destinationCount is 0) and returns the source's
// length; a destination as long as the source never cuts the result.
#pragma once

#include <cstddef>

// Values of the keypad layout setting; any other value uses the basic layout.
constexpr int kKeypadBasic = 0;
constexpr int kKeypadSamsung = 1;
constexpr int kKeypadLgHp = 2;
constexpr int kKeypadPose = 3;

// Copies only '0'..'9' and '#'.
int KeepDialDigits(wchar_t* destination, size_t destinationCount, const wchar_t* source);
// Each Hangul syllable becomes the digit of its initial consonant under the
// keypad layout; every other character is dropped.
int HangulToKeypadDigits(wchar_t* destination, size_t destinationCount, const wchar_t* source, int keypadLayout);
// Each Hangul syllable becomes its initial consonant as a compatibility jamo
// (tense consonants folded into the plain one); other characters are copied.
int HangulToInitials(wchar_t* destination, size_t destinationCount, const wchar_t* source);
