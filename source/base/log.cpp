// log.cpp -- the plain-text log "sdl.log": every line appended and the file closed again
#include "base/log.h"

#include "platform/files.h"

#include <cstdio>
#include <string>

// "sdl.log" in the working directory, unless start-up chose the user's state folder; empty: nowhere.
static std::string logFile = "sdl.log";

void logSetFile(const char *path) { logFile = path ? path : "sdl.log"; }

void logLine(const char *text)
{
    if (logFile.empty()) return;
    // Opened and closed for every line, so nothing is held open, an unwritable log costs nothing, and a
    // line is with the system when logLine returns: it outlives a crash of the program, though not
    // necessarily a power cut, since nothing waits for the disk. A link in the log's place is never
    // followed: it could name any file, a system file for a program run as root. That is said once, on
    // standard error.
    static bool linkReported = false;
    bool refusedLink = false;
    FILE *file = openForAppending(logFile.c_str(), &refusedLink);
    if (!file) {
        if (refusedLink && !linkReported) fprintf(stderr, "%s is a symbolic link, so nothing is logged\n", logFile.c_str());
        linkReported = linkReported || refusedLink;
        return;
    }
    fprintf(file, "%s\n", text);
    fclose(file);
}

void logLoadFailure(const char *path, const char *reason)
{
    char line[600];
    snprintf(line, sizeof line, " \xB7 Couldn't load %s: %s", path, reason);
    logLine(line);
}
