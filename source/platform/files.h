// files.h -- writing files safely: appending without following a symbolic link, replacing one whole
#pragma once

#include <cstddef>
#include <cstdio>

// Opens the file for appending in text mode, creating it when missing. A symbolic link in its place is
// refused (null, with *refusedLink true), so that whatever the link names is never written to; so is
// anything that is not a plain file (null), such as a named pipe nobody reads.
FILE *openForAppending(const char *path, bool *refusedLink);

// Makes data (size bytes) the whole content of the file at path (UTF-8), readable by the user alone on
// POSIX (0600): it is written into a new file beside it, which then takes the old one's place, so that
// a reader never sees half of it. Anything but a plain file in its place (a symbolic link, a device, a
// folder) is refused and left as it is, so that nothing is ever written through a link. False when it
// cannot be done, with the reason in a few words ("Permission denied").
bool replaceFile(const char *path, const char *data, size_t size, char *reason, size_t reasonSize);
