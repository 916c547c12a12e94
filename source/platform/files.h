// files.h -- opening a file for appending without following a symbolic link
#pragma once

#include <cstdio>

// Opens the file for appending in text mode, creating it when missing. A symbolic link in its place is
// refused (null, with *refusedLink true), so that whatever the link names is never written to; so is
// anything that is not a plain file (null), such as a named pipe nobody reads.
FILE *openForAppending(const char *path, bool *refusedLink);
