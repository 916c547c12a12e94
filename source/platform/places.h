// places.h -- where the running program lives, and the per-user folder where it may keep its state
#pragma once

#include <cstddef>

// True where the run-time files' folder is the user's own (Windows: the per-user install, or a folder
// copied by hand), so the log stays in it while it can be written; false where the files are installed
// for everyone (POSIX), so that a program started outside them keeps its log in the user's state folder.
extern const bool logBesideRunTimeFiles;

// Writes the folder of the running executable (symbolic links resolved, no trailing separator, the
// root kept as "/"); false when it cannot be found or does not fit. On Windows the text is UTF-8.
bool executableDirectory(char *buffer, size_t size);

// Writes the program's own per-user state folder, creating it (and its parents) for the user alone
// when missing: ${XDG_STATE_HOME:-$HOME/.local/state}/tavrin on POSIX, %LOCALAPPDATA%\Tavrin on Windows
// (UTF-8; the log goes there only when the program's own folder cannot be written). False when it cannot
// be made or does not fit.
bool stateDirectory(char *buffer, size_t size);

#if !defined(_WIN32)
// Creates the folder and any missing parents, each for the user alone (0700 before the umask); true when
// it is there, also when it was there already. Used by the per-user folders of the state and the store.
bool makePrivateFolder(const char *path);
#endif
