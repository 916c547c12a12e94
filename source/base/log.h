// log.h -- the plain-text log "sdl.log", below everything that writes to it and free of SDL
#pragma once

// Appends one line and closes the file: the line survives a crash of the program from then on (the disk
// itself is not waited for). An unwritable log is passed over in silence.
void logLine(const char *text);

// The same for a problem that loses the player's settings or progress, or the log itself: when the log
// cannot take the line (no folder for it, a file that cannot be written), it goes to standard error
// instead, so that such a loss is never passed over in silence.
void logProblem(const char *text);

// Where logLine appends from now on: null for "sdl.log" in the working directory (the start), an empty
// text for nowhere.
void logSetFile(const char *path);

// The line for a run-time file that could not be read: " · Couldn't load <path>: <reason>".
void logLoadFailure(const char *path, const char *reason);
