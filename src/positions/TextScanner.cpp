// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/TextScanner.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <system_error>

namespace
{

bool IsBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int Lower(int c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

// Where a run of characters stands on its way to a real number.
enum class RealState
{
    Start,      // nothing yet
    Sign,       // a sign
    Whole,      // digits (complete)
    Point,      // a point without digits before it
    Fraction,   // digits and a point, or a point and digits (complete)
    Exponent,   // the 'e'
    ExpSign,    // the sign after the 'e'
    ExpDigits,  // digits of the exponent (complete)
    Word,       // letters of "inf", "infinity" or "nan"
};

struct RealMatcher
{
    RealState state = RealState::Start;
    char word[9] = {};
    std::size_t wordLength = 0;

    bool IsComplete() const
    {
        switch (state)
        {
        case RealState::Whole:
        case RealState::Fraction:
        case RealState::ExpDigits:
            return true;
        case RealState::Word:
            return std::strcmp(word, "inf") == 0 || std::strcmp(word, "infinity") == 0 ||
                   std::strcmp(word, "nan") == 0;
        default:
            return false;
        }
    }

    // Takes c when the run followed by c can still start a number.
    bool Accept(int c)
    {
        switch (state)
        {
        case RealState::Start:
            if (c == '+' || c == '-')
            {
                state = RealState::Sign;
                return true;
            }
            [[fallthrough]];
        case RealState::Sign:
            if (IsDigit(c))
                state = RealState::Whole;
            else if (c == '.')
                state = RealState::Point;
            else if (Lower(c) == 'i' || Lower(c) == 'n')
                return AcceptLetter(c);
            else
                return false;
            return true;
        case RealState::Whole:
            if (IsDigit(c))
                return true;
            if (c == '.')
                state = RealState::Fraction;
            else if (Lower(c) == 'e')
                state = RealState::Exponent;
            else
                return false;
            return true;
        case RealState::Point:
            if (!IsDigit(c))
                return false;
            state = RealState::Fraction;
            return true;
        case RealState::Fraction:
            if (IsDigit(c))
                return true;
            if (Lower(c) != 'e')
                return false;
            state = RealState::Exponent;
            return true;
        case RealState::Exponent:
            if (c == '+' || c == '-')
                state = RealState::ExpSign;
            else if (IsDigit(c))
                state = RealState::ExpDigits;
            else
                return false;
            return true;
        case RealState::ExpSign:
        case RealState::ExpDigits:
            if (!IsDigit(c))
                return false;
            state = RealState::ExpDigits;
            return true;
        case RealState::Word:
            return AcceptLetter(c);
        }
        return false;
    }

    bool AcceptLetter(int c)
    {
        if (wordLength + 1 >= sizeof word)
            return false;
        word[wordLength] = static_cast<char>(Lower(c));
        word[wordLength + 1] = '\0';
        const std::size_t n = wordLength + 1;
        if (std::strncmp(word, "infinity", n) != 0 && std::strncmp(word, "nan", n) != 0)
        {
            word[wordLength] = '\0';
            return false;
        }
        wordLength = n;
        state = RealState::Word;
        return true;
    }
};

template <typename T>
bool ConvertReal(const char* text, std::size_t length, T& value)
{
    const char* first = text;
    const char* last = text + length;
    if (first != last && *first == '+')
        ++first;  // from_chars takes no plus sign
    T result{};
    const auto [end, error] = std::from_chars(first, last, result);
    if (error != std::errc() || end != last)
        return false;
    value = result;
    return true;
}

}  // namespace

int TextScanner::Get()
{
    if (m_tooLarge || m_wordTooLong)
        return EOF;
    const int c = std::getc(m_file);
    if (c == EOF)
        return EOF;
    if (++m_bytesRead > m_maxBytes)
    {
        m_tooLarge = true;
        return EOF;
    }
    return c;
}

void TextScanner::Unget(int c)
{
    if (c == EOF)
        return;
    std::ungetc(c, m_file);
    --m_bytesRead;
}

bool TextScanner::TakeWordCharacter(std::size_t& length)
{
    if (++length > kMaxWordLength)
        m_wordTooLong = true;
    return !m_wordTooLong;
}

int TextScanner::SkipWhiteSpace()
{
    int c = Get();
    while (IsBlank(c))
        c = Get();
    return c;
}

bool TextScanner::ReadWord(char* word, std::size_t capacity)
{
    std::size_t length = 0;
    std::size_t kept = 0;
    int c = SkipWhiteSpace();
    const bool found = c != EOF;
    while (c != EOF && !IsBlank(c) && TakeWordCharacter(length))
    {
        if (kept + 1 < capacity)
            word[kept++] = static_cast<char>(c);
        c = Get();
    }
    Unget(c);
    if (capacity > 0)
        word[kept] = '\0';
    return found;
}

void TextScanner::SkipRestOfLine()
{
    std::size_t run = 0;  // non-blank characters in a row
    for (int c = Get(); c != EOF && c != '\n'; c = Get())
    {
        if (IsBlank(c))
            run = 0;
        else if (!TakeWordCharacter(run))
            return;
    }
}

bool TextScanner::ReadInteger(long long& value)
{
    int c = SkipWhiteSpace();
    bool negative = false;
    if (c == '+' || c == '-')
    {
        negative = c == '-';
        c = Get();
    }
    if (!IsDigit(c))
    {
        Unget(c);
        return false;
    }
    // Accumulated as a negative number, whose range is the larger one.
    long long result = 0;
    bool saturated = false;
    std::size_t length = 0;
    for (; IsDigit(c) && TakeWordCharacter(length); c = Get())
    {
        const int digit = c - '0';
        if (!saturated && result >= (LLONG_MIN + digit) / 10)
            result = result * 10 - digit;
        else
            saturated = true;
    }
    Unget(c);
    if (saturated)
        value = negative ? LLONG_MIN : LLONG_MAX;
    else if (!negative)
        value = result == LLONG_MIN ? LLONG_MAX : -result;
    else
        value = result;
    return true;
}

bool TextScanner::ReadRealText(char* text, std::size_t& length)
{
    RealMatcher matcher;
    length = 0;
    std::size_t taken = 0;
    int c = SkipWhiteSpace();
    while (c != EOF && matcher.Accept(c) && TakeWordCharacter(taken))
    {
        text[length++] = static_cast<char>(c);
        c = Get();
    }
    Unget(c);
    return !m_wordTooLong && matcher.IsComplete();
}

bool TextScanner::ReadDouble(double& value)
{
    char text[kMaxWordLength];
    std::size_t length = 0;
    return ReadRealText(text, length) && ConvertReal(text, length, value);
}

bool TextScanner::ReadFloat(float& value)
{
    char text[kMaxWordLength];
    std::size_t length = 0;
    return ReadRealText(text, length) && ConvertReal(text, length, value);
}
