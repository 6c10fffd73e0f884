// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "positions/PositionFile.h"

// The position file given to a command-line tool: Read, or why the file
// cannot be read (each tool words the reason in its own language; errno is
// left as the failed opening set it). On success values holds the file's
// values; those a file that stops early does not reach are the values of a
// freshly started view (kStartPosition). valuesRead receives how many of the
// 17 values were read.
PositionReadResult ReadToolPosition(const std::string& path, PositionValues& values, int& valuesRead);

// The table format a tool computes on: the file's last value when the file
// reaches it and it names a format, else the full table.
int TableFormatOf(const PositionValues& values, int valuesRead);
