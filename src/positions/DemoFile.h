// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "positions/PositionEntry.h"
#include "positions/TextFile.h"

// Reads the demonstration sequence "demo.se2": a first word accepted when its
// first character is 'S' or its second is 'e', the number of positions, then
// 17 numbers per position. entries holds kPositionListSlots entries.
// Returns false (and changes nothing) when the file cannot be opened or its
// first word is refused. Otherwise count becomes the announced number, limited
// to 0..kPositionListMaxCount, and entries are filled from slot 0 until a
// number cannot be converted; later entries keep what they held. When the
// number of positions itself cannot be read, count and entries stay as they were.
// A folder, a file of more than kDemoFileMaxBytes characters or one with an
// over-long word is not read either: false, nothing changed. result
// (optional) tells what was found.
bool ReadDemoSequence(const std::string& path, PositionEntry* entries, int& count,
                      FileReadResult* result = nullptr);

// The text of a sequence file holding the first count entries: the word
// "Sequence", the count, then a line of 17 numbers per entry, each written as
// the shortest text that reads back to the same value.
std::string FormatDemoSequence(const PositionEntry* entries, int count);

// Writes that text to path as WriteFileAtomically does; false, the file left
// as it was, when it cannot be written (reason, optional, tells why).
bool WriteDemoSequence(const std::string& path, const PositionEntry* entries, int count,
                       std::string* reason = nullptr);
