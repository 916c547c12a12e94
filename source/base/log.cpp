// log.cpp -- the plain-text log "sdl.log": every line appended and the file closed again
#include "base/log.h"

#include "platform/files.h"

#include <cstdio>
#include <cstring>
#include <string>

// "sdl.log" in the working directory, unless start-up chose the user's state folder; empty: nowhere.
static std::string logFile = "sdl.log";

void logSetFile(const char *path) { logFile = path ? path : "sdl.log"; }

// True when the line reached the log.
static bool appendLine(const char *text)
{
    if (logFile.empty()) return false;
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
        return false;
    }
    bool written = fprintf(file, "%s\n", text) >= 0;
    return fclose(file) == 0 && written;
}

void logLine(const char *text) { appendLine(text); }

void logProblem(const char *text)
{
    if (appendLine(text)) return;
    // The log's own mark is a Windows-1250 byte that a terminal would show as garbage.
    constexpr char mark[] = " \xB7 ";
    if (strncmp(text, mark, sizeof mark - 1) == 0) text += sizeof mark - 1;
    fprintf(stderr, "tavrin: %s\n", text);
}

void logLoadFailure(const char *path, const char *reason)
{
    // Built whole: a long path or reason is never cut.
    logLine((std::string(" \xB7 Couldn't load ") + path + ": " + reason).c_str());
}
