// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdio>

// Reads the words and numbers of the program's small text files with the
// matching rules of the C library's "%s", "%d", "%lf" and "%f" conversions:
// white space is skipped, the longest run of characters that can start a
// number is consumed, and the conversion fails when that run is not a whole
// number. Unlike those conversions it never has undefined behaviour: a number
// that does not fit its type simply does not convert. Numbers are read in the
// "C" notation whatever the process locale.
//
// Reading always ends: past maxBytes characters of the file the scanner sees
// the end of the file and TooLarge() says so; a run of non-blank characters
// longer than kMaxWordLength is cut there and WordTooLong() says so. A reader
// that finds either set treats the file as not readable.
class TextScanner
{
public:
    explicit TextScanner(std::FILE* file, std::size_t maxBytes = static_cast<std::size_t>(-1))
        : m_file(file), m_maxBytes(maxBytes)
    {
    }

    // Skips white space and consumes one word (a run of non-blank
    // characters), keeping its first capacity - 1 characters in word,
    // terminated. false (word empty) at the end of the file.
    bool ReadWord(char* word, std::size_t capacity);

    // Consumes the characters up to and including the next newline.
    void SkipRestOfLine();

    // "%d": an optional sign and decimal digits. A value beyond the range of
    // long long is held at the nearest end of that range; the caller checks
    // the range it needs.
    bool ReadInteger(long long& value);

    // "%lf" and "%f": decimal numbers with optional exponent, "inf",
    // "infinity" and "nan" in any case. A number outside the range of the
    // type (overflow or underflow) or longer than kMaxWordLength characters
    // does not convert; value is then left as it was.
    bool ReadDouble(double& value);
    bool ReadFloat(float& value);

    bool TooLarge() const { return m_tooLarge; }
    bool WordTooLong() const { return m_wordTooLong; }

    static constexpr std::size_t kMaxWordLength = 4096;

private:
    int Get();
    void Unget(int c);
    int SkipWhiteSpace();  // first character that is not blank, consumed, or EOF
    // Consumes the run that can start a real number into text (at most
    // kMaxWordLength characters kept). true when the run is a whole number
    // that fits in text.
    bool ReadRealText(char* text, std::size_t& length);

    bool TakeWordCharacter(std::size_t& length);  // false once a word is too long

    std::FILE* m_file;
    std::size_t m_maxBytes;
    std::size_t m_bytesRead = 0;
    bool m_tooLarge = false;
    bool m_wordTooLong = false;
};
