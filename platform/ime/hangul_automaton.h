// Composition of Hangul syllables from jamo, as a 2-set keyboard types
// them: initial, vowel (two may join), final (two may join); a vowel after a
// final takes that final (or its second half) into the next syllable.
#pragma once

namespace ime {

class HangulAutomaton {
public:
    // Feeds one compatibility jamo (U+3131..U+3163). Returns the syllable
    // that it completed and that is now committed, or 0.
    wchar_t Feed(wchar_t jamo);
    // Takes back the last jamo fed; false when nothing is being composed.
    bool Backspace();
    // Ends the composition; returns the syllable it held, or 0.
    wchar_t Commit();
    void Clear();

    bool Composing() const { return depth_ > 0; }
    // The syllable (or lone jamo) being composed, or 0.
    wchar_t Current() const;

private:
    struct Syllable {
        wchar_t initial = 0;  // compatibility jamo, 0 for none
        wchar_t vowel = 0;
        wchar_t final = 0;
    };
    void Push(const Syllable& s);
    Syllable Top() const { return history_[depth_ - 1]; }
    static wchar_t Compose(const Syllable& s);
    wchar_t FeedConsonant(wchar_t consonant);
    wchar_t FeedVowel(wchar_t vowel);
    wchar_t StartNext(const Syllable& next);

    // Every state of the syllable, first jamo first, for backspace.
    static constexpr int kMaxDepth = 8;
    Syllable history_[kMaxDepth];
    int depth_ = 0;
};

// Whether a character is a compatibility consonant or vowel jamo.
bool IsConsonantJamo(wchar_t c);
bool IsVowelJamo(wchar_t c);

}  // namespace ime
