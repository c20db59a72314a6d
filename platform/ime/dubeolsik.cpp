#include "platform/ime/dubeolsik.h"

#include "platform/ime/hangul_automaton.h"

namespace ime {

namespace {

// Keys a..z.
const wchar_t kPlain[] = L"ㅁㅠㅊㅇㄷㄹㅎㅗㅑㅓㅏㅣㅡㅜㅐㅔㅂㄱㄴㅅㅕㅍㅈㅌㅛㅋ";
// Keys A..Z: Q W E R T O P give their own jamo, the others the plain ones.
const wchar_t kShifted[] = L"ㅁㅠㅊㅇㄸㄹㅎㅗㅑㅓㅏㅣㅡㅜㅒㅖㅃㄲㄴㅆㅕㅍㅉㅌㅛㅋ";

}  // namespace

wchar_t JamoForKey(wchar_t typed)
{
    if (typed >= L'a' && typed <= L'z')
        return kPlain[typed - L'a'];
    if (typed >= L'A' && typed <= L'Z')
        return kShifted[typed - L'A'];
    if (IsConsonantJamo(typed) || IsVowelJamo(typed))
        return typed;
    return 0;
}

}  // namespace ime
