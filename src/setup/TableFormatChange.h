// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Changing the table format of a set-up: balls that the new table cannot
// hold send all three back to their places near the top-left corner.

#include "setup/TableSetUp.h"

// The set-up on table format (0..3); an unknown format changes nothing.
TableSetUp WithTableFormat(const TableSetUp& setUp, int format);
// The format that follows format in the table-format command's cycle.
int NextTableFormat(int format);
