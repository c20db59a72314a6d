#include "platform/outlook/short_date.h"

#include "platform/outlook/ole_dates.h"

#include "platform/ce.h"

#include <cwctype>

namespace poom {

namespace {

class Reader {
public:
    explicit Reader(const std::wstring& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    wchar_t Peek() const { return AtEnd() ? L'\0' : text_[pos_]; }
    void Skip() { ++pos_; }
    size_t Position() const { return pos_; }

    void SkipBlanks()
    {
        while (!AtEnd() && std::iswspace(text_[pos_]))
            ++pos_;
    }

    // Up to maxDigits decimal digits; false when there is none.
    bool Number(int maxDigits, int* value, int* digits = nullptr)
    {
        int n = 0, count = 0;
        while (count < maxDigits && !AtEnd() && text_[pos_] >= L'0' && text_[pos_] <= L'9') {
            n = n * 10 + (text_[pos_] - L'0');
            ++pos_;
            ++count;
        }
        if (digits)
            *digits = count;
        *value = n;
        return count > 0;
    }

    // A locale name (month or weekday), compared without case.
    bool Word(const std::wstring& word)
    {
        if (word.empty() || text_.size() - pos_ < word.size())
            return false;
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text_.c_str() + pos_, static_cast<int>(word.size()),
                           word.c_str(), static_cast<int>(word.size())) != CSTR_EQUAL)
            return false;
        pos_ += word.size();
        return true;
    }

    void SkipLetters()
    {
        while (!AtEnd() && !std::iswdigit(text_[pos_]) && !std::iswspace(text_[pos_]) && !std::iswpunct(text_[pos_]))
            ++pos_;
    }

private:
    const std::wstring& text_;
    size_t pos_ = 0;
};

std::wstring LocaleText(LCTYPE type)
{
    wchar_t buffer[80] = L"";
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, ARRAYSIZE(buffer)) <= 0)
        return std::wstring();
    return buffer;
}

bool ReadMonthName(Reader& in, bool full, int* month)
{
    for (int m = 1; m <= 12; ++m) {
        LCTYPE type = (full ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1) + static_cast<LCTYPE>(m - 1);
        if (in.Word(LocaleText(type))) {
            *month = m;
            return true;
        }
    }
    return false;
}

struct DateFields {
    int year = -1;
    bool twoDigitYear = false;
    int month = -1;
    int day = -1;
};

// One run of a picture letter (count letters of kind) read from the text.
bool ReadField(Reader& in, wchar_t kind, size_t count, DateFields* fields)
{
    int digits = 0;
    switch (kind) {
    case L'd':
        if (count <= 2)
            return in.Number(2, &fields->day);
        in.SkipLetters();  // weekday name
        return true;
    case L'M':
        if (count <= 2)
            return in.Number(2, &fields->month);
        return ReadMonthName(in, count >= 4, &fields->month);
    case L'y':
        if (!in.Number(count <= 2 ? 2 : 4, &fields->year, &digits))
            return false;
        fields->twoDigitYear = digits <= 2;
        return true;
    case L'g':
        in.SkipLetters();  // era
        return true;
    }
    return false;
}

bool ReadDatePart(Reader& in, const std::wstring& picture, DateFields* fields)
{
    size_t i = 0;
    while (i < picture.size()) {
        wchar_t c = picture[i];
        if (c == L'd' || c == L'M' || c == L'y' || c == L'g') {
            size_t count = 1;
            while (i + count < picture.size() && picture[i + count] == c)
                ++count;
            if (!ReadField(in, c, count, fields))
                return false;
            i += count;
        } else if (c == L'\'') {
            // Quoted literal; '' inside stands for one quote.
            ++i;
            while (i < picture.size()) {
                if (picture[i] == L'\'' && !(i + 1 < picture.size() && picture[i + 1] == L'\''))
                    break;
                if (picture[i] == L'\'')
                    ++i;
                if (in.Peek() != picture[i])
                    return false;
                in.Skip();
                ++i;
            }
            ++i;
        } else if (std::iswspace(c)) {
            in.SkipBlanks();
            ++i;
        } else {
            if (in.Peek() != c)
                return false;
            in.Skip();
            ++i;
        }
    }
    return fields->year >= 0 && fields->month >= 0 && fields->day >= 0;
}

bool ReadTimePart(Reader& in, int* hour, int* minute, int* second)
{
    *hour = *minute = *second = 0;
    size_t before = in.Position();
    in.SkipBlanks();
    if (in.AtEnd())
        return true;
    if (in.Position() == before)
        return false;  // the time must be set off by a blank
    if (!in.Number(2, hour) || in.Peek() != L':')
        return false;
    in.Skip();
    int digits = 0;
    if (!in.Number(2, minute, &digits) || digits != 2)
        return false;
    if (in.Peek() == L':') {
        in.Skip();
        if (!in.Number(2, second, &digits) || digits != 2)
            return false;
    }
    in.SkipBlanks();
    return in.AtEnd() && *hour <= 23 && *minute <= 59 && *second <= 59;
}

}  // namespace

std::wstring CurrentShortDatePicture()
{
    wchar_t picture[80] = L"";
    if (CeGetSystemShortDateFormat(picture, ARRAYSIZE(picture)) <= 1)
        return L"M/d/yyyy";
    return picture;
}

int ExpandTwoDigitYear(int twoDigitYear)
{
    return twoDigitYear < 30 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

bool ParseDateText(const std::wstring& text, const std::wstring& picture, DATE* result)
{
    Reader in(text);
    in.SkipBlanks();
    DateFields fields;
    if (!ReadDatePart(in, picture, &fields))
        return false;
    int hour, minute, second;
    if (!ReadTimePart(in, &hour, &minute, &second))
        return false;
    int year = fields.twoDigitYear ? ExpandTwoDigitYear(fields.year) : fields.year;
    if (year < 100 || fields.month < 1 || fields.month > 12 || fields.day < 1 ||
        fields.day > DaysInMonth(year, fields.month))
        return false;
    *result = MakeDate(year, fields.month, fields.day, hour, minute, second);
    return true;
}

}  // namespace poom
