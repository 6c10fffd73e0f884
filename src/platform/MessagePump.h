// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program's nested loops need of the message queue: dispatching the
// events that are waiting, blocking until the next one, the program's quit
// request, and the pointer question of the shot computation.

#include <cstdint>

// Dispatches every event waiting in the queue, without blocking.
void PumpPendingMessages();

// Blocks until an event arrives, or at most wakeAfterMs milliseconds
// (0: no limit), then dispatches what arrived.
void WaitForNextMessage(int wakeAfterMs);

// The quit request: set when the main window closes. Nested loops that see it
// return at once without touching the view again.
void RequestQuit();
bool IsQuitRequested();
void ClearQuitRequest();  // for tests that run several windows in one process

// Millisecond clock from the high-resolution counter, full width.
std::uint64_t MillisecondClock();

// Pointer watch for the shot computation: MarkPointerPosition notes where the
// pointer is; PointerMovedSinceMark answers whether it has moved since,
// leaving the event queue untouched. InstallPointerWatch hands the question to
// the integration loop.
void MarkPointerPosition();
bool PointerMovedSinceMark();
void InstallPointerWatch();
