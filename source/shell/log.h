// log.h -- the plain-text log "sdl.log"; apart from shell.h so that code without SDL can write to it
#pragma once

// Appends one line; it is on disk when the call returns. An unwritable log is passed over in silence.
void logLine(const char *text);

// Where logLine appends from now on: null for "sdl.log" in the working directory (the start), an empty
// text for nowhere.
void logSetFile(const char *path);
