// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/NumberFormat.h"

#include <algorithm>
#include <charconv>

namespace
{

// Longest "%lf" text of a double: sign, 309 digits, point and six decimals.
constexpr int kNumberTextSize = 400;

}  // namespace

void AppendFixed(std::string& text, double value)
{
    char buffer[kNumberTextSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    text.append(buffer, result.ptr);
}

void AppendGeneral(std::string& text, double value, int precision)
{
    // More digits than 40 say nothing more about a double, and keep the text short.
    precision = std::clamp(precision, 1, 40);
    char buffer[kNumberTextSize];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    text.append(buffer, result.ptr);
}

void AppendInteger(std::string& text, long long value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}
