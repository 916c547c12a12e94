// places.h -- where the running program lives, and the per-user folder where it may keep its state
#pragma once

#include <cstddef>

// True where a program started outside its run-time files' folder finds them from its own place and keeps
// its log in the user's state folder (POSIX); false where both always stay in the working directory
// (Windows).
extern const bool runTimeFilesFollowExecutable;

// Writes the folder of the running executable (symbolic links resolved, no trailing separator, the
// root kept as "/"); false when it cannot be found or does not fit. On Windows the text is UTF-8.
bool executableDirectory(char *buffer, size_t size);

// Writes the program's own per-user state folder, creating it (and its parents) for the user alone
// when missing: ${XDG_STATE_HOME:-$HOME/.local/state}/tavrin on POSIX. False when it cannot be made, and
// always on Windows, where the log stays in the working directory.
bool stateDirectory(char *buffer, size_t size);
