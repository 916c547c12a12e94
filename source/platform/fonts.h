// fonts.h -- a bold sans-serif font of the system's own, for when the program's font cannot be read
#pragma once

#include <cstddef>

// Writes the path of a bold sans-serif TrueType or OpenType file the system has: on POSIX the one that
// fontconfig's fc-match picks (given two seconds at most), on Windows one from the system's fonts folder.
// False when there is none (or the path does not fit); path then holds, where the platform can tell, what
// the system answered instead, for the log, and is otherwise left as it was.
bool systemBoldSansFont(char *path, size_t size);
