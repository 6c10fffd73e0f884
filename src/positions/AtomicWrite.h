// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Writes text to path for the writers of the program's files.
//
// A regular file (new or existing) is replaced through a temporary file in its
// own folder, so the old file stays whole until the new one is complete; the
// replaced file keeps its permission bits. A symbolic link is followed: the
// file it names is replaced and the link stays. A character device or a pipe
// (/dev/null, /dev/stdout) is written to as it is, never replaced.
//
// Refused, with the target left as it was:
//  - an existing file the user may not write: access(W_OK) says no, or no
//    write bit is set at all (so that root, whom access lets write anything,
//    leaves a file marked read-only alone too);
//  - a folder, and any other kind of file (socket, block device).
//
// false on failure; reason (optional) then receives a short English
// description such as "is read-only", "is a folder" or the system's message.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* reason = nullptr);
