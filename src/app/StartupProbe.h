// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up measurement: with MIROBELT_STARTUP_PROBE set in the environment,
// the program prints the wall-clock time at which the first complete table
// reached the screen (microseconds since the epoch) and quits. Read by
// bench/startup.sh.

class QWidget;

void WatchForFirstTable(QWidget* view);
