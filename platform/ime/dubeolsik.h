// The 2-set (dubeolsik) Hangul keyboard: which jamo a Latin key types.
#pragma once

namespace ime {

// The compatibility jamo of a typed character: a Latin letter by its key on
// the 2-set layout (shifted keys give the tense consonants and ㅒ ㅖ), or a
// jamo character as it is. 0 for any other character.
wchar_t JamoForKey(wchar_t typed);

}  // namespace ime
