// log.cpp -- the plain-text log "sdl.log": every line appended and on disk when logLine returns
#include "shell/log.h"

#include <cstdio>

#include "platform/files.h"

void logLine(const char *text)
{
    // Opened and closed for every line, so nothing is held open and an unwritable log costs nothing. A
    // link in the log's place is never followed: it could name any file, a system file for a program
    // run as root. That is said once, on standard error.
    static bool linkReported = false;
    bool refusedLink = false;
    FILE *file = openForAppending("sdl.log", &refusedLink);
    if (!file) {
        if (refusedLink && !linkReported) fputs("sdl.log is a symbolic link, so nothing is logged\n", stderr);
        linkReported = linkReported || refusedLink;
        return;
    }
    fprintf(file, "%s\n", text);
    fclose(file);
}
