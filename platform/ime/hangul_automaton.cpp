#include "platform/ime/hangul_automaton.h"

#include <iterator>

namespace ime {

namespace {

constexpr wchar_t kFirstSyllable = 0xAC00;
constexpr wchar_t kFirstConsonant = 0x3131;  // ㄱ
constexpr wchar_t kLastConsonant = 0x314E;   // ㅎ
constexpr wchar_t kFirstVowel = 0x314F;      // ㅏ
constexpr wchar_t kLastVowel = 0x3163;       // ㅣ
constexpr int kVowelCount = 21;
constexpr int kFinalCount = 28;  // with "none" at 0

// Compatibility consonants in the order of syllable initials and finals.
const wchar_t kInitials[] = L"ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ";
const wchar_t kFinals[] = L"\0ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ";

struct Pair {
    wchar_t first, second, joined;
};

const Pair kJoinedVowels[] = {
    {L'ㅗ', L'ㅏ', L'ㅘ'}, {L'ㅗ', L'ㅐ', L'ㅙ'}, {L'ㅗ', L'ㅣ', L'ㅚ'}, {L'ㅜ', L'ㅓ', L'ㅝ'},
    {L'ㅜ', L'ㅔ', L'ㅞ'}, {L'ㅜ', L'ㅣ', L'ㅟ'}, {L'ㅡ', L'ㅣ', L'ㅢ'},
};

const Pair kJoinedFinals[] = {
    {L'ㄱ', L'ㅅ', L'ㄳ'}, {L'ㄴ', L'ㅈ', L'ㄵ'}, {L'ㄴ', L'ㅎ', L'ㄶ'}, {L'ㄹ', L'ㄱ', L'ㄺ'},
    {L'ㄹ', L'ㅁ', L'ㄻ'}, {L'ㄹ', L'ㅂ', L'ㄼ'}, {L'ㄹ', L'ㅅ', L'ㄽ'}, {L'ㄹ', L'ㅌ', L'ㄾ'},
    {L'ㄹ', L'ㅍ', L'ㄿ'}, {L'ㄹ', L'ㅎ', L'ㅀ'}, {L'ㅂ', L'ㅅ', L'ㅄ'},
};

int IndexIn(const wchar_t* table, int count, wchar_t c)
{
    for (int i = 0; i < count; ++i) {
        if (table[i] == c)
            return i;
    }
    return -1;
}

int InitialIndex(wchar_t c)
{
    return IndexIn(kInitials, 19, c);
}

int FinalIndex(wchar_t c)
{
    return c ? IndexIn(kFinals, kFinalCount, c) : 0;
}

wchar_t Join(const Pair* pairs, int count, wchar_t first, wchar_t second)
{
    for (int i = 0; i < count; ++i) {
        if (pairs[i].first == first && pairs[i].second == second)
            return pairs[i].joined;
    }
    return 0;
}

const Pair* Split(const Pair* pairs, int count, wchar_t joined)
{
    for (int i = 0; i < count; ++i) {
        if (pairs[i].joined == joined)
            return &pairs[i];
    }
    return nullptr;
}

}  // namespace

bool IsConsonantJamo(wchar_t c)
{
    return c >= kFirstConsonant && c <= kLastConsonant;
}

bool IsVowelJamo(wchar_t c)
{
    return c >= kFirstVowel && c <= kLastVowel;
}

wchar_t HangulAutomaton::Compose(const Syllable& s)
{
    if (s.initial && s.vowel) {
        const int initial = InitialIndex(s.initial);
        const int vowel = s.vowel - kFirstVowel;
        const int final = FinalIndex(s.final);
        return static_cast<wchar_t>(kFirstSyllable + (initial * kVowelCount + vowel) * kFinalCount + final);
    }
    return s.initial ? s.initial : s.vowel;
}

wchar_t HangulAutomaton::Current() const
{
    return depth_ ? Compose(Top()) : 0;
}

void HangulAutomaton::Push(const Syllable& s)
{
    if (depth_ < kMaxDepth)
        history_[depth_++] = s;
    else
        history_[kMaxDepth - 1] = s;
}

wchar_t HangulAutomaton::StartNext(const Syllable& next)
{
    const wchar_t done = Current();
    depth_ = 0;
    if (next.initial && next.vowel)
        Push(Syllable{next.initial, 0, 0});  // a backspace leaves the moved consonant
    Push(next);
    return done;
}

wchar_t HangulAutomaton::FeedConsonant(wchar_t consonant)
{
    const Syllable s = Top();
    if (s.initial && s.vowel && !s.final && FinalIndex(consonant) > 0) {
        Push(Syllable{s.initial, s.vowel, consonant});
        return 0;
    }
    if (s.final) {
        const wchar_t joined = Join(kJoinedFinals, static_cast<int>(std::size(kJoinedFinals)), s.final, consonant);
        if (joined) {
            Push(Syllable{s.initial, s.vowel, joined});
            return 0;
        }
    }
    return StartNext(Syllable{consonant, 0, 0});
}

wchar_t HangulAutomaton::FeedVowel(wchar_t vowel)
{
    const Syllable s = Top();
    if (s.final) {
        // The final (or the second half of a joined one) opens the next syllable.
        Syllable kept = s;
        wchar_t moved = s.final;
        if (const Pair* halves = Split(kJoinedFinals, static_cast<int>(std::size(kJoinedFinals)), s.final)) {
            kept.final = halves->first;
            moved = halves->second;
        } else {
            kept.final = 0;
        }
        history_[depth_ - 1] = kept;
        return StartNext(Syllable{moved, vowel, 0});
    }
    if (s.vowel) {
        const wchar_t joined = Join(kJoinedVowels, static_cast<int>(std::size(kJoinedVowels)), s.vowel, vowel);
        if (joined) {
            Push(Syllable{s.initial, joined, 0});
            return 0;
        }
        return StartNext(Syllable{0, vowel, 0});
    }
    if (s.initial && InitialIndex(s.initial) >= 0) {
        Push(Syllable{s.initial, vowel, 0});
        return 0;
    }
    return StartNext(Syllable{0, vowel, 0});
}

wchar_t HangulAutomaton::Feed(wchar_t jamo)
{
    const bool consonant = IsConsonantJamo(jamo);
    if (!consonant && !IsVowelJamo(jamo))
        return 0;
    if (!depth_) {
        Push(consonant ? Syllable{jamo, 0, 0} : Syllable{0, jamo, 0});
        return 0;
    }
    return consonant ? FeedConsonant(jamo) : FeedVowel(jamo);
}

bool HangulAutomaton::Backspace()
{
    if (!depth_)
        return false;
    --depth_;
    return true;
}

wchar_t HangulAutomaton::Commit()
{
    const wchar_t done = Current();
    depth_ = 0;
    return done;
}

void HangulAutomaton::Clear()
{
    depth_ = 0;
}

}  // namespace ime
