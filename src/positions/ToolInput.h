#pragma once

#include <string>

#include "positions/PositionFile.h"

// Reads the position file of a command-line tool. values starts from the
// set-up of a freshly started window for what the file lacks, and its table
// format is the file's last line when that names a format, else the full
// table. false, with a one-line reason in message, when path is a folder, is
// too large, cannot be opened or is not a position file.
bool ReadToolPosition(const std::string& path, PositionValues& values, int& valuesRead, std::string& message);
