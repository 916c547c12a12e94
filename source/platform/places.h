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
// when missing: ${XDG_STATE_HOME:-$HOME/.local/state}/tavrin on POSIX, %LOCALAPPDATA%\Tavrin on Windows
// (where the log does not use it: it stays in the working directory). False when it cannot be made. On
// Windows the text is UTF-8.
bool stateDirectory(char *buffer, size_t size);

#if !defined(_WIN32)
// Creates the folder and any missing parents, each for the user alone (0700 before the umask); true when
// it is there, also when it was there already. Used by the per-user folders of the state and the store.
bool makePrivateFolder(const char *path);
#endif
