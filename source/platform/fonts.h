// fonts.h -- a bold sans-serif font of the system's own, for when the program's font cannot be read
#pragma once

#include <cstddef>

// Writes the path of a bold sans-serif TrueType or OpenType file the system has: on POSIX the one that
// fontconfig's fc-match picks, on Windows one from the system's fonts folder. False when there is none
// (or the path does not fit).
bool systemBoldSansFont(char *path, size_t size);
