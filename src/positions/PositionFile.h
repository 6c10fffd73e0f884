// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "positions/AtomicWrite.h"
#include "positions/TextFile.h"

// The seventeen values of a position file, in the order of the file's lines 2 to 18.
constexpr int kPositionValueLines = 17;

struct PositionValues
{
    double redX = 0, redY = 0;
    double whiteX = 0, whiteY = 0;
    double spottedX = 0, spottedY = 0;
    double strikeHeight = 0;
    double strikeSide = 0;
    double raiseAngle = 0;
    double force = 0;
    int cueBall = 0;
    double aimOriginX = 0, aimTargetX = 0, aimOriginY = 0, aimTargetY = 0;
    double strikeMode = 0;
    double tableFormat = 0;
};

// Header lines written by the two writers.
inline constexpr const char* kQuickSaveHeader = "Billard_KVO_(3.08.99 22.01.00)";
inline constexpr const char* kSaveAsHeader = "Billard_KVO_le_3_aout_99";
inline constexpr const char* kQuickSaveFileName = "current.bi1";

using PositionReadResult = FileReadResult;

// Reads a position file. Accepted when the first word begins with 'B' or 'i';
// the rest of the header line is skipped. The values are read in file order;
// reading stops at the first value that cannot be converted, so that value
// and all later ones keep what values held. valuesRead (optional) receives
// how many of the 17 values were read.
// A folder, a file of more than kPositionFileMaxBytes characters or one with
// an over-long word is not read: values are then left as they were.
PositionReadResult ReadPositionFile(const std::string& path, PositionValues& values,
                                    int* valuesRead = nullptr);

// The file text: header line, then the 17 values ("%lf", line 12 "%d").
std::string FormatPositionFile(const char* header, const PositionValues& values);

// Writes the file text to path as WriteFileAtomically does. false on failure,
// in which case a file already at path is left as it was.
bool WritePositionFile(const std::string& path, const char* header, const PositionValues& values);
