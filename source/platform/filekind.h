// filekind.h -- whether a run-time file is a plain file that can be read to its end
#pragma once

#include <cstddef>

// True when path names a regular file (a symbolic link counts as what it points to). Anything else is
// refused before it is opened: a named pipe or a device would make the reader wait for ever, a folder
// cannot be read at all. On false, reason says why in a few words ("no such file", "not a regular
// file"), ready to follow the path in a log line.
bool isRegularFile(const char *path, char *reason, size_t reasonSize);
