// library_backend.h -- what each platform's library backend gives the part of library loading they share
#pragma once

#include <cstddef>

// The longest full path of a library the backend opens, terminator included.
extern const size_t libraryPathCapacity;
// The separators a folder's name may end with; the first is the one put before a file name.
extern const char *const librarySeparators;

// Writes the executable's own folder, spelled as the platform's loader takes it, without a trailing
// separator; false when it cannot be found or does not fit.
bool programLibraryDirectory(char *buffer, size_t size);
// Opens the library at this full path; null on failure, with a one-line reason naming the file.
void *openLibraryAt(const char *path, char *reason, size_t reasonSize);
