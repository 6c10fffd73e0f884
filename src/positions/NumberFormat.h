// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Number text of the program's files, as the C library's printf conversions
// write it in the "C" locale, whatever the locale of the process.

// "%lf": fixed point, six decimals.
void AppendFixed(std::string& text, double value);

// "%g" with precision significant digits ("%.17g" for 17), precision 1 to 40.
void AppendGeneral(std::string& text, double value, int precision = 6);

// "%d".
void AppendInteger(std::string& text, long long value);
