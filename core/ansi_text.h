// Texts that files and packets carry in the device's ANSI code page, taken
// whole or not at all: a character the code page lacks is never swapped for
// a look-alike ("café" would become "cafe" and name another file), and bytes
// that are no text of the code page are never read as some other text.
// Header only, so that the item, the phone library and the main program
// share it without an export.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The text's ANSI bytes; false (out emptied) when a character has no exact
// form in the code page.
inline bool AnsiFromWideExact(const wchar_t* text, size_t units, std::string* out)
{
    out->clear();
    if (units == 0)
        return true;
    if (!text || units > INT_MAX / 4)
        return false;
    BOOL usedDefault = FALSE;
    const int count = static_cast<int>(units);
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, count, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return false;
    out->resize(static_cast<size_t>(size));
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, count, out->data(), size, nullptr, &usedDefault) !=
            size ||
        usedDefault) {
        out->clear();
        return false;
    }
    // What reads back as another text was a substitution, whatever the call said.
    std::wstring back(units, L'\0');
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, out->data(), size, back.data(), count) != count ||
        back.compare(0, units, text, units) != 0) {
        out->clear();
        return false;
    }
    return true;
}

inline bool AnsiFromWideExact(const wchar_t* text, std::string* out)
{
    return AnsiFromWideExact(text, text ? wcslen(text) : 0, out);
}

// The text's ANSI bytes cut between characters (a surrogate pair is one) to
// at most maxBytes; false (out emptied) when a character that fits has no
// exact form in the code page.
inline bool AnsiCutExact(const wchar_t* text, size_t maxBytes, std::string* out)
{
    out->clear();
    const size_t length = text ? wcslen(text) : 0;
    for (size_t i = 0; i < length;) {
        const size_t units = IS_HIGH_SURROGATE(text[i]) && i + 1 < length && IS_LOW_SURROGATE(text[i + 1]) ? 2 : 1;
        std::string character;
        if (!AnsiFromWideExact(text + i, units, &character)) {
            out->clear();
            return false;
        }
        if (out->size() + character.size() > maxBytes)
            break;
        *out += character;
        i += units;
    }
    return true;
}

// The wide text of ANSI bytes; false (out emptied) when they are not text of
// the code page (a lead byte without its trail byte included).
inline bool WideFromAnsiExact(const char* bytes, size_t count, std::wstring* out)
{
    out->clear();
    if (count == 0)
        return true;
    if (!bytes || count > INT_MAX)
        return false;
    const int size = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(count), nullptr, 0);
    if (size <= 0)
        return false;
    out->resize(static_cast<size_t>(size));
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(count), out->data(), size) != size) {
        out->clear();
        return false;
    }
    return true;
}
