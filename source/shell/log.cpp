// log.cpp -- the plain-text log "sdl.log": every line appended and on disk when logLine returns
#include "shell/log.h"

#include <cstdio>

void logLine(const char *text)
{
    // Opened and closed for every line, so nothing is held open and an unwritable log costs nothing.
    FILE *file = fopen("sdl.log", "a");
    if (!file) return;
    fprintf(file, "%s\n", text);
    fclose(file);
}
