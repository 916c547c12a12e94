// library.h -- loading the game module libraries from the program's own directory
#pragma once

#include <cstddef>

// The platform's file-name ending of a loadable library: ".so" here, ".dll" on Windows.
extern const char *const librarySuffix;

// Opens the library fileName from the library directory, always by absolute path: never from the working
// directory or the system's search path. Returns null on failure, with a one-line reason (naming the
// file) in reason.
void *libraryOpen(const char *fileName, char *reason, size_t reasonSize);
// The address of an export of an open library, or null when it has none by that name.
void *librarySymbol(void *library, const char *name);
void libraryClose(void *library);

// The directory libraryOpen looks in: the executable's own directory, unless a test has pointed it
// elsewhere. Null or an empty text goes back to the executable's directory.
void librarySetDirectory(const char *directory);
// Writes the directory in use, without a trailing separator; false when it cannot be found.
bool libraryDirectory(char *buffer, size_t size);
