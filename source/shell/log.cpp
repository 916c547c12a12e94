// log.cpp -- the plain-text log "sdl.log": every line appended and on disk when logLine returns
#include "shell/log.h"

#include <cstdio>
#include <string>

// "sdl.log" in the working directory, unless start-up chose the user's state folder; empty: nowhere.
static std::string logFile = "sdl.log";

void logSetFile(const char *path) { logFile = path ? path : "sdl.log"; }

void logLine(const char *text)
{
    if (logFile.empty()) return;
    // Opened and closed for every line, so nothing is held open and an unwritable log costs nothing.
    FILE *file = fopen(logFile.c_str(), "a");
    if (!file) return;
    fprintf(file, "%s\n", text);
    fclose(file);
}
